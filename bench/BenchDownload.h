#pragma once

// The download of one long run from a simulated instrument in another process,
// timed step by step: the records next to the time their bytes take on the
// line, the header, then the save to a data file and its reopening. Shared by
// the models' download benchmarks.

#include "BenchSupport.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceFactory.h"
#include "Experiment.h"
#include "ExperimentFactory.h"
#include "FileFactory.h"
#include "Results.h"
#include "VfFile.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

// Wall-clock and CPU time of one step, printed when it ends.
class BenchStep
{
public:
    explicit BenchStep(const QString &name)
        : m_name(name)
        , m_cpu(BenchClock::cpuSeconds())
    {
        m_wall.start();
    }
    ~BenchStep()
    {
        QTextStream(stdout) << QStringLiteral("%1: wall %2 s, cpu %3 s\n")
                                   .arg(m_name, -28)
                                   .arg(m_wall.elapsed() / 1000.0, 0, 'f', 3)
                                   .arg(BenchClock::cpuSeconds() - m_cpu, 0, 'f', 3);
    }

private:
    QString m_name;
    double m_cpu;
    QElapsedTimer m_wall;
};

// Seconds that the record replies and their requests take at 1000000 baud
// (ten bits a byte). Each record came as "\r\n+VFRDXP: <text>\r\n"; each
// block of records ends "\r\nOK\r\n" after its request.
inline double lineSeconds(const QList<QByteArray> &records)
{
    qint64 bytes = 0;
    for (const QByteArray &record : records)
        bytes += record.size() + 4;
    const int blocks = (records.size() + Device::RecordBlockSize - 1) / Device::RecordBlockSize;
    bytes += blocks * (8 + 25);
    return bytes * 10.0 / 1000000.0;
}

// Downloads run 1 of `records` samples from a simulated `model`, saves it to
// "long<extension>" and reopens it. 0 when every step worked.
inline int benchDownloadSaveReopen(const QString &model, int records)
{
    QTextStream(stdout) << "=== " << model << ", " << records << " records\n";
    SimulatorProcess simulator({QStringLiteral("--model"), model, QStringLiteral("--runs"),
                                QStringLiteral("1"), QStringLiteral("--records"),
                                QString::number(records)});
    Device probed;
    if (simulator.port().isEmpty() || probed.open(simulator.port()) != 0 ||
        probed.readIdentity() != 0) {
        QTextStream(stderr) << "simulated instrument did not answer\n";
        return 1;
    }
    std::unique_ptr<Device> device(DeviceFactory::create(&probed));
    if (!device || device->readServiceConfig() != 0) {
        QTextStream(stderr) << "no " << model << " behind " << simulator.port() << "\n";
        return 1;
    }

    const QList<QObject *> list = device->readExperimentList();
    auto *entry = list.isEmpty() ? nullptr : qobject_cast<Experiment *>(list.first());
    std::unique_ptr<Experiment> run(ExperimentFactory::create(model));
    if (!entry || !run) {
        QTextStream(stderr) << "no run listed\n";
        return 1;
    }
    run->setDeviceName(model);
    run->copyHeader(entry);
    device->clearExperimentList();
    QList<QByteArray> lines;
    const double cpuBefore = BenchClock::cpuSeconds();
    {
        BenchStep step(QStringLiteral("records"));
        lines = device->readExperimentData(run.get());
    }
    const double hostSeconds = BenchClock::cpuSeconds() - cpuBefore;
    const double onTheLine = lineSeconds(lines);
    QTextStream(stdout) << "line time of the same bytes:  " << QString::number(onTheLine, 'f', 3)
                        << " s\n"
                        << "host CPU as a share of it:    "
                        << QString::number(100.0 * hostSeconds / qMax(onTheLine, 1e-9), 'f', 1)
                        << " %\n";
    {
        BenchStep step(QStringLiteral("parse records and header"));
        if (run->parseRecords(lines) != 0) {
            QTextStream(stderr) << "records refused\n";
            return 1;
        }
        run->setResults(device->readExperimentHeader(run.get()));
    }
    if (run->logs().size() != records || !run->results()) {
        QTextStream(stderr) << "download failed\n";
        return 1;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("long"));
    std::unique_ptr<VfFile> saved(FileFactory::createByName(model, path));
    {
        BenchStep step(QStringLiteral("save"));
        const QByteArray content = DataFileEnvelope::encode(
            DataFileEnvelope::document(QStringLiteral("bench"), device->toJson(), {run->toJson()}));
        if (!saved || VfFile::write(path, content) != 0) {
            QTextStream(stderr) << "save failed\n";
            return 1;
        }
    }
    QTextStream(stdout) << "file size: " << QFileInfo(path).size() << " bytes\n";
    {
        BenchStep step(QStringLiteral("reopen"));
        std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
        if (!file || !file->open(QIODevice::ReadOnly))
            return 1;
        const QByteArray content = file->readAll();
        std::unique_ptr<Device> reader(file->readHeader(content));
        Experiment *reopened = reader ? file->parse(content) : nullptr;
        const bool whole = reopened && reopened->logs().size() == records;
        if (reopened)
            reopened->deleteChain();
        if (!whole) {
            QTextStream(stderr) << "reopen failed, status " << file->status() << "\n";
            return 1;
        }
    }
    QTextStream(stdout) << "peak memory: " << QString::number(BenchClock::peakMegabytes(), 'f', 1)
                        << " MB\n";
    return 0;
}
