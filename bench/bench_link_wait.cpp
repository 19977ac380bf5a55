// How much CPU the host spends while it waits for a slow instrument reply: the
// wait must sleep in the event loop, not spin.

#include "BenchSupport.h"
#include "Device.h"

#include <QCoreApplication>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    // The instrument pauses 400 ms before each answer.
    const int pauseMs = 400;
    SimulatorProcess simulator(
        {"--model", "DRAVO 2", "--runs", "0", "--answer-delay", QString::number(pauseMs)});
    if (simulator.port().isEmpty()) {
        QTextStream(stderr) << "simulated instrument did not start\n";
        return 1;
    }
    Device device;
    if (device.open(simulator.port()) != 0) {
        QTextStream(stderr) << "could not open " << simulator.port() << "\n";
        return 1;
    }
    const int exchanges = 5;
    BenchClock clock;
    for (int i = 0; i < exchanges; ++i) {
        device.sendCommand("AT+CGMI\r\n");
        if (!device.readReply().endsWith("\r\nOK\r\n")) {
            QTextStream(stderr) << "no reply\n";
            return 1;
        }
    }
    const double wall = clock.wallSeconds();
    const double cpu = clock.cpuSecondsUsed();
    QTextStream out(stdout);
    out << "exchanges: " << exchanges << " (reply pause about " << pauseMs << " ms)\n";
    out << "wall time: " << QString::number(wall, 'f', 3) << " s\n";
    out << "host CPU time: " << QString::number(cpu, 'f', 3) << " s ("
        << QString::number(wall > 0 ? 100.0 * cpu / wall : 0, 'f', 1) << " % of wall)\n";
    return 0;
}
