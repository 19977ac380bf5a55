// Downloads the longest run a heat-stress monitor holds (32,400 one-second
// samples, 9 h) from a simulated instrument in another process, then saves and
// reopens it as a data file; beside it the same for a full-day "DRAVO 2" run.
// Per model it prints the host's CPU time as a share of the time the bytes
// take on the 1,000,000-baud line, and the save and reopen times per 1,000
// samples. The "KESTRUM 4" run carries three expansion boards.

#include "BenchSupport.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceFactory.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "RunDownload.h"
#include "SimulatedDravo2Runs.h"
#include "SimulatedKestrumRuns.h"
#include "VfFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <memory>

namespace {

constexpr double kLineBitsPerSecond = 1000000.0;
constexpr int kBitsPerByte = 10; // start, eight data bits, stop

struct Model
{
    QString productName;
    int records;
    QStringList extraArguments;
    // The run as the simulator holds it, to count the bytes on the line.
    std::function<SimulatedInstrument::Run()> makeRun;
};

// Bytes of every command and reply of the run's download: the record blocks
// and the header pages.
qint64 lineBytes(const SimulatedInstrument::Run &run)
{
    qint64 bytes = 0;
    const int size = run.records.size();
    for (int first = 1; first <= qMax(1, size); first += Device::RecordBlockSize) {
        const int last = qMin(size, first + Device::RecordBlockSize - 1);
        bytes += QByteArray("AT+VFRDXP=1," + QByteArray::number(first) + ',' +
                            QByteArray::number(last) + "\r\n")
                     .size();
        bytes +=
            SimulatedInstrument::information("VFRDXP", run.records.mid(first - 1, last - first + 1))
                .size();
    }
    for (auto page = run.pages.cbegin(); page != run.pages.cend(); ++page)
        bytes += QByteArray("AT+VFXPHDR=0,1\r\n").size() +
                 SimulatedInstrument::information("VFXPHDR", {page.value()}).size();
    return bytes;
}

int benchModel(const Model &model)
{
    QStringList arguments{QStringLiteral("--model"),   model.productName,
                          QStringLiteral("--runs"),    QStringLiteral("1"),
                          QStringLiteral("--records"), QString::number(model.records)};
    arguments += model.extraArguments;
    SimulatorProcess simulator(arguments);
    Device probed;
    if (simulator.port().isEmpty() || probed.open(simulator.port()) != 0 ||
        probed.readIdentity() != 0) {
        QTextStream(stderr) << "simulated instrument did not answer\n";
        return 1;
    }
    std::unique_ptr<Device> device(DeviceFactory::create(&probed));
    if (!device || device->readServiceConfig() != 0) {
        QTextStream(stderr) << "no " << model.productName << " behind " << simulator.port() << "\n";
        return 1;
    }

    const double lineSeconds = lineBytes(model.makeRun()) * kBitsPerByte / kLineBitsPerSecond;
    BenchClock download;
    const QList<QObject *> list = device->readExperimentList();
    Experiment *downloaded = nullptr;
    const int result =
        list.isEmpty() ? -1
                       : RunDownload::download(
                             device.get(), qobject_cast<Experiment *>(list.first()), &downloaded);
    const double downloadCpu = download.cpuSecondsUsed();
    const double downloadWall = download.wallSeconds();
    device->clearExperimentList();
    std::unique_ptr<Experiment> run(downloaded);
    if (result != 0 || run->logs().size() != model.records) {
        QTextStream(stderr) << model.productName << ": download failed: " << result << "\n";
        return 1;
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("long"));
    std::unique_ptr<VfFile> named(FileFactory::createByName(model.productName, path));
    BenchClock save;
    const QByteArray content = DataFileEnvelope::encode(
        DataFileEnvelope::document(QStringLiteral("bench"), device->toJson(), {run->toJson()}));
    if (VfFile::write(path, content) != 0) {
        QTextStream(stderr) << "save failed\n";
        return 1;
    }
    const double saveWall = save.wallSeconds();

    BenchClock reopen;
    std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
    if (!file || !file->open(QIODevice::ReadOnly))
        return 1;
    const QByteArray read = file->readAll();
    std::unique_ptr<Device> fileDevice(file->readHeader(read));
    Experiment *reopened = fileDevice ? file->parse(read) : nullptr;
    const double reopenWall = reopen.wallSeconds();
    if (!reopened || reopened->logs().size() != model.records) {
        QTextStream(stderr) << "reopen failed, status " << file->status() << "\n";
        return 1;
    }
    reopened->deleteChain();

    const double thousands = model.records / 1000.0;
    QTextStream(stdout) << QStringLiteral(
                               "%1 %2 samples: line %3 s, download wall %4 s, host cpu %5 s "
                               "(%6 % of line time); save %7 ms and reopen %8 ms per 1,000 "
                               "samples; file %9 bytes\n")
                               .arg(model.productName, -22)
                               .arg(model.records)
                               .arg(lineSeconds, 0, 'f', 2)
                               .arg(downloadWall, 0, 'f', 2)
                               .arg(downloadCpu, 0, 'f', 2)
                               .arg(100.0 * downloadCpu / lineSeconds, 0, 'f', 1)
                               .arg(1000.0 * saveWall / thousands, 0, 'f', 2)
                               .arg(1000.0 * reopenWall / thousands, 0, 'f', 2)
                               .arg(content.size());
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The simulated runs are built with the same defaults valtrix-sim uses.
    const QDateTime start = QDateTime::currentDateTime();
    SimulatedKestrumRuns::Header oneSecond;
    oneSecond.sampleSeconds = 1;
    SimulatedKestrumRuns::Header boards = oneSecond;
    boards.expansionBoards = 3;
    const QList<Model> models{
        {QStringLiteral("DRAVO 2"),
         28800,
         {},
         [start] { return SimulatedDravo2Runs::makeRun(1, 28800, start); }},
        {QStringLiteral("KESTRUM 2"),
         32400,
         {QStringLiteral("--interval"), QStringLiteral("1")},
         [start, oneSecond] {
             return SimulatedKestrumRuns::makeKestrum2Run(1, 32400, start, oneSecond);
         }},
        {QStringLiteral("KESTRUM 4"),
         32400,
         {QStringLiteral("--interval"), QStringLiteral("1"), QStringLiteral("--boards"),
          QStringLiteral("3")},
         [start, boards] {
             return SimulatedKestrumRuns::makeKestrum4Run(1, 32400, start, boards);
         }},
    };
    for (const Model &model : models) {
        if (benchModel(model) != 0)
            return 1;
    }
    return 0;
}
