#include "VfCsvFile.h"

#include <QTextCodec>

namespace {

QByteArray latin1(const QString &text)
{
    static QTextCodec *codec = QTextCodec::codecForName("ISO 8859-1");
    return codec->fromUnicode(text);
}

} // namespace

QString VfCsvFile::besidePdf(const QString &pdfFileName)
{
    static const QString pdf = QStringLiteral(".pdf");
    if (pdfFileName.endsWith(pdf))
        return pdfFileName.left(pdfFileName.size() - pdf.size()) + QStringLiteral(".csv");
    return pdfFileName + QStringLiteral(".csv");
}

QString VfCsvFile::quoted(const QString &cell)
{
    QString text = cell;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

void VfCsvFile::appendCells(const QStringList &cells, LineEnd end)
{
    QStringList quotedCells;
    quotedCells.reserve(cells.size());
    for (const QString &cell : cells)
        quotedCells.append(quoted(cell));
    QString line = quotedCells.join(QLatin1Char(';'));
    if (end == TrailingSeparator)
        line += QLatin1Char(';');
    appendLine(line);
}

void VfCsvFile::appendLine(const QString &text)
{
    m_bytes += latin1(text);
    m_bytes += "\r\n";
}
