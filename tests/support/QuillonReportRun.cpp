#include "QuillonReportRun.h"

#include "Experiment.h"
#include "RunDownload.h"
#include "SimulatedQuillonLink.h"
#include "models/quillon/QuillonLog.h"

#include <QUrl>

Experiment *QuillonReportRun::make(int index, int records, const QDateTime &start,
                                   const SimulatedQuillonRuns::Header &header)
{
    const SimulatedInstrument::Run full =
        SimulatedQuillonRuns::makeRun(index, records, start, header);
    // Only one record goes over the link; the header is the full run's.
    SimulatedInstrument::Run listed = SimulatedQuillonRuns::makeRun(index, 1, start, header);
    listed.pages = full.pages;

    // The instrument is never silent here: a generous idle time-out keeps a
    // busy machine from cutting a reply short.
    SimulatedQuillonLink link(5000);
    link.instrument().addRun(listed);
    const QList<QObject *> list = link.device->readExperimentList();
    Experiment *run = nullptr;
    const int result = list.isEmpty()
                           ? -1
                           : RunDownload::download(link.device.get(),
                                                   qobject_cast<Experiment *>(list.first()), &run);
    link.device->clearExperimentList();
    if (result != 0)
        return nullptr;

    QList<Log *> logs;
    logs.reserve(full.records.size());
    for (const QByteArray &record : full.records) {
        auto *log = new QuillonLog;
        log->parseRecord(record);
        logs.append(log);
    }
    run->setLogs(logs);
    run->setSize(records);
    return run;
}

Experiment *QuillonReportRun::make(int index, int records, const QDateTime &start)
{
    return make(index, records, start, SimulatedQuillonRuns::header(index, records));
}

QJsonObject QuillonReportRun::everySection(const QString &fileName)
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
                            "ckbCalibration",
                            "ckbChart",
                            "ckbOctaves",
                            "ckbAv",
                            "ckbAre",
                            "ckbAren",
                            "ckbAxisVDV",
                            "ckbA8",
                            "ckbAreFinal",
                            "ckbArenFinal",
                            "ckbAxisA8Final",
                            "ckbVDVFinal",
                            "ckbAxisVDVFinal",
                            "ckbA8Final",
                            "ckbCFDetail",
                            "ckbPeakDetail",
                            "ckbMTVVDetail",
                            "ckbAvgDetail",
                            "ckbMinDetail",
                            "ckbMaxDetail",
                            "ckbSensDetail",
                            "ckbAvgRDetail",
                            "ckbAxisVDVDetail",
                            "ckbAxisVDVexpDetail",
                            "ckbVDVRDetail",
                            "ckbA8Detail",
                            "ckbAreDetail",
                            "ckbArenDetail",
                            "ckbCsv"})
        options.insert(QLatin1String(key), true);
    return options;
}
