// Times the download of a long "RUMO" run (28,800 samples of five quantities,
// each sample a date line and five value lines) from a simulated logger in
// another process: the record transfer next to the time the same bytes need
// on the line at 1000000 baud, the cutting of the lines into samples, the
// header pages, and the save and reopen of the run as a ".rmx" file. The CPU
// time is this process's own.

#include "BenchSupport.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceFactory.h"
#include "Experiment.h"
#include "ExperimentFactory.h"
#include "FileFactory.h"
#include "Results.h"
#include "VfFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

namespace {

// The simulator's second run is its ambient sensor, with five quantities.
const int kRunIndex = 2;
const int kQuantities = 5;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString(argv[1]).toInt() : 28800;
    SimulatorProcess simulator({"--model", "RUMO", "--runs", QString::number(kRunIndex),
                                "--records", QString::number(records)});
    Device probed;
    if (simulator.port().isEmpty() || probed.open(simulator.port()) != 0 ||
        probed.readIdentity() != 0) {
        QTextStream(stderr) << "simulated instrument did not answer\n";
        return 1;
    }
    std::unique_ptr<Device> device(DeviceFactory::create(&probed));
    const QList<QObject *> list = device ? device->readExperimentList() : QList<QObject *>();
    if (list.size() != kRunIndex) {
        QTextStream(stderr) << "no RUMO runs behind " << simulator.port() << "\n";
        return 1;
    }
    std::unique_ptr<Experiment> run(ExperimentFactory::create(device->productName()));
    run->setDeviceName(device->productName());
    run->copyHeader(qobject_cast<Experiment *>(list.last()));
    device->clearExperimentList();

    QList<QByteArray> lines;
    double recordCpu = 0;
    {
        BenchStep step("download records");
        BenchClock clock;
        lines = device->readExperimentData(run.get());
        recordCpu = clock.cpuSecondsUsed();
    }
    if (lines.size() != records * (kQuantities + 1)) {
        QTextStream(stderr) << "downloaded " << lines.size() << " lines\n";
        return 1;
    }
    {
        BenchStep step("cut into samples");
        if (run->parseRecords(lines) != 0 || run->logs().size() != records) {
            QTextStream(stderr) << "samples not read\n";
            return 1;
        }
    }
    {
        BenchStep step("header pages 1 to 8");
        Results *results = device->readExperimentHeader(run.get());
        if (!results) {
            QTextStream(stderr) << "header not read\n";
            return 1;
        }
        run->setResults(results);
    }

    // The reply bytes as the instrument framed them ("\r\n" before each line,
    // "\r\n" after it, the final OK of each block) and the commands sent.
    qint64 bytes = 0;
    for (const QByteArray &line : qAsConst(lines))
        bytes += line.size() + 3;
    const int blocks = (records + Device::RecordBlockSize - 1) / Device::RecordBlockSize;
    bytes += blocks * (8 + 25);
    const double lineSeconds = bytes * 10.0 / 1000000.0;
    QTextStream out(stdout);
    out << "samples: " << records << " of " << kQuantities << " quantities, " << lines.size()
        << " lines in " << blocks << " blocks, about " << bytes << " bytes\n";
    out << "line time at 1000000 baud: " << QString::number(lineSeconds, 'f', 3) << " s\n";
    out << "record transfer CPU / line time: "
        << QString::number(100.0 * recordCpu / lineSeconds, 'f', 1) << " %\n";
    lines.clear();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.rmx"));
    {
        BenchStep step("save");
        const QByteArray content = DataFileEnvelope::encode(
            DataFileEnvelope::document(QStringLiteral("bench"), device->toJson(), {run->toJson()}));
        if (VfFile::write(path, content) != 0) {
            QTextStream(stderr) << "save failed\n";
            return 1;
        }
    }
    out << "file size: " << QFileInfo(path).size() << " bytes\n";
    {
        BenchStep step("reopen");
        std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
        if (!file || !file->open(QIODevice::ReadOnly))
            return 1;
        const QByteArray content = file->readAll();
        std::unique_ptr<Device> reader(file->readHeader(content));
        Experiment *reopened = reader ? file->parse(content) : nullptr;
        if (!reopened || reopened->logs().size() != records) {
            QTextStream(stderr) << "reopen failed, status " << file->status() << "\n";
            return 1;
        }
        reopened->deleteChain();
    }
    out << "peak memory: " << QString::number(BenchClock::peakMegabytes(), 'f', 1) << " MB\n";
    return 0;
}
