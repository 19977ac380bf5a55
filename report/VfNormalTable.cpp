#include "VfNormalTable.h"

#include "VfPrinter.h"

#include <QPainter>

namespace {
constexpr int kFontPixels = 10;
constexpr int kLabelFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
constexpr int kValueFlags = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
} // namespace

VfNormalTable::VfNormalTable(QPainter *painter)
    : VfTable(painter)
{
    m_cellPaddingX = 20;
    m_cellPaddingY = 10;
}

VfTable::CellStyle VfNormalTable::cellStyle(int column) const
{
    const bool label = column == 0;
    return {VfPrinter::reportFont(QStringLiteral("FreeSans"), kFontPixels,
                                  label ? QFont::Bold : QFont::Normal),
            label ? kLabelFlags : kValueFlags};
}

void VfNormalTable::setRows(QList<VfTableRow> rows)
{
    measureRows(rows);
}

void VfNormalTable::setHeaderTitles(QStringList titles)
{
    m_headerHeight = 0;
    if (titles.size() != m_columnCount) {
        m_headerHeight = m_cellPaddingY;
        return;
    }
    const QFont saved = m_painter->font();
    m_painter->setFont(VfPrinter::reportFont(QStringLiteral("FreeSans"), kFontPixels, QFont::Bold));
    m_headerTitles = titles;
    for (int c = 0; c < titles.size(); ++c) {
        const QRect rect = m_painter->boundingRect(
            m_painter->window(), Qt::AlignHCenter | Qt::TextWordWrap, titles.at(c));
        widenColumn(c, rect.width() + m_cellPaddingX);
        m_headerHeight = qMax(m_headerHeight, rect.height());
    }
    m_headerHeight += m_cellPaddingY;
    m_painter->setFont(saved);
}

int VfNormalTable::draw(int x, int y)
{
    const int width = totalWidth();
    if (width > m_painter->window().width())
        return 0;
    if (m_rowCount == 0)
        return y;
    const int left = x + (m_painter->window().width() - width) / 2;
    int cur = y + drawHeader(left, y);
    for (const VfTableRow &row : qAsConst(m_rows))
        cur += drawRow(row.cells(), m_rowHeight, left, cur);
    return cur;
}

int VfNormalTable::drawHeader(int x, int y)
{
    const QFont saved = m_painter->font();
    m_painter->resetTransform();
    m_painter->translate(x, y);
    m_painter->setFont(VfPrinter::reportFont(QStringLiteral("FreeSans"), kFontPixels, QFont::Bold));
    for (int c = 0; c < m_columnCount && c < m_columnWidths.size(); ++c) {
        const int width = m_columnWidths.at(c);
        m_painter->drawText(QRect(0, 0, width, m_headerHeight), c == 0 ? kLabelFlags : kValueFlags,
                            m_headerTitles.value(c));
        m_painter->translate(width, 0);
    }
    m_painter->setFont(saved);
    m_painter->resetTransform();
    return m_headerHeight;
}

int VfNormalTable::drawRow(QStringList cells, int rowHeight, int x, int y)
{
    drawCells(cells, rowHeight, x, y);
    return rowHeight;
}
