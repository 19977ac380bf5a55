#include "RunDownload.h"

#include "Device.h"
#include "Experiment.h"
#include "ExperimentFactory.h"
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
