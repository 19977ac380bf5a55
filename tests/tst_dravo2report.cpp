#include "DataFileEnvelope.h"
#include "DeviceDateTime.h"
#include "Dravo2ReportRun.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "PdfText.h"
#include "PrinterFactory.h"
#include "RunDownload.h"
#include "SimulatedDravo2Link.h"
#include "VfFile.h"
#include "VfPrinter.h"
#include "models/dravo2/Dravo2File.h"
#include "models/dravo2/Dravo2Results.h"

#include <QDesktopServices>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

namespace {

using Header = SimulatedDravo2Runs::Header;

struct ChainDeleter
{
    void operator()(Experiment *head) const
    {
        if (head)
            head->deleteChain();
    }
};
using Chain = std::unique_ptr<Experiment, ChainDeleter>;

QDateTime start()
{
    return parseDeviceDateTime("24/05/17,08:30:00+00");
}

// Every switch of the dosimeter report set, and the identification texts.
QJsonObject allOn(const QString &fileName)
{
    QJsonObject options{
        {"fileName", QUrl::fromLocalFile(fileName).toString()},
        {"cmpnyName", "Acme Foundry"},
        {"siteName", "Casting hall"},
        {"emplName", "Paul Worker"},
        {"ownCompany", "Hygiene Lab Ltd"},
        {"collectorName", "Carla Collector"},
        {"repName", "Rita Reporter"},
        {"repIdReg", "RG-4471"},
        {"obsText", "Windows were open during the afternoon."},
        {"audCertified", "CAL-200 cert. 5531"},
    };
    for (const char *key : {"ckbTable",
                            "cmpnyInfoEnable",
                            "siteInfoEnable",
                            "emplInfoEnable",
                            "ownCompanyInfoEnable",
                            "collectorInfoEnable",
                            "repInfoEnable",
                            "repIdInfoEnable",
                            "obsEnable",
                            "ckbChartLvl",
                            "ckbChartLeq",
                            "ckbLeqZ",
                            "ckbLeqA",
                            "ckbLeqC",
                            "ckbChartHisto",
                            "ckbHearingProtector",
                            "ckbDos1DosiCfg",
                            "ckbDos2DosiCfg",
                            "ckbDosUSERDosiCfg",
                            "ckbImpact",
                            "ckbCalField",
                            "ckbPreCal",
                            "ckbPosCal",
                            "ckbCalLab",
                            "ckbCalAudLab"})
        options.insert(QLatin1String(key), true);
    return options;
}

QString text(const QJsonObject &options)
{
    return QString::fromUtf8(QJsonDocument(options).toJson());
}

QJsonObject hearingProtector()
{
    QJsonObject data{{"datatype", "hearingprotect"},
                     {"hearProtectMfc", "EarSafe"},
                     {"hearProtectModel", "Muff 300"},
                     {"hearProtectCANumber", "CA-12345"},
                     {"hearingProtectorType", "Earmuffs"},
                     {"stdApplied", "ISO 4869-1"},
                     {"stdNumber", 2},
                     {"NPS", 91.37},
                     {"NPSp", 72.84}};
    const char *const bands[] = {"125", "250", "500", "1000", "2000", "4000", "8000"};
    for (int i = 0; i < 7; ++i) {
        data.insert(QLatin1String("nps") + QLatin1String(bands[i]), 70.11 + i);
        data.insert(QLatin1String("npsp") + QLatin1String(bands[i]), 50.22 + i);
        data.insert(QLatin1String("att") + QLatin1String(bands[i]), 20.33 + i);
        data.insert(QLatin1String("desv") + QLatin1String(bands[i]), 1.44 + i);
    }
    return data;
}

// Stands in for the desktop's viewer.
class UrlCatcher : public QObject
{
    Q_OBJECT
public:
    UrlCatcher() { QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "open"); }
    ~UrlCatcher() override { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls.append(url); }
};

// Drives the dosimeter's printer as Core does; the print result.
int writeReport(const QJsonObject &options, Experiment *head,
                const CalibrationCertificate &calibration = CalibrationCertificate())
{
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(QStringLiteral("DRAVO 2")));
    if (!printer)
        return -99;
    printer->setProductName(QStringLiteral("DRAVO 2"));
    printer->setSn(QStringLiteral("D2-000123"));
    printer->setCalibration(calibration);
    printer->setReportOptions(text(options));
    printer->setExperiment(head);
    const int result = printer->print();
    if (result == 0) {
        printer->endPainting();
        printer->openReport();
    }
    return result;
}

