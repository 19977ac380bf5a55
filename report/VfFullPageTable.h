#pragma once

#include "VfTable.h"

// The sample table of one run at the end of a report. It starts on a page of
// its own, repeats its header on every page and, when it is narrow, lays out
// column blocks side by side, filling each block from top to bottom before
// moving right. A change of day starts with a date row. Page breaks go through
// the finishPage/newPage handshake with the report writer.
class VfFullPageTable : public VfTable
{
    Q_OBJECT

public:
    explicit VfFullPageTable(QPainter *painter);

    // Pages the table takes from (x, y) on, laid out exactly as draw lays it
    // out; 0 when it draws nothing (no rows, no width, wider than the page,
    // or no room for one row under the header).
    int pageCount(int x, int y) const override;
    // Column blocks side by side on a page; 0 when the table cannot be drawn.
    int blockCount() const;
    // A title centred above the header on the table's first page, in `font`
    // (none while empty): which run the table belongs to in a report of
    // several.
    void setCaption(const QString &caption, const QFont &font);
    QString caption() const { return m_caption; }

public slots:
    // Column titles, one per column (not owned); a list of another length
    // is ignored and leaves a blank header row.
    void setHeader(QList<VfSubSuperScript *> titles) override;
    void setRows(QList<VfTableRow> rows) override;
    // 0 drawn (or nothing to draw), -1 wider than the page or a page break
    // left unanswered (the rows after it are not drawn).
    int draw(int x, int y) override;
    int drawHeader(int x, int y) override;
    int drawRow(QStringList cells, int rowHeight, int x, int y) override;
    int drawDateRow(QString date, int x, int y) override;

private:
    // Runs the layout of every row from (x, y): with `paint` it draws and asks
    // for page breaks, without it only counts. Pages used, 0 when nothing can
    // be drawn, -1 when a break went unanswered.
    int layout(int x, int y, bool paint);
    // Emits one page-break signal and takes its answer.
    bool askFor(void (VfFullPageTable::*signal)(), int (VfTable::*answer)());
    int slotWidth() const;
    // The titles of block `block` at y, the blocks' first left edge being
    // `left`, with the rule between it and the block before.
    void drawBlockHeader(int block, int left, int y);
    int captionHeight() const;
    void drawCaption(int x, int y);

    QString m_caption;
    QFont m_captionFont;
};
