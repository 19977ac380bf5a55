#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A CSV export written beside a report: every cell in double quotes (a quote
// inside a cell is doubled), cells separated by ";", lines ended by "\r\n",
// the whole file in ISO 8859-1. The text is collected in memory; the report
// writes it whole, after its PDF (VfPrinter::writeBesidePdf).
class VfCsvFile
{
public:
    // Whether a line ends with a ";" after its last cell.
    enum LineEnd
    {
        NoTrailingSeparator,
        TrailingSeparator
    };

    // The CSV that belongs beside `pdfFileName`: its final ".pdf" becomes
    // ".csv"; a name without that ending gets ".csv" appended.
    static QString besidePdf(const QString &pdfFileName);

    // One line of quoted cells.
    void appendCells(const QStringList &cells, LineEnd end = NoTrailingSeparator);
    // One line as it stands (no quoting), for separators and blank lines.
    void appendLine(const QString &text);

    QByteArray bytes() const { return m_bytes; }

    static QString quoted(const QString &cell);

private:
    QByteArray m_bytes;
};
