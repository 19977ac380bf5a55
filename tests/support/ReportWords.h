#pragma once

#include "PdfText.h"

#include <QJsonObject>
#include <QList>

class Experiment;
class VfPrinter;

// The words of a report page as its printer laid them out: boxes in pixels
// of the painter's window, so that a test can hold them against the
// printer's own layout arithmetic.
class ReportWords
{
public:
    // Prints `head` through `printer` with `options` into the options' file
    // and reads page `page` back; false when printing or reading failed.
    bool print(VfPrinter *printer, const QJsonObject &options, Experiment *head, int page = 1);

    // The width of the painter's window the page was laid out in.
    int windowWidth() const { return m_windowWidth; }
    // Occurrence `occurrence` of `text`, top to bottom then left to right;
    // an empty word when there are fewer.
    PdfText::Word word(const QString &text, int occurrence = 0) const;

private:
    QList<PdfText::Word> m_words;
    int m_windowWidth = 0;
};
