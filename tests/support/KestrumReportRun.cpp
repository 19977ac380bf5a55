#include "KestrumReportRun.h"

#include "Core.h"
#include "Device.h"
#include "Experiment.h"
#include "ExperimentFactory.h"
#include "PrinterFactory.h"
#include "Results.h"
#include "ResultsFactory.h"
#include "SimulatedModels.h"
#include "SimulatedSelection.h"
#include "TestIdle.h"
#include "VfPrinter.h"
#include "models/kestrum/Kestrum2Results.h"
#include "models/kestrum/Kestrum4Results.h"

#include <QJsonDocument>
#include <QUrl>
#include <memory>

namespace {

QByteArray page(const SimulatedInstrument::Run &texts, int number)
{
    return "+VFXPHDR: " + texts.pages.value(number) + "\n";
}

bool readPages(Results *results, const SimulatedInstrument::Run &texts)
{
    if (auto *k2 = qobject_cast<Kestrum2Results *>(results)) {
        if (k2->parseHeader1(page(texts, 1)) != 0 || k2->parseHeader2(page(texts, 2)) != 0 ||
            k2->parseHeader3(page(texts, 3)) != 0)
            return false;
    } else if (auto *k4 = qobject_cast<Kestrum4Results *>(results)) {
        if (k4->parseHeaderPage1(page(texts, 1)) != 0 ||
            k4->parseHeaderPage2(page(texts, 2)) != 0 ||
            k4->parseHeaderPage3(page(texts, 3)) != 0 || k4->parseHeaderPage4(page(texts, 4)) != 0)
            return false;
    } else {
        return false;
    }
    QByteArray eight = page(texts, 8);
    return results->parseCommonHeader(eight) == 0;
}

} // namespace

Experiment *KestrumReportRun::make(const QString &productName,
                                   const SimulatedInstrument::Run &texts)
{
    std::unique_ptr<Experiment> run(ExperimentFactory::create(productName));
    std::unique_ptr<Results> results(ResultsFactory::create(productName));
    if (!run || !results || run->parseListEntry(texts.listEntry) != 0)
        return nullptr;
    run->setDeviceName(productName);
    if (run->parseRecords(texts.records) != 0 || !readPages(results.get(), texts))
        return nullptr;
    run->setResults(results.release());
    return run.release();
}

QJsonObject KestrumReportRun::everySection(const QString &productName, const QString &fileName)
{
    QJsonObject options{{"fileName", QUrl::fromLocalFile(fileName).toString()}};
    QStringList keys{"ckbTable",
                     "cmpnyInfoEnable",
                     "siteInfoEnable",
                     "ownCompanyInfoEnable",
                     "collectorInfoEnable",
                     "repInfoEnable",
                     "repIdInfoEnable",
                     "obsEnable",
                     "ckbChart",
                     "ckbCsv",
                     "ckbCalibration"};
    for (const char *quantity : {"WetTemp", "DryTemp", "GlobeTemp", "IBUTGi", "IBUTGe"}) {
        keys.append(QStringLiteral("ckb%1Table").arg(QLatin1String(quantity)));
        keys.append(QStringLiteral("ckb%1Chart").arg(QLatin1String(quantity)));
        if (productName == QLatin1String("KESTRUM 4"))
            keys.append(QStringLiteral("ckb%1Results").arg(QLatin1String(quantity)));
    }
    if (productName == QLatin1String("KESTRUM 4"))
        keys.append(QStringLiteral("ckbResults"));
    else
        keys.append({QStringLiteral("ckbMaxMin"), QStringLiteral("ckbAvg")});
    for (const QString &key : qAsConst(keys))
        options.insert(key, true);
    const QJsonObject texts{{"cmpnyName", "Acme Foundry"},
                            {"siteName", "Casting hall"},
                            {"ownCompany", "Hygiene Lab Ltd"},
                            {"collectorName", "Carla Collector"},
                            {"repName", "Rita Reporter"},
                            {"repIdReg", "RG-4471"},
                            {"obsText", "Furnace doors were open in the afternoon."}};
    for (auto it = texts.begin(); it != texts.end(); ++it)
        options.insert(it.key(), it.value());
    return options;
}

QJsonObject KestrumReportRun::switchesOn(const QString &fileName, const QStringList &on)
{
    QJsonObject options{{"fileName", fileName}};
    for (const QString &key : on)
        options.insert(key, true);
    return options;
}

QString KestrumReportRun::optionsText(const QJsonObject &options)
{
    return QString::fromUtf8(QJsonDocument(options).toJson());
}

int KestrumReportRun::print(const QString &productName, const QJsonObject &options, Experiment *run,
                            int *pageCount)
{
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(productName));
    if (!printer)
        return -99;
    printer->setProductName(productName);
    printer->setSn(QStringLiteral("SIM0001"));
    CalibrationCertificate calibration;
    calibration.setCertification(QStringLiteral("LAB-7781"));
    calibration.setDate(QDateTime(QDate(2021, 2, 1), QTime(12, 0)));
    printer->setCalibration(calibration);
    printer->setReportOptions(optionsText(options));
    printer->setExperiment(run);
    int result = printer->print();
    if (result == 0 && printer->endPainting() != 0)
        result = -98;
    if (pageCount)
        *pageCount = printer->pageCount();
    return result;
}

bool KestrumReportRun::downloadAndOpen(const QString &productName,
                                       const SimulatedInstrument::Run &texts,
                                       const QString &dataFile, Core &downloaded, Core &opened)
{
    SimulatedInstrument instrument;
    if (!installSimulatedModel(instrument, productName.toLatin1()))
        return false;
    instrument.addRun(texts);
    if (!selectSimulatedInstrument(downloaded, instrument, productName.toLatin1(),
                                   TestIdle::QuietLinkMs))
        return false;
    if (downloaded.findExperiments() != 0 || downloaded.createExperiment("[0]") != 0 ||
        downloaded.saveExperimentToFile(dataFile) != 0)
        return false;
    const QString extension = productName == QLatin1String("KESTRUM 4") ? ".ks4" : ".ksm";
    opened.parseFile(QUrl::fromLocalFile(dataFile + extension).toString());
    return !opened.experiment().isEmpty();
}
