// Times the download of the longest run a sound level meter holds (32,400
// records, 9 h at 1 s) from a simulated "BEMARI+" in another process, and the
// save and reopen of the run as a ".bmq" file, against a run a tenth of that
// size. Prints each step's wall-clock and CPU time, the ratios of the long
// run's times to the short one's (about 10 when the cost grows linearly) and
// the peak memory.

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

const int kLongRun = 32400;
const int kShortRun = kLongRun / 10;

struct Times
{
    double download = 0;
    double save = 0;
    double reopen = 0;
};

// The wall-clock seconds of `step`; false when it failed.
template <typename Step>
bool timed(double *seconds, Step step)
{
    BenchClock clock;
    const bool done = step();
    *seconds = clock.wallSeconds();
    return done;
}

bool measure(int records, Times *times)
{
    SimulatorProcess simulator({QStringLiteral("--model"), QStringLiteral("BEMARI+"),
                                QStringLiteral("--runs"), QStringLiteral("1"),
                                QStringLiteral("--records"), QString::number(records)});
    Device probed;
    if (simulator.port().isEmpty() || probed.open(simulator.port()) != 0 ||
        probed.readIdentity() != 0)
        return false;
    std::unique_ptr<Device> device(DeviceFactory::create(&probed));
    if (!device || device->readServiceConfig() != 0)
        return false;

    std::unique_ptr<Experiment> run;
    const bool downloaded = timed(&times->download, [&] {
        const QList<QObject *> list = device->readExperimentList();
        Experiment *made = nullptr;
        const int result =
            list.isEmpty() ? -1
                           : RunDownload::download(device.get(),
                                                   qobject_cast<Experiment *>(list.first()), &made);
        device->clearExperimentList();
        run.reset(made);
        return result == 0 && run->logs().size() == records;
    });
    if (!downloaded)
        return false;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("long.bmq"));
    const bool saved = timed(&times->save, [&] {
        return VfFile::write(path,
                             DataFileEnvelope::encode(DataFileEnvelope::document(
                                 QStringLiteral("bench"), device->toJson(), {run->toJson()}))) == 0;
    });
    QTextStream(stdout) << records << " records: file of " << QFileInfo(path).size() << " bytes\n";
    return saved && timed(&times->reopen, [&] {
               std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
               if (!file || !file->open(QIODevice::ReadOnly))
                   return false;
               const QByteArray content = file->readAll();
               std::unique_ptr<Device> owner(file->readHeader(content));
               Experiment *reopened = owner ? file->parse(content) : nullptr;
               const bool whole = reopened && reopened->logs().size() == records;
               if (reopened)
                   reopened->deleteChain();
               return whole;
           });
}

void print(const char *step, double shortRun, double longRun)
{
    QTextStream(stdout) << QStringLiteral("%1: %2 s for %3 records, %4 s for %5, ratio %6\n")
                               .arg(QLatin1String(step), -10)
                               .arg(shortRun, 0, 'f', 3)
                               .arg(kShortRun)
                               .arg(longRun, 0, 'f', 3)
                               .arg(kLongRun)
                               .arg(shortRun > 0 ? longRun / shortRun : 0.0, 0, 'f', 1);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    Times shortTimes;
    Times longTimes;
    if (!measure(kShortRun, &shortTimes) || !measure(kLongRun, &longTimes)) {
        QTextStream(stderr) << "the simulated BEMARI+ could not be downloaded, saved or reopened\n";
        return 1;
    }
    print("download", shortTimes.download, longTimes.download);
    print("save", shortTimes.save, longTimes.save);
    print("reopen", shortTimes.reopen, longTimes.reopen);
    QTextStream(stdout) << "peak memory: " << BenchClock::peakMegabytes() << " MB\n";
    return 0;
}
