#include "QuillonReportRun.h"

#include "Experiment.h"
#include "PrinterFactory.h"
#include "RunDownload.h"
#include "SimulatedQuillonLink.h"
#include "VfPrinter.h"
#include "models/quillon/QuillonResults.h"

#include <QJsonDocument>
#include <QUrl>
#include <memory>

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
    return RunDownload::downloadWithRecords(link.device.get(), link.instrument(), listed,
                                            full.records);
}

Experiment *QuillonReportRun::make(int index, int records, const QDateTime &start)
{
    return make(index, records, start, SimulatedQuillonRuns::header(index, records));
}

QJsonObject QuillonReportRun::everySection(const QString &fileName)
{
    return only(fileName, {"ckbTable",
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
                           "ckbCsv"});
}

Experiment *QuillonReportRun::chain(const QList<SimulatedQuillonRuns::Header> &headers, int records,
                                    const QDateTime &start)
{
    Experiment *head = nullptr;
    for (int i = 0; i < headers.size(); ++i) {
        Experiment *run = make(i + 1, records, start.addSecs(3600 * i), headers.at(i));
        if (!run) {
            if (head)
                head->deleteChain();
            return nullptr;
        }
        if (head)
            head->append(run);
        else
            head = run;
    }
    return head;
}

void QuillonReportRun::setExposures(Experiment *head, const QStringList &times)
{
    int i = 0;
    for (Experiment *run = head; run; run = run->next(), ++i) {
        if (auto *results = qobject_cast<QuillonResults *>(run->results()))
            results->refreshExposureComponent({{"exposureTime", times.value(i)}});
    }
    if (head && head->results())
        head->results()->applyExposureComponents(head);
}

QJsonObject QuillonReportRun::only(const QString &fileName, const QStringList &switches)
{
    QJsonObject options{{"fileName", QUrl::fromLocalFile(fileName).toString()}};
    for (const QString &key : switches)
        options.insert(key, true);
    return options;
}

int QuillonReportRun::writeReport(const QJsonObject &options, Experiment *head,
                                  const CalibrationCertificate &calibration)
{
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(QStringLiteral("QUILLON")));
    if (!printer)
        return -99;
    printer->setProductName(QStringLiteral("QUILLON"));
    printer->setSn(QStringLiteral("Q-000042"));
    printer->setCalibration(calibration);
    printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
    printer->setExperiment(head);
    const int result = printer->print();
    if (result == 0 && printer->endPainting() != 0)
        return -1;
    return result;
}
