// A simulated Valtrix instrument on a pseudo-terminal. It prints the path of
// its serial port on the first line of standard output and answers until it is
// ended. Give the path to the application through VALTRIX_EXTRA_PORTS.

#include "SimulatedInstrument.h"
#include "SimulatedKestrum.h"
#include "SimulatedModels.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDateTime>
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
    parser.addOptions({model, serial, runs, records, delay, boards, interval});
    parser.process(app);

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

    QTextStream(stdout) << instrument.portPath() << Qt::endl;
    return app.exec();
}
