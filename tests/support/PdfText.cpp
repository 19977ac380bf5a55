#include "PdfText.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

namespace {

QString output(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// pdftotext -layout; ligatures come out as one character, so they are
// spelled out for comparing words.
QString layoutText(QStringList arguments)
{
    arguments.prepend(QStringLiteral("-layout"));
    arguments.append(QStringLiteral("-"));
    return output(QStringLiteral("pdftotext"), arguments)
        .replace(QChar(0xFB00), QLatin1String("ff"))
        .replace(QChar(0xFB01), QLatin1String("fi"))
        .replace(QChar(0xFB02), QLatin1String("fl"));
}

} // namespace

bool PdfText::toolsAvailable()
{
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

int PdfText::pageCount(const QString &file)
{
    static const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption);
    return pages.match(output(QStringLiteral("pdfinfo"), {file})).captured(1).toInt();
}

QString PdfText::page(const QString &file, int page)
{
    const QString number = QString::number(page);
    return layoutText({QStringLiteral("-f"), number, QStringLiteral("-l"), number, file});
}

QString PdfText::infoField(const QString &file, const QString &field)
{
    const QRegularExpression line(QStringLiteral("^%1:\\s+(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(output(QStringLiteral("pdfinfo"), {file})).captured(1).trimmed();
}

QString PdfText::fonts(const QString &file)
{
    return output(QStringLiteral("pdffonts"), {file});
}

QStringList PdfText::pages(const QString &file)
{
    // Pages end with a form feed.
    QStringList pages = layoutText({file}).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

QString PdfText::pageNumberFault(const QStringList &pages)
{
    static const QRegularExpression footer(QStringLiteral("(\\d+) of (\\d+)\\s*$"));
    static const QRegularExpression any(QStringLiteral("\\b\\d+ of \\d+\\b"));
    for (int k = 0; k < pages.size(); ++k) {
        const QRegularExpressionMatch match = footer.match(pages.at(k));
        if (!match.hasMatch())
            return QStringLiteral("page %1 has no page number").arg(k + 1);
        if (match.captured(1).toInt() != k + 1 || match.captured(2).toInt() != pages.size())
            return QStringLiteral("page %1 of %2 says %3")
                .arg(k + 1)
                .arg(pages.size())
                .arg(match.captured(0));
        if (pages.at(k).count(any) != 1)
            return QStringLiteral("page %1 has more than one page number").arg(k + 1);
    }
    return QString();
}

void PdfText::keepIfAsked(QTemporaryDir &dir)
{
    if (!qEnvironmentVariableIsSet("VALTRIX_KEEP_REPORTS"))
        return;
    dir.setAutoRemove(false);
    qInfo("Reports in %s", qPrintable(dir.path()));
}
