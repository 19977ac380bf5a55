// Times the download of a long dosimeter run (28,800 one-second samples, a
// full 8 h day) from a simulated "DRAVO 2" in another process, the parsing of
// its records and header, and the save and reopen of the run as a ".drv" file.
// Prints wall-clock and CPU time of each step; the CPU time is this process's
// own.

#include "BenchSupport.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceFactory.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "RunDownload.h"
#include "VfFile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>

namespace {

const int kRecords = 28800;
const int kRunIndex = 1;

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    SimulatorProcess simulator({QStringLiteral("--model"), QStringLiteral("DRAVO 2"),
                                QStringLiteral("--runs"), QString::number(kRunIndex),
                                QStringLiteral("--records"), QString::number(kRecords)});
    Device probed;
    if (simulator.port().isEmpty() || probed.open(simulator.port()) != 0 ||
        probed.readIdentity() != 0) {
        QTextStream(stderr) << "simulated instrument did not answer\n";
        return 1;
    }
    std::unique_ptr<Device> device(DeviceFactory::create(&probed));
    if (!device || device->readServiceConfig() != 0) {
        QTextStream(stderr) << "no DRAVO 2 behind " << simulator.port() << "\n";
        return 1;
    }

    std::unique_ptr<Experiment> run;
    {
        BenchStep step("list and download");
        const QList<QObject *> list = device->readExperimentList();
        Experiment *downloaded = nullptr;
        const int result =
            list.isEmpty()
                ? -1
                : RunDownload::download(device.get(), qobject_cast<Experiment *>(list.first()),
                                        &downloaded);
        device->clearExperimentList();
        run.reset(downloaded);
        if (result != 0) {
            QTextStream(stderr) << "download failed: " << result << "\n";
            return 1;
        }
    }
    QTextStream(stdout) << "records downloaded: " << run->logs().size() << "\n";

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.drv"));
    {
        BenchStep step("save");
        const QByteArray content = DataFileEnvelope::encode(
            DataFileEnvelope::document(QStringLiteral("bench"), device->toJson(), {run->toJson()}));
        if (VfFile::write(path, content) != 0) {
            QTextStream(stderr) << "save failed\n";
            return 1;
        }
    }
    QTextStream(stdout) << "file size: " << QFileInfo(path).size() << " bytes\n";
    {
        BenchStep step("reopen");
        std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
        if (!file || !file->open(QIODevice::ReadOnly))
            return 1;
        const QByteArray content = file->readAll();
        std::unique_ptr<Device> device(file->readHeader(content));
        Experiment *reopened = device ? file->parse(content) : nullptr;
        if (!reopened || reopened->logs().size() != kRecords) {
            QTextStream(stderr) << "reopen failed, status " << file->status() << "\n";
            return 1;
        }
        reopened->deleteChain();
    }
    return 0;
}
