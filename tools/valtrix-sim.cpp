// A simulated Valtrix instrument on a pseudo-terminal. It prints the path of
// its serial port on the first line of standard output and answers until it is
// ended. Give the path to the application through VALTRIX_EXTRA_PORTS; with
// --link, a symbolic link at a path of your choice leads to the port, so that
// the path stays the same from one start of the simulator to the next.

#include "SimulatedDravo2.h"
#include "SimulatedInstrument.h"
#include "SimulatedKestrum.h"
#include "SimulatedModels.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <QTextStream>

#include <csignal>
#include <unistd.h>

namespace {

int quitPipe[2] = {-1, -1};

void requestQuit(int)
{
    const char byte = 1;
    ssize_t ignored = ::write(quitPipe[1], &byte, 1);
    (void)ignored;
}

// Makes `link` a symbolic link to `target`. An earlier link there (of an
// earlier start) is replaced; any other file is left alone.
bool makeLink(const QString &link, const QString &target)
{
    const QFileInfo existing(link);
    if (existing.exists() || existing.isSymLink()) {
        if (!existing.isSymLink() || !QFile::remove(link))
            return false;
    }
    return QFile::link(target, link);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated Valtrix instrument"));
    parser.addHelpOption();
    const QCommandLineOption model(QStringLiteral("model"),
                                   QStringLiteral("Product name to play (%1).")
                                       .arg(simulatedModelNames().join(QStringLiteral(", "))),
                                   QStringLiteral("name"), QStringLiteral("DRAVO 2"));
    const QCommandLineOption serial(QStringLiteral("serial"), QStringLiteral("Serial number."),
                                    QStringLiteral("text"), QStringLiteral("SIM0001"));
    const QCommandLineOption runs(QStringLiteral("runs"), QStringLiteral("Runs in memory."),
                                  QStringLiteral("count"), QStringLiteral("3"));
    const QCommandLineOption records(QStringLiteral("records"),
                                     QStringLiteral("Samples in each run."),
                                     QStringLiteral("count"), QStringLiteral("120"));
    const QCommandLineOption delay(QStringLiteral("answer-delay"),
                                   QStringLiteral("Pause before every answer, in ms."),
                                   QStringLiteral("ms"), QStringLiteral("0"));
    const QCommandLineOption boards(
        QStringLiteral("boards"),
        QStringLiteral("Expansion boards (0 to 3) in the runs of a \"KESTRUM 4\"."),
        QStringLiteral("count"), QStringLiteral("0"));
    const QCommandLineOption interval(
        QStringLiteral("interval"),
        QStringLiteral("Sample interval of a heat-stress monitor, in seconds."),
        QStringLiteral("seconds"), QStringLiteral("60"));
    const QCommandLineOption link(
        QStringLiteral("link"),
        QStringLiteral("Also reach the port through a symbolic link at this path, which stays "
                       "the same when the simulator is started again."),
        QStringLiteral("path"));
    const QCommandLineOption octave(
        QStringLiteral("octave"),
        QStringLiteral("Octave analysis of a \"DRAVO 2\" and of its runs: 1/1 or 1/3."),
        QStringLiteral("analysis"), QStringLiteral("1/1"));
    parser.addOptions({model, serial, runs, records, delay, link, octave, boards, interval});
    parser.process(app);
    const QByteArray octaveAnalysis = parser.value(octave).toLatin1();
    if (octaveAnalysis != "1/1" && octaveAnalysis != "1/3") {
        QTextStream(stderr) << "--octave takes 1/1 or 1/3\n";
        return 1;
    }

    SimulatedInstrument instrument;
    if (!instrument.isConnected()) {
        QTextStream(stderr) << "could not open a pseudo-terminal\n";
        return 1;
    }
    const QByteArray productName = parser.value(model).toLatin1();
    if (!installSimulatedModel(instrument, productName))
        instrument.setIdentity("valtrix", productName, "SIM0001", "1.00");
    instrument.setIdentity("valtrix", instrument.productName(), parser.value(serial).toLatin1(),
                           "1.00");
    instrument.setAnswerDelay(parser.value(delay).toInt());
    if (SimulatedDravo2 *dosimeter = SimulatedDravo2::of(&instrument))
        dosimeter->octaveAnalysis = octaveAnalysis;
    if (SimulatedKestrum *heatStress = SimulatedKestrum::of(&instrument)) {
        heatStress->expansionBoards = qBound(0, parser.value(boards).toInt(), 3);
        heatStress->intervalSeconds = qMax(1, parser.value(interval).toInt());
    }
    const QDateTime start = QDateTime::currentDateTime().addDays(-1);
    for (int index = 1; index <= parser.value(runs).toInt(); ++index)
        addSimulatedRun(instrument, index, parser.value(records).toInt(),
                        start.addSecs(3600 * index));

    if (::pipe(quitPipe) == 0) {
        std::signal(SIGINT, requestQuit);
        std::signal(SIGTERM, requestQuit);
        auto *quit = new QSocketNotifier(quitPipe[0], QSocketNotifier::Read, &app);
        QObject::connect(quit, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    }

    const QString linkPath = parser.value(link);
    if (!linkPath.isEmpty() && !makeLink(linkPath, instrument.portPath())) {
        QTextStream(stderr) << "could not make the link " << linkPath
                            << " (a file that is no link is left alone)\n";
        return 1;
    }

    QTextStream(stdout) << instrument.portPath() << Qt::endl;
    const int result = app.exec();
    // The link leads nowhere once the simulator is gone.
    if (!linkPath.isEmpty() && QFileInfo(linkPath).symLinkTarget() == instrument.portPath())
        QFile::remove(linkPath);
    return result;
}
