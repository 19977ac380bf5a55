#include "ReportWords.h"

#include "VfPrinter.h"

#include <QJsonDocument>
#include <QPainter>

bool ReportWords::print(VfPrinter *printer, const QJsonObject &options, Experiment *head, int page)
{
    printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
    printer->setExperiment(head);
    if (printer->print() != 0)
        return false;
    m_windowWidth = printer->painter()->window().width();
    const double pixelsPerPoint = printer->resolution() / 72.0;
    if (printer->endPainting() != 0)
        return false;
    m_words.clear();
    for (PdfText::Word word : PdfText::words(printer->reportFileName(), page)) {
        word.box = QRectF(word.box.topLeft() * pixelsPerPoint, word.box.size() * pixelsPerPoint);
        m_words.append(word);
    }
    return !m_words.isEmpty();
}

PdfText::Word ReportWords::word(const QString &text, int occurrence) const
{
    return PdfText::occurrences(m_words, text).value(occurrence);
}
