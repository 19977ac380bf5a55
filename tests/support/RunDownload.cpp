#include "RunDownload.h"

#include "Device.h"
#include "Experiment.h"
#include "ExperimentFactory.h"
#include "Log.h"
#include "LogFactory.h"
#include "Results.h"

#include <memory>

int RunDownload::download(Device *device, const Experiment *entry, Experiment **run)
{
    *run = nullptr;
    std::unique_ptr<Experiment> made(ExperimentFactory::create(device->productName()));
    if (!made)
        return -1;
    made->setDeviceName(device->productName());
    made->copyHeader(entry);
    const QList<QByteArray> records = device->readExperimentData(made.get());
    if (device->linkError())
        return -3;
    if (records.isEmpty() || made->parseRecords(records) != 0)
        return -1;
    Results *results = device->readExperimentHeader(made.get());
    if (device->linkError()) {
        delete results;
        return -3;
    }
    if (!results)
        return -1;
    made->setResults(results);
    *run = made.release();
    return 0;
}

Experiment *RunDownload::downloadWithRecords(Device *device, SimulatedInstrument &instrument,
                                             const SimulatedInstrument::Run &listed,
                                             const QList<QByteArray> &records)
{
    instrument.addRun(listed);
    const QList<QObject *> list = device->readExperimentList();
    Experiment *run = nullptr;
    const int result =
        list.isEmpty() ? -1 : download(device, qobject_cast<Experiment *>(list.first()), &run);
    device->clearExperimentList();
    if (result != 0)
        return nullptr;
    QList<Log *> logs;
    logs.reserve(records.size());
    for (const QByteArray &record : records) {
        Log *log = LogFactory::create(device->productName());
        if (log)
            log->parseRecord(record);
        logs.append(log);
    }
    logs.removeAll(nullptr);
    run->setLogs(logs);
    run->setSize(records.size());
    return run;
}
