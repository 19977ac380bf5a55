#include "VfFullPageTable.h"

#include "VfPrinter.h"
#include "VfSubSuperScript.h"

#include <QPainter>

VfFullPageTable::VfFullPageTable(QPainter *painter)
    : VfTable(painter)
{
    m_cellPaddingX = 8;
    m_cellPaddingY = 8;
}

void VfFullPageTable::setRows(QList<VfTableRow> rows)
{
    measureRows(rows);
}

void VfFullPageTable::setHeader(QList<VfSubSuperScript *> titles)
{
    m_headerHeight = 0;
    if (titles.size() != m_columnCount) {
        m_headerHeight = m_cellPaddingY;
        return;
    }
    m_headerLabels = titles;
    for (int c = 0; c < titles.size(); ++c) {
        VfSubSuperScript *label = titles.at(c);
        if (!label)
            continue;
        label->setFont(m_headerFont);
        widenColumn(c, label->width(m_painter) + m_cellPaddingX);
        m_headerHeight = qMax(m_headerHeight, label->height(m_painter));
    }
    m_headerHeight += m_cellPaddingY;
}

int VfFullPageTable::blockCount() const
{
    const int width = totalWidth();
    if (width < 1 || width > m_painter->window().width())
        return 0;
    return m_painter->window().width() / width;
}

int VfFullPageTable::slotWidth() const
{
    const int blocks = blockCount();
    return blocks > 0 ? m_painter->window().width() / blocks : 0;
}

int VfFullPageTable::pageCount(int x, int y) const
{
    // Counting runs the same layout as drawing, without painting or signals.
    return const_cast<VfFullPageTable *>(this)->layout(x, y, false);
}

int VfFullPageTable::draw(int x, int y)
{
    if (totalWidth() > m_painter->window().width())
        return -1;
    return layout(x, y, true) < 0 ? -1 : 0;
}

bool VfFullPageTable::askFor(void (VfFullPageTable::*signal)(), int (VfTable::*answer)())
{
    emit(this->*signal)();
    return (this->*answer)() == 0;
}

int VfFullPageTable::layout(int x, int y, bool paint)
{
    const int pageHeight = m_painter->window().height();
    const int blocks = blockCount();
    if (m_rows.isEmpty() || blocks < 1 || m_rowHeight < 1)
        return 0;
    // The caption stands above the header on the first page only.
    int headerTop = y + captionHeight();
    if (headerTop + m_headerHeight + m_rowHeight + m_bottomReserve > pageHeight)
        return 0;
    const int width = totalWidth();
    const int slot = slotWidth();
    const int left = x + (slot - width) / 2;

    if (paint && !askFor(&VfFullPageTable::newPage, &VfTable::waitNewPageDone))
        return -1;
    if (paint)
        drawCaption(x, y);
    int pages = 1;
    int block = 0;
    // A block gets its titles with its first row: no titles over no rows.
    bool headed = false;
    int cur = headerTop + m_headerHeight;
    QDate previousDay = m_rows.first().date();
    QString previous = VfPrinter::dateText(previousDay);
    for (const VfTableRow &row : qAsConst(m_rows)) {
        // Rows of one day share its text; only a new day's is written out.
        const QDate day = row.date();
        const QString date = day == previousDay ? previous : VfPrinter::dateText(day);
        previousDay = day;
        bool changed = date != previous;
        const int lines = changed ? 2 : 1;
        if (cur + lines * m_rowHeight + m_bottomReserve > pageHeight) {
            if (++block >= blocks) {
                if (paint && !(askFor(&VfFullPageTable::finishPage, &VfTable::waitPageFinished) &&
                               askFor(&VfFullPageTable::newPage, &VfTable::waitNewPageDone)))
                    return -1;
                ++pages;
                block = 0;
                headerTop = y;
            }
            headed = false;
            cur = headerTop + m_headerHeight;
        }
        if (paint && !headed)
            drawBlockHeader(block, left, headerTop);
        headed = true;
        // A block with room for one row only has none left for a date row.
        if (changed && cur + 2 * m_rowHeight + m_bottomReserve > pageHeight)
            changed = false;
        const int bx = left + block * slot;
        if (changed)
            cur += paint ? drawDateRow(date, bx, cur) : m_rowHeight;
        previous = date;
        cur += paint ? drawRow(row.cells(), m_rowHeight, bx, cur) : m_rowHeight;
    }
    return pages;
}

int VfFullPageTable::drawHeader(int x, int y)
{
    const int blocks = blockCount();
    for (int b = 0; b < blocks; ++b)
        drawBlockHeader(b, x, y);
    return blocks > 0 ? m_headerHeight : 0;
}

void VfFullPageTable::drawBlockHeader(int block, int left, int y)
{
    const int slot = slotWidth();
    const QFont saved = m_painter->font();
    m_painter->setFont(m_headerFont);
    m_painter->resetTransform();
    m_painter->translate(left + block * slot, y);
    for (int c = 0; c < m_columnCount && c < m_columnWidths.size(); ++c) {
        const int columnWidth = m_columnWidths.at(c);
        if (VfSubSuperScript *label = m_headerLabels.value(c))
            label->drawIn(0, 0, columnWidth - 1, m_headerHeight - 1, m_painter);
        m_painter->translate(columnWidth, 0);
    }
    m_painter->setFont(saved);
    m_painter->resetTransform();
    if (block < 1)
        return;
    // The rule between this block and the one before, down to the space kept
    // for the bottom band.
    const int ruleX = left - (slot - totalWidth()) / 2 + block * slot;
    m_painter->drawLine(ruleX, y, ruleX, m_painter->window().height() - m_bottomReserve);
}

void VfFullPageTable::setCaption(const QString &caption, const QFont &font)
{
    m_caption = caption;
    m_captionFont = font;
}

int VfFullPageTable::captionHeight() const
{
    if (m_caption.isEmpty())
        return 0;
    const QFont saved = m_painter->font();
    m_painter->setFont(m_captionFont);
    const int height =
        m_painter->boundingRect(m_painter->window(), Qt::AlignHCenter | Qt::TextWordWrap, m_caption)
            .height();
    m_painter->setFont(saved);
    return height + m_cellPaddingY;
}

void VfFullPageTable::drawCaption(int x, int y)
{
    if (m_caption.isEmpty())
        return;
    const QFont saved = m_painter->font();
    m_painter->setFont(m_captionFont);
    m_painter->resetTransform();
    const QRect window = m_painter->window();
    m_painter->drawText(QRect(x, y + m_cellPaddingY / 2, window.width() - x, captionHeight()),
                        Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_caption);
    m_painter->setFont(saved);
}

int VfFullPageTable::drawRow(QStringList cells, int rowHeight, int x, int y)
{
    drawCells(cells, rowHeight, x, y);
    return rowHeight;
}

// The day that the rows below it belong to, across the whole block.
int VfFullPageTable::drawDateRow(QString date, int x, int y)
{
    const QFont saved = m_painter->font();
    QFont font = m_bodyFont;
    font.setBold(true);
    m_painter->setFont(font);
    m_painter->resetTransform();
    m_painter->drawText(QRect(x, y, totalWidth(), m_rowHeight),
                        Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, date);
    m_painter->setFont(saved);
    return m_rowHeight;
}
