#pragma once

#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

class QTemporaryDir;

// What poppler's tools read from a PDF, run as processes: the page count and
// the text of a page laid out as on the page.
class PdfText
{
public:
    // False when pdftotext or pdfinfo is missing.
    static bool toolsAvailable();
    // "Pages" of pdfinfo; 0 when the file cannot be read.
    static int pageCount(const QString &file);
    // One page (from 1) through "pdftotext -layout"; empty when unreadable.
    static QString page(const QString &file, int page);
    // Every page, in order.
    static QStringList pages(const QString &file);
    // A word of a page and its box, in points from the page's top left.
    struct Word
    {
        QString text;
        QRectF box;
    };
    // The words of one page (from 1) through "pdftotext -bbox", in reading
    // order; empty when unreadable.
    static QList<Word> words(const QString &file, int page);
    // The words of `words` that read `text`, top to bottom, then left to right.
    static QList<Word> occurrences(const QList<Word> &words, const QString &text);
    // One field of pdfinfo ("Creator", "Page size"...); empty when missing.
    static QString infoField(const QString &file, const QString &field);
    // The font table of pdffonts.
    static QString fonts(const QString &file);
    // What is wrong with the "k of N" that ends each page's footer: empty when
    // k counts the pages, N is their number everywhere and no page carries a
    // second "k of N"; else the first page that says otherwise.
    static QString pageNumberFault(const QStringList &pages);
    // Every page after checking that "k of N" is right on each and N is the
    // file's page count; empty (with the fault as a warning) when not.
    static QStringList checkedPages(const QString &file);
    // The first pixel row with ink between the last frame drawn across page
    // `page` and that page's bottom band rule, rendered through pdftoppm to
    // files beginning `prefix`; -1 when there is none, -2 when the page
    // cannot be rendered or shows no frame. A section that reached into the
    // bottom band would put its frame or its text there.
    static int inkAboveBottomRule(const QString &file, int page, const QString &prefix);
    // With VALTRIX_KEEP_REPORTS set, `dir` is kept after the test for a look
    // at the pages, and its path is printed.
    static void keepIfAsked(QTemporaryDir &dir);
};
