// Downloads the longest run a "QUILLON" records (32,400 one-second samples,
// 9 h) from a simulated vibration meter in another process, with its header
// sections, then saves it as a ".qln" file and opens it again. Prints the
// host's own CPU time of each step and compares the download's with the time
// the same bytes need on the line at 1,000,000 baud.

#include "BenchSupport.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceFactory.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "RunDownload.h"
#include "SimulatedQuillonRuns.h"
#include "VfFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <memory>

namespace {

const int kRecords = 32400;

void report(QTextStream &out, const char *step, const BenchClock &clock)
{
    out << QStringLiteral("%1 wall %2 s, cpu %3 s\n")
               .arg(QLatin1String(step), -20)
               .arg(clock.wallSeconds(), 0, 'f', 3)
               .arg(clock.cpuSecondsUsed(), 0, 'f', 3);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    SimulatorProcess simulator(
        {"--model", "QUILLON", "--runs", "1", "--records", QString::number(kRecords)});
    Device probed;
    if (simulator.port().isEmpty() || probed.open(simulator.port()) != 0 ||
        probed.readIdentity() != 0) {
        QTextStream(stderr) << "simulated instrument did not answer\n";
        return 1;
    }
    std::unique_ptr<Device> device(DeviceFactory::create(&probed));
    if (!device || device->readServiceConfig() != 0) {
        QTextStream(stderr) << "no QUILLON behind " << simulator.port() << "\n";
        return 1;
    }

    std::unique_ptr<Experiment> run;
    double downloadCpu = 0;
    {
        BenchClock clock;
        const QList<QObject *> list = device->readExperimentList();
        Experiment *downloaded = nullptr;
        const int result =
            list.isEmpty()
                ? -1
                : RunDownload::download(device.get(), qobject_cast<Experiment *>(list.first()),
                                        &downloaded);
        device->clearExperimentList();
        run.reset(downloaded);
        if (result != 0 || run->logs().size() != kRecords) {
            QTextStream(stderr) << "download failed: " << result << "\n";
            return 1;
        }
        report(out, "list and download", clock);
        downloadCpu = clock.cpuSecondsUsed();
    }

    // The bytes on the line, both ways: each block's command, its records
    // framed "\r\n+VFRDXP: ...\r\n" and its final OK, as the simulated run
    // holds them (the header sections, a few hundred bytes, left out).
    const SimulatedInstrument::Run played =
        SimulatedQuillonRuns::makeRun(1, kRecords, QDateTime::currentDateTime());
    qint64 bytes = 0;
    for (const QByteArray &record : played.records)
        bytes += QByteArray("\r\n+VFRDXP: ").size() + record.size() + 2;
    const int blocks = (kRecords + Device::RecordBlockSize - 1) / Device::RecordBlockSize;
    for (int first = 1; first <= kRecords; first += Device::RecordBlockSize) {
        const int last = qMin(kRecords, first + Device::RecordBlockSize - 1);
        bytes += QStringLiteral("AT+VFRDXP=1,%1,%2\r\n").arg(first).arg(last).size() +
                 SimulatedInstrument::ok().size();
    }
    const double lineSeconds = bytes * 10.0 / 1000000.0;
    out << "records: " << kRecords << " in " << blocks << " blocks, about " << bytes << " bytes\n";
    out << "line time at 1000000 baud: " << QString::number(lineSeconds, 'f', 3) << " s\n";
    out << "host CPU / line time: " << QString::number(100.0 * downloadCpu / lineSeconds, 'f', 1)
        << " %\n";

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.qln"));
    {
        BenchClock clock;
        const QByteArray content = DataFileEnvelope::encode(
            DataFileEnvelope::document(QStringLiteral("bench"), device->toJson(), {run->toJson()}));
        if (VfFile::write(path, content) != 0) {
            QTextStream(stderr) << "save failed\n";
            return 1;
        }
        report(out, "save", clock);
    }
    out << "file size: " << QFileInfo(path).size() << " bytes\n";
    {
        BenchClock clock;
        std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
        if (!file || !file->open(QIODevice::ReadOnly))
            return 1;
        const QByteArray content = file->readAll();
        std::unique_ptr<Device> reader(file->readHeader(content));
        Experiment *reopened = reader ? file->parse(content) : nullptr;
        if (!reopened || reopened->logs().size() != kRecords) {
            QTextStream(stderr) << "reopen failed, status " << file->status() << "\n";
            return 1;
        }
        reopened->deleteChain();
        report(out, "reopen", clock);
    }
    out << "peak memory: " << QString::number(BenchClock::peakMegabytes(), 'f', 1) << " MB\n";
    return 0;
}
