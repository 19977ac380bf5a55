#include "Kestrum2Printer.h"

#include "Experiment.h"
#include "Kestrum2Results.h"
#include "KestrumCsv.h"
#include "VfCsvFile.h"
#include "VfReportText.h"

Kestrum2Printer::Kestrum2Printer()
    : KestrumPrinter(tr("Kestrum 2 Report"))
{
}

void Kestrum2Printer::readOwnOptions(const QJsonObject &options)
{
    m_ckbMaxMin = options.value(QStringLiteral("ckbMaxMin")).toBool();
    m_ckbAvg = options.value(QStringLiteral("ckbAvg")).toBool();
}

Kestrum2Results *Kestrum2Printer::results() const
{
    return m_experiment ? qobject_cast<Kestrum2Results *>(m_experiment->results()) : nullptr;
}

QString Kestrum2Printer::unity() const
{
    const Kestrum2Results *r = results();
    return r ? r->unity() : QString();
}

// ------------------------------------------------------------ print sequence

int Kestrum2Printer::print()
{
    if (!m_experiment || beginPainting() != 0)
        return -1;
    measureBottomBand();
    m_contentTop = m_cursorY = drawTopBand();
    m_sectionPages = measurePages([this] { drawSections(); });
    const bool tables = tablesWanted();
    createTable(tables);
    drawSections();
    m_footerHeight = drawBottomBand();
    if (tables && printRunTable(m_experiment) != 0)
        return -1;
    writeCsv();
    return 0;
}

void Kestrum2Printer::drawSections()
{
    drawIdentificationBlock(m_experiment->dateTime());
    placeSection([this] { drawExperimentSection(); });
    placeSection([this] { drawEvaluationResults(); });
    placeSection([this] { drawCalibration(); });
    placeSection([this] { drawChartSection(KestrumReadings::ofKestrum2(m_experiment), unity()); });
    placeNotes();
    placeSection([this] { drawSignatureLine(); });
}

void Kestrum2Printer::createTable(bool withTable)
{
    m_pageCount = m_sectionPages;
    if (withTable && m_experiment)
        m_pageCount += runTablePages(m_experiment);
}

// ------------------------------------------------------------ sections

void Kestrum2Printer::drawExperimentSection()
{
    const Kestrum2Results *r = results();
    const int top = openSection(tr("Experiment"));
    m_cursorY = drawTimes(r ? r->header() : KestrumRunHeader(), m_cursorY) + m_spacing;
    closeSection(top);
}

void Kestrum2Printer::drawEvaluationResults()
{
    const Kestrum2Results *r = results();
    if (!(m_ckbMaxMin || m_ckbAvg) || !r)
        return;
    const QString unit = r->unity();
    QList<Column> columns;
    if (m_ckbMaxMin) {
        columns.append(
            extremesColumn(tr("Dry temp"), unit, r->dry_T_Max(), r->dry_T_Min(), twoDecimals));
        columns.append(
            extremesColumn(tr("Wet temp"), unit, r->wet_T_Max(), r->wet_T_Min(), twoDecimals));
        columns.append(extremesColumn(tr("Globe temp"), unit, r->globe_T_Max(), r->globe_T_Min(),
                                      twoDecimals));
    }
    if (m_ckbAvg) {
        columns.append(meanColumn(tr("WBGTo"), unit, r->IBUTGe_T_Med(), twoDecimals));
        columns.append(meanColumn(tr("WBGTi"), unit, r->IBUTGi_T_Med(), twoDecimals));
    }
    drawColumnsSection(tr("Evaluation results"), columns);
}

void Kestrum2Printer::drawCalibration()
{
    if (!calibrationEnabled())
        return;
    const QDate date = m_calibration.date().date();
    drawColumnsSection(tr("Calibration"),
                       {Column{tr("Cal. cert.") + QStringLiteral(": ") +
                               storedText(m_calibration.certification()) + QLatin1Char(' ') +
                               (date.isValid() ? dateText(date) : VfReportText::absent())}},
                       false);
}

// ------------------------------------------------------------ sample table

QList<VfSubSuperScript *> Kestrum2Printer::tableHeader(Experiment *)
{
    return readingsHeader(unity());
}

QList<VfTableRow> Kestrum2Printer::tableRow(Experiment *run)
{
    return readingsRows(KestrumReadings::ofKestrum2(run), tableColumns());
}

// ------------------------------------------------------------ CSV

void Kestrum2Printer::writeCsv()
{
    if (!csvEnabled())
        return;
    VfCsvFile file;
    KestrumCsv::appendTitle(
        file, {tr("Wet temp"), tr("Dry temp"), tr("Globe temp"), tr("WBGTi"), tr("WBGTo")},
        unity());
    KestrumCsv::appendSamples(file, KestrumReadings::ofKestrum2(m_experiment));
    saveCsv(file);
}
