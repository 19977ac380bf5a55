// Times the download of a long dosimeter run (28,800 one-second samples, a
// full 8 h day) from a simulated "DRAVO 2" in this process, the parsing of its
// records and header, and the save and reopen of the run as a ".drv" file.
// Prints wall-clock and CPU time of each step; the CPU time includes the
// simulated instrument's share.

#include "DataFileEnvelope.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "RunDownload.h"
#include "SimulatedDravo2Link.h"
#include "VfFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>
#include <memory>
#include <sys/resource.h>

namespace {

const int kRecords = 28800;
const int kRunIndex = 1;

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

class Step
{
public:
    explicit Step(const char *name)
        : m_name(name)
        , m_cpu(cpuSeconds())
    {
        m_wall.start();
    }
    ~Step()
    {
        QTextStream(stdout) << QStringLiteral("%1: wall %2 s, cpu %3 s\n")
                                   .arg(QLatin1String(m_name), -28)
                                   .arg(m_wall.elapsed() / 1000.0, 0, 'f', 3)
                                   .arg(cpuSeconds() - m_cpu, 0, 'f', 3);
    }

private:
    const char *m_name;
    double m_cpu;
    QElapsedTimer m_wall;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    SimulatedDravo2Link d(500);
    d.instrument().addRun(SimulatedDravo2Runs::makeRun(
        kRunIndex, kRecords, parseDeviceDateTime("24/05/17,08:00:00+00")));

    std::unique_ptr<Experiment> run;
    {
        Step step("list and download");
        const QList<QObject *> list = d.device->readExperimentList();
        Experiment *downloaded = nullptr;
        const int result =
            list.isEmpty()
                ? -1
                : RunDownload::download(d.device.get(), qobject_cast<Experiment *>(list.first()),
                                        &downloaded);
        d.device->clearExperimentList();
        run.reset(downloaded);
        if (result != 0) {
            QTextStream(stderr) << "download failed: " << result << "\n";
            return 1;
        }
    }
    QTextStream(stdout) << "records downloaded: " << run->logs().size() << " in "
                        << d.instrument().commandsStartingWith("AT+VFRDXP=").size() << " blocks\n";

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.drv"));
    {
        Step step("save");
        const QByteArray content = DataFileEnvelope::encode(DataFileEnvelope::document(
            QStringLiteral("bench"), d.device->toJson(), {run->toJson()}));
        if (VfFile::write(path, content) != 0) {
            QTextStream(stderr) << "save failed\n";
            return 1;
        }
    }
    QTextStream(stdout) << "file size: " << QFileInfo(path).size() << " bytes\n";
    {
        Step step("reopen");
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
