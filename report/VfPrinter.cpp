#include "VfPrinter.h"

#include <QPainter>

VfPrinter::VfPrinter(QPrinter::PrinterMode mode)
    : QPrinter(mode)
    , m_painter(new QPainter)
{
}
VfPrinter::~VfPrinter()
{
    if (m_painter->isActive())
        m_painter->end();
    delete m_painter;
}
void VfPrinter::registerReportFonts() {}
QFont VfPrinter::reportFont(const QString &family, int pixelSize, int weight, bool italic)
{
    QFont f(family, -1, weight, italic);
    f.setPixelSize(pixelSize);
    return f;
}
void VfPrinter::applyReportFonts(QtCharts::QChart *, int) {}
QString VfPrinter::pdfCreator()
{
    return QString();
}
int VfPrinter::beginPainting()
{
    return m_painter->begin(this) ? 0 : -1;
}
int VfPrinter::endPainting()
{
    m_painter->end();
    return 0;
}
int VfPrinter::setOutputFile(QString name)
{
    setOutputFileName(name);
    return 1;
}
void VfPrinter::openReport() {}
int VfPrinter::drawTopBand()
{
    return 0;
}
int VfPrinter::drawBottomBand()
{
    return 0;
}
void VfPrinter::measureBottomBand() {}
int VfPrinter::finishPage()
{
    return 0;
}
int VfPrinter::drawDateLine(const QDateTime &, int, int)
{
    return 0;
}
int VfPrinter::drawDateLineShort(int, int)
{
    return 0;
}
void VfPrinter::drawParagraph(const QString &) {}
void VfPrinter::drawSectionFrame(int, int) {}
void VfPrinter::drawNotes() {}
void VfPrinter::drawSignatureLine() {}
int VfPrinter::printRunTable(Experiment *)
{
    return 0;
}
void VfPrinter::setAxisRange(QtCharts::QValueAxis *) {}
QString VfPrinter::zeroPaddedNumber(double, int, int)
{
    return QString();
}
void VfPrinter::setReportOptions(QString json)
{
    readCommonOptions(json);
}
void VfPrinter::createTable(bool) {}
VfTable *VfPrinter::createRunTable(Experiment *)
{
    return nullptr;
}
QList<VfSubSuperScript *> VfPrinter::tableHeader(Experiment *)
{
    return {};
}
QList<QString> VfPrinter::tableExtraList(Experiment *)
{
    return {};
}
QList<VfTableRow> VfPrinter::tableRow(Experiment *)
{
    return {};
}
void VfPrinter::drawPageEnd(int) {}
int VfPrinter::drawTextAt(QString, int, int, QRect)
{
    return 0;
}
int VfPrinter::drawLabelValue(QString, QString, int, int, QRect)
{
    return 0;
}
int VfPrinter::drawLabelValueAt(QString, QString, int, int, int, int, QRect)
{
    return 0;
}
void VfPrinter::newTablePage() {}
void VfPrinter::finishTablePage() {}
bool VfPrinter::readCommonOptions(const QString &, QJsonObject *)
{
    return false;
}
int VfPrinter::textHeight(const QString &, const QRect &, int) const
{
    return 0;
}
