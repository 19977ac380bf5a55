#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A CSV export written beside a report: every cell in double quotes (a quote
// inside a cell is doubled), cells separated by ";", lines ended by "\r\n",
// the whole file in ISO 8859-1. The text is collected in memory and written
// in one step, so that the file is written whole or not at all.
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

    // Writes the collected lines to `fileName`, replacing it only when every
    // byte was written. False on failure, with the reason in `error`.
    bool save(const QString &fileName, QString *error = nullptr) const;

    static QString quoted(const QString &cell);

private:
    QByteArray m_bytes;
};
