#include "Kestrum4Printer.h"

#include "Experiment.h"
#include "Kestrum4Experiment.h"
#include "Kestrum4Results.h"
#include "KestrumCsv.h"
#include "VfCsvFile.h"
#include "VfFullPageTable.h"
#include "VfReportText.h"

#include <QPainter>

#include <cmath>
#include <memory>

namespace {

const char *const kResultKeys[] = {"ckbWetTempResults", "ckbDryTempResults", "ckbGlobeTempResults",
                                   "ckbIBUTGiResults", "ckbIBUTGeResults"};
// "Partial results" columns, in the order they are packed from the left.
const int kResultOrder[] = {KestrumReading::Dry, KestrumReading::Wet, KestrumReading::Globe,
                            KestrumReading::WbgtIndoor, KestrumReading::WbgtOutdoor};
constexpr int kResultSlots = 5;

// A mean or extreme of a board: two whole digits at least, two decimals.
QString boardValue(double value)
{
    return std::isfinite(value) ? VfPrinter::zeroPaddedNumber(value, 2, 2) : VfReportText::absent();
}

} // namespace

Kestrum4Printer::Kestrum4Printer()
    : KestrumPrinter(tr("Kestrum 4 Report"))
{
}

Kestrum4Printer::~Kestrum4Printer()
{
    qDeleteAll(m_boardTables);
}

void Kestrum4Printer::readOwnOptions(const QJsonObject &options)
{
    m_ckbResults = options.value(QStringLiteral("ckbResults")).toBool();
    for (int q = 0; q < KestrumReading::QuantityCount; ++q)
        m_resultColumns[size_t(q)] = options.value(QLatin1String(kResultKeys[q])).toBool();
}

Kestrum4Results *Kestrum4Printer::results() const
{
    return m_experiment ? qobject_cast<Kestrum4Results *>(m_experiment->results()) : nullptr;
}

QString Kestrum4Printer::unity() const
{
    const Kestrum4Results *r = results();
    return r ? r->header().unity : QString();
}

int Kestrum4Printer::boardCount() const
{
    const Kestrum4Results *r = results();
    return r ? r->boardCount() : 1;
}

// ------------------------------------------------------------ print sequence

int Kestrum4Printer::print()
{
    if (!m_experiment || beginPainting() != 0)
        return -1;
    measureBottomBand();
    m_contentTop = m_cursorY = drawTopBand();
    m_sectionPages = measurePages([this] {
        drawFirstPage();
        for (int board = 0; board < boardCount(); ++board) {
            startPage();
            drawBoardSections(board);
        }
    });
    const bool tables = tablesWanted();
    createTable(tables);

    drawFirstPage();
    m_footerHeight = drawBottomBand();
    for (int board = 0; board < boardCount(); ++board) {
        startPage();
        drawBoardSections(board);
        m_footerHeight = drawBottomBand();
        if (tables && printTable(takeBoardTable(board)) != 0)
            return -1;
    }
    writeCsv();
    return 0;
}

void Kestrum4Printer::createTable(bool withTables)
{
    m_pageCount = m_sectionPages;
    if (!withTables)
        return;
    // Each table is built and measured once: printing takes it.
    qDeleteAll(m_boardTables);
    m_boardTables.clear();
    for (int board = 0; board < boardCount(); ++board) {
        m_boardTables.append(createBoardTable(m_experiment, board));
        m_pageCount += tablePages(m_boardTables.last());
    }
}

VfFullPageTable *Kestrum4Printer::takeBoardTable(int board)
{
    VfFullPageTable *counted = m_boardTables.value(board);
    if (!counted)
        return createBoardTable(m_experiment, board);
    m_boardTables[board] = nullptr;
    return counted;
}

void Kestrum4Printer::drawFirstPage()
{
    drawIdentificationBlock(QDateTime());
    placeSection([this] { drawExperimentSection(); });
    placeSection([this] { drawEvaluationResults(); });
    placeNotes();
    placeSection([this] { drawSignatureLine(); });
}

void Kestrum4Printer::drawBoardSections(int board)
{
    placeSection([this, board] { drawDeviceInfo(board); });
    placeSection([this, board] { drawPartialResults(board); });
    placeSection([this, board] {
        drawChartSection(KestrumReadings::ofKestrum4(m_experiment, board), unity());
    });
}

// ------------------------------------------------------------ first page

void Kestrum4Printer::drawExperimentSection()
{
    const Kestrum4Results *r = results();
    m_cursorY += m_spacing;
    const int top = openSection(tr("Experiment"));
    m_painter->setFont(m_labelFont);
    m_cursorY += drawDateLine(m_experiment->dateTime(), m_inset, m_cursorY);
    m_cursorY = drawTimes(r ? r->header() : KestrumRunHeader(), m_cursorY) + m_spacing;
    closeSection(top);
}

void Kestrum4Printer::drawEvaluationResults()
{
    const Kestrum4Results *r = results();
    const QList<Kestrum4WbgtMean> means = r ? r->wbgtList() : QList<Kestrum4WbgtMean>();
    QList<Column> columns{
        {tr("Instrument index")}, {tr("Instrument Model")}, {tr("WBGTi")}, {tr("WBGTo")}};
    for (int board = 0; board < boardCount(); ++board) {
        const bool known = board < means.size();
        columns[0].append(QString::number(board + 1));
        columns[1].append(board == 0 ? tr("KESTRUM 4") : tr("EXP. KESTRUM 4"));
        columns[2].append(known ? boardValue(means.at(board).WBGTiMed()) : VfReportText::absent());
        columns[3].append(known ? boardValue(means.at(board).WBGToMed()) : VfReportText::absent());
    }
    drawColumnsSection(tr("Evaluation results"), columns);
}

