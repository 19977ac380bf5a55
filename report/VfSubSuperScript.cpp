#include "VfSubSuperScript.h"

#include "VfPrinter.h"

#include <QPainter>

namespace {
constexpr int kIndexShrink = 3;
constexpr int kSmallestFont = 6;
constexpr int kFlags = Qt::AlignLeft | Qt::TextWordWrap;

QSize textSize(QPainter *painter, const QFont &font, const QString &text)
{
    if (text.isEmpty())
        return QSize(0, 0);
    const QFont saved = painter->font();
    painter->setFont(font);
    const QRect rect = painter->boundingRect(painter->window(), kFlags, text);
    painter->setFont(saved);
    return rect.size();
}
} // namespace

VfSubSuperScript::VfSubSuperScript()
    : m_smallFont(VfPrinter::reportFont(QStringLiteral("FreeMono"), 5))
    , m_font(VfPrinter::reportFont(QStringLiteral("FreeMono"), 8))
{
}

VfSubSuperScript::VfSubSuperScript(QString text, QString subText, QString supText,
                                   VfSubSuperScript *next)
    : VfSubSuperScript()
{
    m_text = text;
    m_subText = subText;
    m_supText = supText;
    m_next = next;
}

void VfSubSuperScript::setFont(const QFont &font)
{
    if (font.pixelSize() < kSmallestFont)
        return;
    m_font = font;
    m_smallFont = VfPrinter::reportFont(font.family(), font.pixelSize() - kIndexShrink);
}

// The superscript stands half its height above the main text's top line.
int VfSubSuperScript::Parts::raise() const
{
    return label->m_supText.isEmpty() ? 0 : sup.height() / 2;
}

// The subscript starts half the main height down and may reach below it.
int VfSubSuperScript::Parts::below() const
{
    const int mh = main.height();
    if (!label->m_subText.isEmpty() && sub.height() > mh / 2)
        return mh + sub.height() - mh / 2;
    return mh;
}

// A chained label is drawn in the fonts of the label before it, so the whole
// title has one size; a chain that loops back ends where it started.
QList<VfSubSuperScript::Parts> VfSubSuperScript::measureChain(QPainter *painter) const
{
    QList<Parts> chain;
    if (m_text.isEmpty())
        return chain;
    for (const VfSubSuperScript *label = this; label; label = label->m_next) {
        if (!chain.isEmpty() && label == this)
            break;
        chain.append({label, textSize(painter, m_font, label->m_text),
                      textSize(painter, m_smallFont, label->m_subText),
                      textSize(painter, m_smallFont, label->m_supText)});
    }
    return chain;
}

int VfSubSuperScript::chainHeight(const QList<Parts> &chain)
{
    int raise = 0;
    int below = 0;
    for (const Parts &parts : chain) {
        raise = qMax(raise, parts.raise());
        below = qMax(below, parts.below());
    }
    return raise + below;
}

int VfSubSuperScript::chainWidth(const QList<Parts> &chain)
{
    int w = 0;
    for (const Parts &parts : chain)
        w += parts.main.width() + qMax(parts.sub.width(), parts.sup.width());
    return w;
}

int VfSubSuperScript::width(QPainter *painter) const
{
    return chainWidth(measureChain(painter));
}

int VfSubSuperScript::height(QPainter *painter) const
{
    return chainHeight(measureChain(painter));
}

int VfSubSuperScript::drawIn(int x1, int y1, int x2, int y2, QPainter *painter)
{
    const QList<Parts> chain = measureChain(painter);
    if (chain.isEmpty())
        return 0;
    const int w = chainWidth(chain);
    int raise = 0;
    for (const Parts &parts : chain)
        raise = qMax(raise, parts.raise());
    // Centred both ways, so that the title stays inside its cell; the main
    // texts of the chain share one top line.
    int x = x1 + (x2 - x1 + 1 - w) / 2;
    const int top = y1 + qMax(0, (y2 - y1 + 1 - chainHeight(chain)) / 2) + raise;

    const QFont saved = painter->font();
    for (const Parts &parts : chain) {
        const VfSubSuperScript *label = parts.label;
        painter->setFont(m_font);
        painter->drawText(QRect(QPoint(x, top), parts.main), kFlags, label->m_text);
        x += parts.main.width();
        painter->setFont(m_smallFont);
        if (!label->m_subText.isEmpty())
            painter->drawText(QRect(QPoint(x, top + parts.main.height() / 2), parts.sub), kFlags,
                              label->m_subText);
        if (!label->m_supText.isEmpty())
            painter->drawText(QRect(QPoint(x, top - parts.sup.height() / 2), parts.sup), kFlags,
                              label->m_supText);
        x += qMax(parts.sub.width(), parts.sup.width());
    }
    painter->setFont(saved);
    return w;
}

int VfSubSuperScript::drawAtOrigin(QPainter *painter)
{
    const int w = width(painter);
    if (w < 1)
        return 0;
    const int h = height(painter);
    drawIn(0, 0, w - 1, h - 1, painter);
    return h;
}

int VfSubSuperScript::draw(int x, int y, QPainter *painter)
{
    painter->resetTransform();
    painter->translate(x, y);
    return drawAtOrigin(painter);
}
