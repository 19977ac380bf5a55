#include "VfTable.h"

#include "VfPrinter.h"

#include <QHash>
#include <QPainter>
#include <QVector>

namespace {
// Reads and clears a one-shot answer flag.
int takeAnswer(bool &flag)
{
    const bool answered = flag;
    flag = false;
    return answered ? 0 : -1;
}
} // namespace

VfTable::VfTable(QPainter *painter)
    : m_painter(painter)
    , m_bodyFont(VfPrinter::reportFont(QStringLiteral("FreeMono"), 8))
    , m_headerFont(VfPrinter::reportFont(QStringLiteral("FreeMono"), 8))
    , m_smallFont(VfPrinter::reportFont(QStringLiteral("FreeMono"), 5))
{
}

int VfTable::totalWidth() const
{
    int width = 0;
    for (int c = 0; c < m_columnCount && c < m_columnWidths.size(); ++c)
        width += m_columnWidths.at(c);
    return width;
}

int VfTable::dayCount() const
{
    if (m_rows.isEmpty())
        return 0;
    const QDate first = m_rows.first().date();
    const QDate last = m_rows.last().date();
    if (!first.isValid() || !last.isValid())
        return 0;
    return int(first.daysTo(last));
}

int VfTable::pageCount(int, int) const
{
    return 0;
}

int VfTable::waitPageFinished()
{
    return takeAnswer(m_pageFinished);
}

int VfTable::waitNewPageDone()
{
    return takeAnswer(m_newPageDone);
}

void VfTable::setHeader(QList<VfSubSuperScript *>) {}

void VfTable::setRows(QList<VfTableRow>) {}

int VfTable::draw(int, int)
{
    return 0;
}

int VfTable::drawHeader(int, int)
{
    return 0;
}

int VfTable::drawRow(QStringList, int, int, int)
{
    return 0;
}

int VfTable::drawDateRow(QString, int, int)
{
    return 0;
}

VfTable::CellStyle VfTable::cellStyle(int) const
{
    return {m_bodyFont, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap};
}

void VfTable::widenColumn(int column, int width)
{
    if (column >= 0 && column < m_columnWidths.size() && width > m_columnWidths.at(column))
        m_columnWidths[column] = width;
}

void VfTable::measureRows(const QList<VfTableRow> &rows)
{
    if (rows.isEmpty())
        return;
    const QFont saved = m_painter->font();
    m_rows.clear();
    m_rowCount = rows.size();
    m_columnCount = rows.first().cells().size();
    m_columnWidths.clear();
    for (int c = 0; c < m_columnCount; ++c)
        m_columnWidths.append(0);
    m_rowHeight = 0;
    const QRect window = m_painter->window();
    QVector<CellStyle> styles;
    for (int c = 0; c < m_columnCount; ++c)
        styles.append(cellStyle(c));
    // A column's values repeat ("---", the same reading), and its counts and
    // times differ only in their digits: each text or shape is laid out once
    // per column.
    QVector<QHash<QString, QSize>> measured(m_columnCount);
    m_repeated = QVector<QSet<QString>>(m_columnCount);
    m_digitsAlike.clear();
    for (const CellStyle &style : qAsConst(styles))
        m_digitsAlike.append(VfCellTexts::digitsAlike(style.font));
    for (const VfTableRow &row : rows) {
        m_rows.append(row);
        // A row is as tall as its tallest cell, so no cell overlaps the next row.
        int height = 0;
        for (int c = 0; c < m_columnCount; ++c) {
            const QString text = drawnAs(c, row.cell(c));
            auto size = measured[c].constFind(text);
            if (size == measured[c].constEnd()) {
                m_painter->setFont(styles.at(c).font);
                size = measured[c].insert(
                    text, m_painter->boundingRect(window, styles.at(c).flags, text).size());
            } else {
                m_repeated[c].insert(text);
            }
            widenColumn(c, size->width() + m_cellPaddingX);
            height = qMax(height, size->height());
        }
        m_rowHeight = qMax(m_rowHeight, height + m_cellPaddingY);
    }
    m_painter->setFont(saved);
}

QString VfTable::drawnAs(int column, const QString &text) const
{
    return m_digitsAlike.value(column) ? VfCellTexts::shapeOf(text) : text;
}

void VfTable::drawCells(const QStringList &cells, int height, int x, int y)
{
    // One transform for the whole row, and a font set only where it changes:
    // every change of either opens a new graphics state in the PDF.
    const QFont saved = m_painter->font();
    m_painter->resetTransform();
    for (int c = 0; c < m_columnCount && c < m_columnWidths.size(); ++c) {
        const CellStyle style = cellStyle(c);
        const int width = m_columnWidths.at(c);
        if (!(m_painter->font() == style.font))
            m_painter->setFont(style.font);
        const QString text = cells.value(c);
        const QRect rect(x, y, width, height);
        if (c < m_repeated.size() && m_repeated.at(c).contains(drawnAs(c, text)))
            m_cellTexts[c].draw(m_painter, rect, style.flags, text);
        else
            m_painter->drawText(rect, style.flags, text);
        x += width;
    }
    m_painter->setFont(saved);
}