// "k of N" of every page: N is the same everywhere and k counts the pages.
QString pageNumberFault(const QStringList &pages)
{
    static const QRegularExpression footer(QStringLiteral("(\\d+) of (\\d+)\\s*$"));
    for (int k = 0; k < pages.size(); ++k) {
        const QRegularExpressionMatch match = footer.match(pages.at(k));
        if (!match.hasMatch())
            return QStringLiteral("page %1 has no page number").arg(k + 1);
        if (match.captured(1).toInt() != k + 1 || match.captured(2).toInt() != pages.size())
            return QStringLiteral("page %1 of %2 says %3")
                .arg(k + 1)
                .arg(pages.size())
                .arg(match.captured(0));
    }
    return QString();
}

} // namespace

// The "Dosimeter Noise Report" of downloaded and reopened runs, read back
// from the PDF with poppler's tools.
class TestDravo2Report : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<UrlCatcher> m_viewer;

    QString pdf(const QString &name) const { return m_dir.filePath(name + ".pdf"); }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        // VALTRIX_KEEP_REPORTS keeps the PDFs for a look at the pages.
        if (qEnvironmentVariableIsSet("VALTRIX_KEEP_REPORTS")) {
            m_dir.setAutoRemove(false);
            qInfo("Reports in %s", qPrintable(m_dir.path()));
        }
        QLocale::setDefault(QLocale::c());
        m_viewer = std::make_unique<UrlCatcher>();
        if (!PdfText::toolsAvailable())
            QSKIP("poppler-utils are not installed");
    }

    void everySectionOfADownloadedRun()
    {
        Chain run(Dravo2ReportRun::make(10, start()));
        QVERIFY(run);
        run->results()->refreshGeneralData(hearingProtector());
        CalibrationCertificate calibration;
        calibration.setCertification(QStringLiteral("LAB-7781"));
        calibration.setDate(QDateTime(QDate(2024, 2, 1), QTime(12, 0)));
        m_viewer->urls.clear();
        const QString file = pdf("all");
        QCOMPARE(writeReport(allOn(file), run.get(), calibration), 0);
        QCOMPARE(m_viewer->urls, QList<QUrl>{QUrl::fromLocalFile(file)});

        const QStringList pages = PdfText::pages(file);
        QCOMPARE(pages.size(), 3);
        QCOMPARE(PdfText::pageCount(file), 3);
        QVERIFY2(pageNumberFault(pages).isEmpty(), qPrintable(pageNumberFault(pages)));

        auto *r = qobject_cast<Dravo2Results *>(run->results());
        QStringList first{"Dosimeter Noise Report @ DRAVO 2 SN: D2-000123",
                          "Company evaluated: Acme Foundry",
                          "Site/Area: Casting hall",
                          "Employee: Paul Worker",
                          "Working hours [hh:mm]: 08:00",
                          "Valuation company: Hygiene Lab Ltd",
                          "Collected by: Carla Collector",
                          "Date: " + VfPrinter::dateText(start().toLocalTime().date()),
                          "Configuration",
                          "Freq. weighting curve: C",
                          "Time weighting: Fast",
                          "Threshold level [dB]: 75",
                          "Criterion level [dB]: 90",
                          "Exchange rate [dB]: 4",
                          "Evaluation results",
                          "Duration: 00:00:10",
                          "Pause time: 00:10:00",
                          "Dosimeter NHO-01",
                          "Dosimeter NR-15",
                          "Dosimeter OWN",
                          "Dose [%]: 62.50",
                          "Dose [%]: 40.00",
                          "Dose [%]: 12.30",
                          "Leq [dB]: 82.96",
                          "Lavg [dB]: 79.10",
                          "Leq [dB]: 78.30",
                          "TWA [dB]: 82.96",
                          "TWA [dB]: 78.41",
                          "TWA [dB]: 77.90",
                          "115 dB peaks occurrence: 4",
                          "Calibration",
                          "Field cal. @ 1kHz",
                          "Pre check [dB]: 94.00",
                          "Pos check [dB]: 93.90",
                          "Desviate [dB]: 0.10",
                          "Laboratory calibration",
                          "Dosimeter: LAB-7781 " + VfPrinter::dateText(QDate(2024, 2, 1)),
                          "Sound calibrator: CAL-200 cert. 5531",
                          "Charts",
                          "Noise level x Time",
                          "Histogram",
                          "Time [min]",
                          "Noise [dB]",
                          "Notes",
                          "Windows were open during the afternoon.",
                          "Rita Reporter",
                          "ID: RG-4471"};
        // The values that depend on the working hours, as the results hold them.
        for (const QString &value : {r->dailyDoseDos1(), r->dailyDoseDos2(), r->dailyDoseDosUSER()})
            first.append("Daily dose [%]: " + value);
        for (const QString &value : {r->neDos1(), r->neDos2(), r->neDosUSER()})
            first.append("EL [dB]: " + value);
        for (const QString &value : {r->nenDos1(), r->nenDos2(), r->nenDosUSER()})
            first.append("NEL [dB]: " + value);
        for (const QString &line : qAsConst(first))
            QVERIFY2(pages.at(0).contains(line), qPrintable(line + "\n" + pages.at(0)));

        const QStringList second{"Hearing protector evaluation",
                                 "Manufacturer: EarSafe",
                                 "Model: Muff 300",
                                 "C.A.: CA-12345",
                                 "Std. applied: ISO 4869-1",
                                 "Type: Earmuffs",
                                 "Total SPL [dB(A)]: 91.37",
                                 "Total SPLp [dB(A)]: 72.84",
                                 "Octave bands",
                                 "Frequency [Hz]"};
        for (const QString &line : second)
            QVERIFY2(pages.at(1).contains(line), qPrintable(line + "\n" + pages.at(1)));
        const QString bandRows[] = {"70.11 +71.11 +72.11 +73.11 +74.11 +75.11 +76.11",
                                    "20.33 +21.33 +22.33 +23.33 +24.33 +25.33 +26.33",
                                    "1.44 +2.44 +3.44 +4.44 +5.44 +6.44 +7.44",
                                    "50.22 +51.22 +52.22 +53.22 +54.22 +55.22 +56.22"};
        for (const QString &row : bandRows)
            QVERIFY2(pages.at(1).contains(QRegularExpression(row)), qPrintable(row));

        for (const char *line : {"Idx", "D/T", "L [dB]", "001", "010"})
            QVERIFY2(pages.at(2).contains(QLatin1String(line)), line);
    }

    // Each part of the report is left out with its switch, and the pages
    // still count right.
    void eachSectionOnlyWithItsSwitch_data()
    {
        QTest::addColumn<QStringList>("off");
        QTest::addColumn<QStringList>("gone");
        QTest::addColumn<QStringList>("kept");
        const QStringList none;
        QTest::newRow("company") << QStringList{"cmpnyInfoEnable"}
                                 << QStringList{"Company evaluated"} << QStringList{"Site/Area"};
        QTest::newRow("site") << QStringList{"siteInfoEnable"} << QStringList{"Site/Area"}
                              << QStringList{"Employee"};
        QTest::newRow("employee") << QStringList{"emplInfoEnable"} << QStringList{"Employee"}
                                  << QStringList{"Working hours"};
        QTest::newRow("own company")
            << QStringList{"ownCompanyInfoEnable"} << QStringList{"Valuation company"}
            << QStringList{"Collected by"};
        QTest::newRow("collector") << QStringList{"collectorInfoEnable"}
                                   << QStringList{"Collected by"} << QStringList{"Date:"};
        QTest::newRow("dosimeter 2")
            << QStringList{"ckbDos2DosiCfg"} << QStringList{"NR-15", "Lavg"}
            << QStringList{"Configuration", "Dosimeter NHO-01", "Dosimeter OWN"};
        QTest::newRow("no dosimeter")
            << QStringList{"ckbDos1DosiCfg", "ckbDos2DosiCfg", "ckbDosUSERDosiCfg"}
            << QStringList{"Configuration", "Evaluation results", "Duration", "115 dB"}
            << QStringList{"Calibration"};
        QTest::newRow("peaks") << QStringList{"ckbImpact"} << QStringList{"115 dB peaks"}
                               << QStringList{"TWA [dB]"};
        QTest::newRow("pre check")
            << QStringList{"ckbPreCal"} << QStringList{"Pre check", "Desviate"}
            << QStringList{"Pos check"};
        QTest::newRow("pos check")
            << QStringList{"ckbPosCal"} << QStringList{"Pos check", "Desviate"}
            << QStringList{"Pre check"};
        QTest::newRow("laboratory") << QStringList{"ckbCalLab", "ckbCalAudLab"}
                                    << QStringList{"Laboratory calibration", "Sound calibrator"}
                                    << QStringList{"Field cal. @ 1kHz"};
        QTest::newRow("no calibration")
            << QStringList{"ckbPreCal", "ckbPosCal", "ckbCalLab", "ckbCalAudLab"}
            << QStringList{"Calibration", "Field cal."} << QStringList{"Charts"};
        QTest::newRow("level chart")
            << QStringList{"ckbChartLvl"} << QStringList{"Noise level x Time"}
            << QStringList{"Histogram"};
        QTest::newRow("histogram") << QStringList{"ckbChartHisto"} << QStringList{"Histogram"}
                                   << QStringList{"Noise level x Time"};
        QTest::newRow("no charts") << QStringList{"ckbChartLvl", "ckbChartHisto"}
                                   << QStringList{"Charts"} << QStringList{"Notes"};
        QTest::newRow("notes") << QStringList{"obsEnable"}
                               << QStringList{"Notes", "Windows were open"}
                               << QStringList{"Rita Reporter"};
        QTest::newRow("signer") << QStringList{"repInfoEnable"} << QStringList{"Rita Reporter"}
                                << QStringList{"ID: RG-4471"};
        QTest::newRow("signer id") << QStringList{"repIdInfoEnable"} << QStringList{"RG-4471"}
                                   << QStringList{"Rita Reporter"};
        QTest::newRow("hearing protector")
            << QStringList{"ckbHearingProtector"} << QStringList{"Hearing protector"}
            << QStringList{"Octave bands"};
        QTest::newRow("octave page") << QStringList{"ckbChartLeq"} << QStringList{"Octave bands"}
                                     << QStringList{"Hearing protector evaluation"};
        QTest::newRow("no weighting")
            << QStringList{"ckbLeqZ", "ckbLeqA", "ckbLeqC"} << QStringList{"Octave bands"}
            << QStringList{"Hearing protector evaluation"};
        QTest::newRow("no second page")
            << QStringList{"ckbHearingProtector", "ckbChartLeq"}
            << QStringList{"Hearing protector", "Octave bands"} << QStringList{"D/T"};
        QTest::newRow("table") << QStringList{"ckbTable"} << QStringList{"D/T", "Idx"}
                               << QStringList{"Octave bands"};
    }

    void eachSectionOnlyWithItsSwitch()
    {
        QFETCH(QStringList, off);
        QFETCH(QStringList, gone);
        QFETCH(QStringList, kept);
        Chain run(Dravo2ReportRun::make(10, start()));
        QVERIFY(run);
        run->results()->refreshGeneralData(hearingProtector());
        QJsonObject options = allOn(pdf(QTest::currentDataTag()));
        for (const QString &key : qAsConst(off))
            options.insert(key, false);
        const QString file = pdf(QTest::currentDataTag());
        QCOMPARE(writeReport(options, run.get()), 0);
        const QStringList pages = PdfText::pages(file);
        QVERIFY(!pages.isEmpty());
        QCOMPARE(pages.size(), PdfText::pageCount(file));
        QVERIFY2(pageNumberFault(pages).isEmpty(), qPrintable(pageNumberFault(pages)));
        const QString all = pages.join(QLatin1Char('\f'));
        for (const QString &line : qAsConst(gone))
            QVERIFY2(!all.contains(line), qPrintable(line));
        for (const QString &line : qAsConst(kept))
            QVERIFY2(all.contains(line), qPrintable(line));
    }
};

QTEST_MAIN(TestDravo2Report)
#include "tst_dravo2report.moc"
