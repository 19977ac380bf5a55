// The largest data file there is: a "KESTRUM 4" run of three expansion boards
// and 32,400 one-second samples (about 84 MB). Prints the time of each step
// of its save (the file's bytes, then the write) and of its reading (the
// read, the envelope's check and decoding, the runs rebuilt), best of three.
#include "DataFileEnvelope.h"
#include "Device.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "KestrumReportRun.h"
#include "SimulatedKestrumRuns.h"
#include "VfFile.h"
#include "WholeFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

constexpr int kSamples = 32400;
constexpr int kRepeats = 3;

// The best wall-clock seconds of `kRepeats` runs of `step`.
double best(const std::function<void()> &step)
{
    double fastest = 1e9;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer clock;
        clock.start();
        step();
        fastest = std::min(fastest, clock.nsecsElapsed() / 1e9);
    }
    return fastest;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    SimulatedKestrumRuns::Header header;
    header.sampleSeconds = 1;
    header.expansionBoards = 3;
    const SimulatedInstrument::Run texts = SimulatedKestrumRuns::makeKestrum4Run(
        1, kSamples, QDateTime(QDate(2026, 3, 2), QTime(8, 0)), header);
    std::unique_ptr<Experiment> run(KestrumReportRun::make(QStringLiteral("KESTRUM 4"), texts));
    if (!run) {
        out << "the run was refused\n";
        return 1;
    }
    Device device;
    device.setProductName(QStringLiteral("KESTRUM 4"));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("day.ks4"));

    QByteArray content;
    const double encoded = best([&] {
        content = DataFileEnvelope::encode(
            DataFileEnvelope::document(QStringLiteral("bench"), device.toJson(), {run->toJson()}));
    });
    const double written = best([&] { WholeFile::write(path, content); });
    QByteArray read;
    const double readSeconds = best([&] {
        std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
        file->openForReading();
        read = file->readContent();
    });
    QJsonObject root;
    const double decoded = best([&] { DataFileEnvelope::decode(read, root); });
    std::unique_ptr<VfFile> typed;
    const double rebuilt = best([&] {
        typed.reset(FileFactory::createByExtension(path));
        Experiment *runs = typed->parseDocument(root);
        if (runs)
            runs->deleteChain();
    });
    out << QStringLiteral("%1 samples, three boards: %2 MB\n")
               .arg(kSamples)
               .arg(content.size() / 1e6, 0, 'f', 1);
    out << QStringLiteral("  file bytes made:  %1 s\n").arg(encoded, 0, 'f', 3);
    out << QStringLiteral("  written whole:    %1 s\n").arg(written, 0, 'f', 3);
    out << QStringLiteral("  read:             %1 s\n").arg(readSeconds, 0, 'f', 3);
    out << QStringLiteral("  checked, decoded: %1 s\n").arg(decoded, 0, 'f', 3);
    out << QStringLiteral("  runs rebuilt:     %1 s\n").arg(rebuilt, 0, 'f', 3);
    return 0;
}
