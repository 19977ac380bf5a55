#include "VfCellTexts.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QTextLayout>

#include <cmath>

namespace {

// Flags that drawText honours beyond the alignment, the wrap and the one-line
// switch: texts drawn with any of them go to drawText.
constexpr int kOtherFlags = Qt::TextShowMnemonic | Qt::TextHideMnemonic | Qt::TextExpandTabs |
                            Qt::TextJustificationForced | Qt::TextWrapAnywhere |
                            Qt::TextForceRightToLeft | Qt::AlignJustify | Qt::TextDontPrint;

// Whether drawText takes `text` as it stands: no character that it replaces
// or breaks at, nothing it underlines.
bool plainText(const QString &text)
{
    if (text.isEmpty() || text.front().isSpace() || text.back().isSpace())
        return false;
    for (const QChar c : text) {
        const ushort code = c.unicode();
        if (code < 0x20 || code == '&' || code == 0x9c || (c.isSpace() && code != ' ') ||
            c.direction() == QChar::DirR || c.direction() == QChar::DirAL)
            return false;
    }
    return true;
}

} // namespace

struct VfCellTexts::Laid
{
    QTextLayout layout;
    qreal width = 0;
    qreal height = 0;
    qreal advance = 0;
};

VfCellTexts::VfCellTexts() = default;
VfCellTexts::~VfCellTexts() = default;

const VfCellTexts::Laid *VfCellTexts::laid(QPainter *painter, int width, int flags,
                                           const QString &text)
{
    const Qt::LayoutDirection direction = painter->layoutDirection();
    if ((flags & kOtherFlags) || direction == Qt::RightToLeft || !plainText(text))
        return nullptr;
    const QFont &font = painter->font();
    if (width != m_width || flags != m_flags || !(font == m_font)) {
        m_laid.clear();
        m_width = width;
        m_flags = flags;
        m_font = font;
    }
    auto found = m_laid.constFind(text);
    if (found != m_laid.constEnd())
        return found->get();

    // Laid out as drawText lays out its text: left aligned (it aligns each
    // line itself), the line as wide as the rectangle when wrapping.
    auto laid = std::make_shared<Laid>();
    laid->layout.setText(text);
    laid->layout.setFont(font);
    QTextOption option;
    option.setTextDirection(direction);
    option.setAlignment(Qt::AlignLeft);
    laid->layout.setTextOption(option);
    laid->layout.setCacheEnabled(true);
    const bool wrap = flags & Qt::TextWordWrap;
    laid->layout.beginLayout();
    QTextLine line = laid->layout.createLine();
    line.setLineWidth(wrap ? qMax<qreal>(0, width) : qreal(0x01000000));
    line.setPosition(QPointF(0, 0));
    const bool oneLine = !laid->layout.createLine().isValid();
    laid->layout.endLayout();
    if (!oneLine) {
        m_laid.insert(text, nullptr);
        return nullptr;
    }
    line = laid->layout.lineAt(0);
    // drawText takes the line's height unrounded.
    laid->height = line.ascent() + line.descent();
    laid->width = line.naturalTextWidth();
    laid->advance = line.horizontalAdvance();
    return m_laid.insert(text, laid)->get();
}

void VfCellTexts::draw(QPainter *painter, const QRect &rect, int flags, const QString &text)
{
    if (text.isEmpty() || painter->pen().style() == Qt::NoPen)
        return;
    const Laid *laid = this->laid(painter, rect.width(), flags, text);
    const QRectF r(rect);
    qreal x = 0;
    qreal y = 0;
    if (laid) {
        if (flags & Qt::AlignBottom)
            y = r.height() - laid->height;
        else if (flags & Qt::AlignVCenter)
            y = (r.height() - laid->height) / 2;
        qreal left = 0;
        if (flags & Qt::AlignRight) {
            left = r.width() - laid->width;
            x = r.width() - laid->advance;
        } else if (flags & Qt::AlignHCenter) {
            left = (r.width() - laid->width) / 2;
            x = (r.width() - laid->advance) / 2;
        }
        // A text its rectangle cuts is drawn clipped: drawText does that.
        if (!(flags & Qt::TextDontClip) &&
            !r.contains(QRectF(r.x() + left, r.y() + y, laid->width, laid->height)))
            laid = nullptr;
    }
    if (!laid) {
        painter->drawText(rect, flags, text);
        return;
    }
    laid->layout.lineAt(0).draw(painter, QPointF(r.x() + x, r.y() + y));
}
