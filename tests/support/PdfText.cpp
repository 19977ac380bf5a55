#include "PdfText.h"

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

#include <algorithm>

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

QList<PdfText::Word> PdfText::words(const QString &file, int page)
{
    const QString number = QString::number(page);
    const QString html = output(QStringLiteral("pdftotext"),
                                {QStringLiteral("-bbox"), QStringLiteral("-f"), number,
                                 QStringLiteral("-l"), number, file, QStringLiteral("-")});
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                       "yMax=\"([\\d.]+)\">([^<]*)</word>"));
    QList<Word> words;
    auto match = word.globalMatch(html);
    while (match.hasNext()) {
        const QRegularExpressionMatch m = match.next();
        const QPointF topLeft(m.captured(1).toDouble(), m.captured(2).toDouble());
        const QPointF bottomRight(m.captured(3).toDouble(), m.captured(4).toDouble());
        QString text = m.captured(5);
        text.replace(QLatin1String("&lt;"), QLatin1String("<"))
            .replace(QLatin1String("&gt;"), QLatin1String(">"))
            .replace(QLatin1String("&quot;"), QLatin1String("\""))
            .replace(QLatin1String("&amp;"), QLatin1String("&"));
        words.append({text, QRectF(topLeft, bottomRight)});
    }
    return words;
}

QList<PdfText::Word> PdfText::occurrences(const QList<Word> &words, const QString &text)
{
    QList<Word> found;
    for (const Word &word : words) {
        if (word.text == text)
            found.append(word);
    }
    std::sort(found.begin(), found.end(), [](const Word &a, const Word &b) {
        return qFuzzyCompare(a.box.top(), b.box.top()) ? a.box.left() < b.box.left()
                                                       : a.box.top() < b.box.top();
    });
    return found;
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

QStringList PdfText::checkedPages(const QString &file)
{
    const QStringList all = pages(file);
    if (all.size() != pageCount(file))
        return {};
    const QString fault = pageNumberFault(all);
    if (!fault.isEmpty()) {
        qWarning("%s", qPrintable(fault));
        return {};
    }
    return all;
}

int PdfText::inkAboveBottomRule(const QString &file, int page, const QString &prefix)
{
    const QString number = QString::number(page);
    if (QProcess::execute(QStringLiteral("pdftoppm"), {"-f", number, "-l", number, "-r", "60",
                                                       "-gray", "-png", file, prefix}) != 0)
        return -2;
    // pdftoppm pads the page number to the width of the last page's.
    QImage image;
    for (int width = 1; width <= 4 && image.isNull(); ++width)
        image.load(prefix + QLatin1Char('-') + number.rightJustified(width, QLatin1Char('0')) +
                   QStringLiteral(".png"));
    if (image.isNull())
        return -2;
    image = image.convertToFormat(QImage::Format_Grayscale8);
    // Rows drawn dark across most of the page's width: frames and rules.
    QList<int> lines;
    for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            dark += row[x] < 128 ? 1 : 0;
        if (dark > image.width() / 2)
            lines.append(y);
    }
    if (lines.size() < 3)
        return -2;
    const int rule = lines.last();
    int frame = -1;
    for (int y : lines) {
        if (y < rule - 1)
            frame = y;
    }
    if (frame < 0)
        return -2;
    for (int y = frame + 2; y < rule - 1; ++y) {
        const uchar *row = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            if (row[x] < 128)
                return y;
        }
    }
    return -1;
}

void PdfText::keepIfAsked(QTemporaryDir &dir)
{
    if (!qEnvironmentVariableIsSet("VALTRIX_KEEP_REPORTS"))
        return;
    dir.setAutoRemove(false);
    qInfo("Reports in %s", qPrintable(dir.path()));
}
