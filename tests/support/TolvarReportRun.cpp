#include "TolvarReportRun.h"

#include "Experiment.h"
#include "ExperimentFactory.h"
#include "ResultsFactory.h"
#include "models/tolvar/TolvarResults.h"

#include <QUrl>
#include <memory>

Experiment *TolvarReportRun::make(SimulatedTolvarRuns::Model model, int records,
                                  const QDateTime &start, const SimulatedTolvarRuns::Header &header)
{
    const QString name = model == SimulatedTolvarRuns::Model::Tolvar4
                             ? QStringLiteral("TOLVAR 4")
                             : QStringLiteral("TOLVAR 3 PLUS");
    const SimulatedInstrument::Run texts =
        SimulatedTolvarRuns::makeRun(model, 1, records, start, header);
    std::unique_ptr<Experiment> run(ExperimentFactory::create(name));
    auto *results = qobject_cast<TolvarResults *>(ResultsFactory::create(name));
    if (!run || !results)
        return nullptr;
    run->setResults(results);
    run->setDeviceName(name);
    if (run->parseListEntry(texts.listEntry) != 0 || run->parseRecords(texts.records) != 0 ||
        results->parseHeader("+VFXPHDR: " + texts.pages.value(1) + "\n") != 0)
        return nullptr;
    run->toJson();
    return run.release();
}

QJsonObject TolvarReportRun::everySection(const QString &fileName)
{
    QJsonObject options{{"fileName", QUrl::fromLocalFile(fileName).toString()},
                        {"cmpnyName", "Acme Foundry"},
                        {"siteName", "Casting hall"},
                        {"emplName", "Ana Lima"},
                        {"position", "Moulder"},
                        {"activity", "Sand casting"},
                        {"ownCompany", "Hygiene Lab"},
                        {"collectorName", "Rui Costa"},
                        {"repName", "Eva Marques"},
                        {"repIdReg", "RS-778"},
                        {"flowCalCalibration", "FM-0042 01/02/2024"},
                        {"obsText", "Sampling during the morning shift."}};
    for (const char *key :
         {"ckbTable", "ckbStatus", "rdkPa", "ckbChartFlow", "ckbChartBackPressure", "ckbCalLab",
          "ckbPreCal", "ckbPosCal", "ckbFlowCalLab", "collectorInfoEnable", "ownCompanyInfoEnable",
          "emplInfoEnable", "repInfoEnable", "repIdInfoEnable", "positionInfoEnable",
          "activityInfoEnable", "cmpnyInfoEnable", "siteInfoEnable", "obsEnable"})
        options.insert(QLatin1String(key), true);
    return options;
}
