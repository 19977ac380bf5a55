#pragma once

#include <QDate>
#include <QStringList>

// One row of a report table: the texts of its cells, one per column, and the
// calendar day of the sample (a full-page table starts a date block when the
// day changes). A plain value.
class VfTableRow
{
public:
    VfTableRow() = default;
    explicit VfTableRow(const QStringList &cells)
        : m_cells(cells)
    {
    }
    VfTableRow(const QStringList &cells, const QDate &date)
        : m_cells(cells)
        , m_date(date)
    {
    }

    QStringList cells() const { return m_cells; }
    void setCells(const QStringList &cells) { m_cells = cells; }
    QDate date() const { return m_date; }
    void setDate(const QDate &date) { m_date = date; }

    // The text of cell `column`, empty past the end of a short row.
    QString cell(int column) const { return m_cells.value(column); }

private:
    QStringList m_cells;
    QDate m_date;
};
