#include "RumoReportChain.h"

#include "Experiment.h"
#include "RunDownload.h"
#include "SimulatedLink.h"
#include "SimulatedRumo.h"
#include "models/rumo/Rumo.h"

#include <QJsonArray>
#include <QUrl>

Experiment *RumoReportChain::download(const QList<int> &records, const QDateTime &start,
                                      const QList<SimulatedRumoRuns::Header> &headers)
{
    SimulatedLink link;
    SimulatedRumo::install(link.instrument.get());
    for (int i = 0; i < records.size(); ++i) {
        const SimulatedRumoRuns::Header header =
            i < headers.size() ? headers.at(i) : SimulatedRumoRuns::sensorHeader(i + 1);
        link.instrument->addRun(
            SimulatedRumoRuns::makeRun(i + 1, records.at(i), start.addDays(i), header));
    }
    link.device->setProductName(QStringLiteral("RUMO"));
    Rumo device(link.device.get());
    Experiment *head = nullptr;
    const QList<QObject *> list = device.readExperimentList();
    for (QObject *entry : list) {
        Experiment *run = nullptr;
        if (RunDownload::download(&device, qobject_cast<Experiment *>(entry), &run) != 0) {
            if (head)
                head->deleteChain();
            head = nullptr;
            break;
        }
        if (head)
            head->append(run);
        else
            head = run;
    }
    device.clearExperimentList();
    return head;
}

QJsonObject RumoReportChain::everySection(const QString &fileName)
{
    // Eight quantities, more than any simulated sensor has: a report of any
    // run leaves out those the run lacks.
    const QJsonArray quantities{0, 1, 2, 3, 4, 5, 6, 7};
    QJsonObject options{{"fileName", QUrl::fromLocalFile(fileName).toString()},
                        {"selectedTableColumnsList", quantities},
                        {"selectedChartsList", quantities}};
    for (const char *key : {"ckbMaxMin", "ckbAvg", "ckbCalibration", "ckbTable", "ckbChart",
                            "collectorInfoEnable", "ownCompanyInfoEnable", "repInfoEnable",
                            "repIdInfoEnable", "cmpnyInfoEnable", "siteInfoEnable", "obsEnable"})
        options.insert(QLatin1String(key), true);
    return options;
}
