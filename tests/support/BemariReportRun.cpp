#include "BemariReportRun.h"

#include "Experiment.h"
#include "RunDownload.h"
#include "SimulatedBemari.h"
#include "SimulatedLink.h"
#include "models/bemari/Bemari.h"
#include "models/bemari/BemariPlus.h"

#include <QUrl>
#include <memory>

Experiment *BemariReportRun::make(int records, const QDateTime &start,
                                  const SimulatedBemariRuns::Header &header)
{
    const int index = 1;
    const SimulatedInstrument::Run full =
        SimulatedBemariRuns::makeRun(index, records, start, header);
    // Only one record goes over the link; the header pages are the full run's.
    SimulatedInstrument::Run listed = SimulatedBemariRuns::makeRun(index, 1, start, header);
    listed.pages = full.pages;

    // The instrument is never silent here: a generous idle time-out keeps a
    // busy machine from cutting a reply short.
    SimulatedLink link(5000);
    const QByteArray product = header.plus ? "BEMARI+" : "BEMARI";
    SimulatedBemari::install(link.instrument.get(), product);
    link.device->setProductName(QString::fromLatin1(product));
    std::unique_ptr<SoundLevelMeter> meter;
    if (header.plus)
        meter = std::make_unique<BemariPlus>(link.device.get());
    else
        meter = std::make_unique<Bemari>(link.device.get());
    return RunDownload::downloadWithRecords(meter.get(), *link.instrument, listed, full.records);
}

QJsonObject BemariReportRun::everySection(const QString &fileName, bool plus)
{
    QJsonObject options{{"fileName", QUrl::fromLocalFile(fileName).toString()},
                        {"audCertified", "CAL-200 cert. 5531"},
                        {"obsText", "Measured at the loading dock."}};
    QStringList keys{"ckbTable",
                     "cmpnyInfoEnable",
                     "siteInfoEnable",
                     "emplInfoEnable",
                     "ownCompanyInfoEnable",
                     "collectorInfoEnable",
                     "repInfoEnable",
                     "repIdInfoEnable",
                     "obsEnable",
                     "ckbChartLvl",
                     "ckbLeqZ",
                     "ckbLeqA",
                     "ckbLeqC",
                     "ckbCalField",
                     "ckbPreChk",
                     "ckbPosChk",
                     "ckbCalLab",
                     "ckbCalAudLab"};
    if (plus)
        keys << "ckbResZ"
             << "ckbResA"
             << "ckbResC"
             << "ckbMaxMinZ"
             << "ckbMaxMinA"
             << "ckbMaxMinC"
             << "ckbStatistics";
    else
        keys << "ckbChartLeq";
    for (const QString &key : qAsConst(keys))
        options.insert(key, true);
    return options;
}
