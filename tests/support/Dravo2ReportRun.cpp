#include "Dravo2ReportRun.h"

#include "Experiment.h"
#include "RunDownload.h"
#include "SimulatedDravo2Link.h"

#include <QUrl>

Experiment *Dravo2ReportRun::make(int records, const QDateTime &start,
                                  const SimulatedDravo2Runs::Header &header)
{
    const int index = 1;
    const SimulatedInstrument::Run full =
        SimulatedDravo2Runs::makeRun(index, records, start, header);
    // Only a few records go over the link; the header pages are the full run's.
    SimulatedInstrument::Run listed = SimulatedDravo2Runs::makeRun(index, 1, start, header);
    listed.pages = full.pages;

    // The instrument is never silent here: a generous idle time-out keeps a
    // busy machine from cutting a reply short.
    SimulatedDravo2Link link(5000);
    SimulatedDravo2Runs::installConfiguration(link.instrument(), header);
    return RunDownload::downloadWithRecords(link.device.get(), link.instrument(), listed,
                                            full.records);
}

QJsonObject Dravo2ReportRun::everySection(const QString &fileName)
{
    QJsonObject options{{"fileName", QUrl::fromLocalFile(fileName).toString()}};
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