// ------------------------------------------------------------ board pages

void Kestrum4Printer::drawDeviceInfo(int board)
{
    const Kestrum4Results *r = results();
    const QList<Kestrum4ExpansionBoard> boards =
        r ? r->expansionBoardList() : QList<Kestrum4ExpansionBoard>();
    const bool known = board == 0 || board - 1 < boards.size();
    QString product;
    CalibrationCertificate certificate;
    if (board == 0) {
        product = tr("KESTRUM 4") + QLatin1Char('(') + storedText(m_sn) + QLatin1Char(')');
        certificate = m_calibration;
    } else {
        const QString serial = known ? boards.at(board - 1).SN() : QString();
        product = tr("EXP. KESTRUM 4") + QLatin1Char('(') + storedText(serial) + QLatin1Char(')');
        if (known)
            certificate = boards.at(board - 1).calibration();
    }
    Column lines{product};
    if (calibrationEnabled()) {
        const QDate date = certificate.date().date();
        lines.append(tr("Cal. cert.") + QStringLiteral(": ") +
                     storedText(certificate.certification()) + QLatin1Char(' ') +
                     (date.isValid() ? dateText(date) : VfReportText::absent()));
    }
    drawColumnsSection(tr("Device info"), {lines}, false);
    m_cursorY += m_spacing;
}

void Kestrum4Printer::drawPartialResults(int board)
{
    if (!m_ckbResults || !KestrumChart::anyShown(m_resultColumns))
        return;
    const Kestrum4Results *r = results();
    const QList<Kestrum4MaxMinTemperatures> extremes =
        r ? r->maxMinTemperatures() : QList<Kestrum4MaxMinTemperatures>();
    const QList<Kestrum4WbgtMean> means = r ? r->wbgtList() : QList<Kestrum4WbgtMean>();
    const Kestrum4MaxMinTemperatures extreme =
        board < extremes.size() ? extremes.at(board) : Kestrum4MaxMinTemperatures();
    const Kestrum4WbgtMean mean = board < means.size() ? means.at(board) : Kestrum4WbgtMean();

    const QString unit = unity();
    QList<Column> columns;
    for (int q : kResultOrder) {
        if (!m_resultColumns[size_t(q)])
            continue;
        switch (q) {
        case KestrumReading::Dry:
            columns.append(extremesColumn(tr("Dry bulb"), unit, extreme.dryTMax(),
                                          extreme.dryTMin(), boardValue));
            break;
        case KestrumReading::Wet:
            columns.append(extremesColumn(tr("Wet bulb"), unit, extreme.wetTMax(),
                                          extreme.wetTMin(), boardValue));
            break;
        case KestrumReading::Globe:
            columns.append(extremesColumn(tr("Globe"), unit, extreme.globeTMax(),
                                          extreme.globeTMin(), boardValue));
            break;
        case KestrumReading::WbgtIndoor:
            columns.append(meanColumn(tr("WBGTi"), unit, mean.WBGTiMed(), boardValue));
            break;
        default:
            columns.append(meanColumn(tr("WBGTo"), unit, mean.WBGToMed(), boardValue));
            break;
        }
    }
    // The columns are packed from the left, each a fifth of the width.
    while (columns.size() < kResultSlots)
        columns.append(Column());
    drawColumnsSection(tr("Partial results"), columns);
}

// ------------------------------------------------------------ sample tables

QList<VfSubSuperScript *> Kestrum4Printer::tableHeader(Experiment *)
{
    return readingsHeader(unity());
}

QStringList Kestrum4Printer::temperatureSubscripts() const
{
    return {tr("wet"), tr("dry"), tr("globe")};
}

VfFullPageTable *Kestrum4Printer::createBoardTable(Experiment *run, int board)
{
    return readingsTable(KestrumReadings::ofKestrum4(run, board), unity());
}

// ------------------------------------------------------------ CSV

void Kestrum4Printer::writeCsv()
{
    if (!csvEnabled())
        return;
    VfCsvFile file;
    for (Experiment *run = m_experiment->first(); run; run = run->next()) {
        if (!qobject_cast<Kestrum4Experiment *>(run))
            break;
        appendRunToCsv(file, run);
    }
    saveCsv(file);
}

void Kestrum4Printer::appendRunToCsv(VfCsvFile &file, Experiment *run) const
{
    const auto *r = qobject_cast<const Kestrum4Results *>(run->results());
    const QString unit = r ? r->header().unity : QString();
    const int boards = r ? r->boardCount() : 1;
    const QStringList titles{tr("Wet bulb"), tr("Dry bulb"), tr("Globe"), tr("WBGTi"), tr("WBGTo")};
    KestrumCsv::appendHeading(file,
                              tr("Event") + QLatin1Char(' ') + QString::number(run->position()));
    for (int board = 0; board < boards; ++board) {
        KestrumCsv::appendHeading(file, board == 0 ? tr("Main")
                                                   : tr("Expansion") + QLatin1Char(' ') +
                                                         QString::number(board));
        KestrumCsv::appendTitle(file, titles, unit);
        KestrumCsv::appendSamples(file, KestrumReadings::ofKestrum4(run, board));
    }
    KestrumCsv::appendHeading(file, QString());
}
