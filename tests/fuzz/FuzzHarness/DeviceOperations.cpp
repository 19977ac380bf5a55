#include "DeviceOperations.h"

#include "CalibrationCertificate.h"
#include "Device.h"
#include "DeviceConfig.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "ExperimentFactory.h"
#include "Log.h"
#include "Results.h"
#include "ResultsFactory.h"
#include "RunDownload.h"
#include "Schedule.h"

#include <memory>

namespace {

std::unique_ptr<Experiment> runOf(Device *device, int index, int size)
{
    std::unique_ptr<Experiment> run(ExperimentFactory::create(device->productName()));
    if (!run)
        run.reset(new Experiment);
    run->setDeviceName(device->productName());
    run->setIndex(index);
    run->setSize(size);
    return run;
}

void touchSchedules(Device *device)
{
    for (const Schedule *schedule : device->scheduleList())
        schedule->toJson();
}

void readList(Device *device)
{
    for (QObject *object : device->readExperimentList())
        qobject_cast<Experiment *>(object)->toJson();
    device->clearExperimentList();
}

// The download road of Core: the list, then the first run's records and
// header pages.
void download(Device *device)
{
    const QList<QObject *> list = device->readExperimentList();
    if (!list.isEmpty()) {
        Experiment *run = nullptr;
        if (RunDownload::download(device, qobject_cast<Experiment *>(list.first()), &run) == 0)
            run->toJson();
        delete run;
    }
    device->clearExperimentList();
}

void readRecords(Device *device, int size)
{
    std::unique_ptr<Experiment> run = runOf(device, 1, size);
    if (run->parseRecords(device->readExperimentData(run.get())) == 0)
        run->toJson();
}

void readCommonHeader(Device *device)
{
    std::unique_ptr<Results> results(ResultsFactory::create(device->productName()));
    if (!results)
        results.reset(new Results);
    device->readCommonHeader(results.get(), 1);
    results->toJson();
}

void readHeader(Device *device)
{
    std::unique_ptr<Experiment> run = runOf(device, 1, 0);
    std::unique_ptr<Results> results(device->readExperimentHeader(run.get()));
    if (results)
        results->toJson();
}

void readConfig(Device *device)
{
    device->readConfig();
    if (device->config())
        device->config()->toJson();
}

void writeCommon(Device *device)
{
    device->setClock(parseDeviceDateTime(QStringLiteral("21/10/29,14:20:02-12")));
    device->eraseMemory();
    CalibrationCertificate certificate;
    certificate.setCertification(QStringLiteral("Cert 0001"));
    certificate.setDate(parseDeviceDateTime(QStringLiteral("21/10/29,14:20:02+00")));
    device->writeCalibration(certificate);
}

} // namespace

const QList<DeviceOperation> &DeviceOperations::all()
{
    static const QList<DeviceOperation> operations = {
        {QStringLiteral("identity"), [](Device *device, int) { device->readIdentity(); }},
        {QStringLiteral("calibration"),
         [](Device *device, int) {
             device->readCalibration();
             device->calibration().toJson();
         }},
        {QStringLiteral("run list"), [](Device *device, int) { readList(device); }},
        {QStringLiteral("download"), [](Device *device, int) { download(device); }},
        {QStringLiteral("records"), readRecords},
        {QStringLiteral("common header"), [](Device *device, int) { readCommonHeader(device); }},
        {QStringLiteral("service configuration"),
         [](Device *device, int) { device->readServiceConfig(); }},
        {QStringLiteral("configuration"), [](Device *device, int) { readConfig(device); }},
        {QStringLiteral("schedules"),
         [](Device *device, int) {
             device->readSchedules();
             touchSchedules(device);
         }},
        {QStringLiteral("header pages"), [](Device *device, int) { readHeader(device); }},
        {QStringLiteral("configuration written back"),
         [](Device *device, int) {
             device->readServiceConfig();
             readConfig(device);
             device->writeConfig();
         }},
        {QStringLiteral("schedules written back"),
         [](Device *device, int) {
             device->readSchedules();
             device->writeSchedules();
         }},
        {QStringLiteral("clock, erase and calibration writes"),
         [](Device *device, int) { writeCommon(device); }},
    };
    return operations;
}
