#pragma once

#include "VfTable.h"

// A small text-only table drawn where the report cursor stands: one header
// row of plain titles and the body rows, centred across the page, with no
// page breaks. The first column holds the row labels, bold and left-aligned.
class VfNormalTable : public VfTable
{
    Q_OBJECT

public:
    explicit VfNormalTable(QPainter *painter);

    // Plain column titles; call after setRows. A list whose length is not the
    // column count is refused and leaves a blank header row.
    void setHeaderTitles(QStringList titles);

public slots:
    void setRows(QList<VfTableRow> rows) override;
    // Draws the table centred across the page from y; gives the y just below
    // it, or 0 (and draws nothing) when it is wider than the page.
    int draw(int x, int y) override;
    int drawHeader(int x, int y) override;
    int drawRow(QStringList cells, int rowHeight, int x, int y) override;

protected:
    CellStyle cellStyle(int column) const override;
};
