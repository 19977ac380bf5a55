// Downloads a long run from a simulated instrument in another process and
// compares the host's own time with the time the same bytes need on the line.

#include "BenchSupport.h"
#include "Device.h"
#include "Experiment.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int records = argc > 1 ? QString(argv[1]).toInt() : 28800;
    SimulatorProcess simulator({"--model", "DRAVO 2", "--runs", "1", "--records",
                                QString::number(records)});
    Device device;
    if (simulator.port().isEmpty() || device.open(simulator.port()) != 0) {
        QTextStream(stderr) << "simulated instrument did not start\n";
        return 1;
    }
    Experiment run;
    run.setIndex(1);
    run.setSize(records);

    BenchClock clock;
    const QList<QByteArray> lines = device.readExperimentData(&run);
    const double wall = clock.wallSeconds();
    const double cpu = clock.cpuSecondsUsed();
    if (lines.size() != records) {
        QTextStream(stderr) << "downloaded " << lines.size() << " of " << records << " records\n";
        return 1;
    }

    // Reply bytes as the instrument framed them, plus the commands sent.
    qint64 bytes = 0;
    for (const QByteArray &line : lines)
        bytes += line.size() + 4;
    const int blocks = (records + Device::RecordBlockSize - 1) / Device::RecordBlockSize;
    bytes += blocks * (8 + 25);
    const double lineSeconds = bytes * 10.0 / 1000000.0;

    QTextStream out(stdout);
    out << "records: " << records << " in " << blocks << " blocks, about " << bytes << " bytes\n";
    out << "wall time: " << QString::number(wall, 'f', 3) << " s\n";
    out << "host CPU time: " << QString::number(cpu, 'f', 3) << " s\n";
    out << "line time at 1000000 baud: " << QString::number(lineSeconds, 'f', 3) << " s\n";
    out << "host CPU / line time: " << QString::number(100.0 * cpu / lineSeconds, 'f', 1)
        << " %\n";
    out << "peak memory: " << QString::number(BenchClock::peakMegabytes(), 'f', 1) << " MB\n";
    return 0;
}
