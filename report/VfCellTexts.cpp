#include "VfCellTexts.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QRawFont>
#include <QTextLayout>

#include <algorithm>
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

const QString kDigits = QStringLiteral("0123456789");

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Whether the digits of `font` are ten glyphs of one width.
bool digitGlyphsAlike(const QRawFont &font)
{
    const QVector<quint32> glyphs = font.glyphIndexesForString(kDigits);
    if (glyphs.size() != kDigits.size() || glyphs.contains(0))
        return false;
    const QVector<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    return std::all_of(advances.cbegin(), advances.cend(),
                       [&](const QPointF &a) { return a == advances.first(); });
}

} // namespace

struct VfCellTexts::Laid
{
    QTextLayout layout;
    qreal width = 0;
    qreal height = 0;
    qreal advance = 0;
    // The glyphs of a text drawn one per character from one face; empty
    // otherwise. Texts of its shape are drawn from them.
    QGlyphRun glyphs;
    QVector<quint32> digitGlyphs;
};

bool VfCellTexts::digitsAlike(const QFont &font)
{
    return QFontInfo(font).fixedPitch() && digitGlyphsAlike(QRawFont::fromFont(font));
}

QString VfCellTexts::shapeOf(const QString &text)
{
    // A text without digits is its own shape, and stays shared.
    const auto digit = std::find_if(text.cbegin(), text.cend(), isDigit);
    if (digit == text.cend())
        return text;
    QString shape = text;
    QChar *c = shape.data() + (digit - text.cbegin());
    for (QChar *end = shape.data() + shape.size(); c != end; ++c) {
        if (isDigit(*c))
            *c = QLatin1Char('0');
    }
    return shape;
}

VfCellTexts::VfCellTexts() = default;
VfCellTexts::~VfCellTexts() = default;

const VfCellTexts::Laid *VfCellTexts::laid(QPainter *painter, int width, int flags,
                                           const QString &text)
{
    const Qt::LayoutDirection direction = painter->layoutDirection();
    if ((flags & kOtherFlags) || direction == Qt::RightToLeft || !plainText(text))
        return nullptr;
    const QFont &font = painter->font();
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
    if (m_digitsAlike)
        keepGlyphs(laid.get(), text);
    return m_laid.insert(text, laid)->get();
}

void VfCellTexts::keepGlyphs(Laid *laid, const QString &text)
{
    const QList<QGlyphRun> runs = laid->layout.glyphRuns();
    if (runs.size() != 1)
        return;
    const QRawFont font = runs.first().rawFont();
    // One glyph per character, as the face maps them: nothing was shaped.
    if (runs.first().glyphIndexes() != font.glyphIndexesForString(text) || !digitGlyphsAlike(font))
        return;
    laid->glyphs = runs.first();
    laid->digitGlyphs = font.glyphIndexesForString(kDigits);
}

void VfCellTexts::follow(QPainter *painter, int width, int flags)
{
    const QFont &font = painter->font();
    if (width == m_width && flags == m_flags && font == m_font)
        return;
    m_laid.clear();
    m_width = width;
    m_flags = flags;
    m_font = font;
    m_digitsAlike = digitsAlike(font);
}

void VfCellTexts::drawAlike(QPainter *painter, const QPointF &at, const Laid &laid,
                            const QString &text)
{
    QVector<quint32> glyphs = laid.glyphs.glyphIndexes();
    for (int i = 0; i < text.size(); ++i) {
        if (isDigit(text.at(i)))
            glyphs[i] = laid.digitGlyphs.at(text.at(i).unicode() - '0');
    }
    QGlyphRun run = laid.glyphs;
    run.setGlyphIndexes(glyphs);
    painter->drawGlyphRun(at, run);
}

void VfCellTexts::draw(QPainter *painter, const QRect &rect, int flags, const QString &text)
{
    if (text.isEmpty() || painter->pen().style() == Qt::NoPen)
        return;
    follow(painter, rect.width(), flags);
    const QString shape = m_digitsAlike ? shapeOf(text) : text;
    const Laid *laid = this->laid(painter, rect.width(), flags, shape);
    const bool alike = shape != text;
    if (laid && alike && laid->glyphs.glyphIndexes().isEmpty())
        laid = nullptr;
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
    const QPointF at(r.x() + x, r.y() + y);
    if (alike)
        drawAlike(painter, at, *laid, text);
    else
        laid->layout.lineAt(0).draw(painter, at);
}
