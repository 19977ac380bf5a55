#pragma once

// What the benchmarks of the application's scene share: frames counted as
// the window renders them, and calls of QML functions.

#include "AppScene.h"
#include "Core.h"
#include "SimulatorProcess.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMap>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTextStream>
#include <QTimer>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>

constexpr int kWaitLimitMs = 600000;

inline double seconds(qint64 nanoseconds)
{
    return nanoseconds / 1e9;
}

// Every frame the window shows, and frames asked for at a steady pace.
class Frames : public QObject
{
public:
    explicit Frames(QQuickWindow *window)
        : m_window(window)
    {
        m_clock.start();
        connect(window, &QQuickWindow::afterRendering, this, [this] {
            m_frames.append(m_clock.nsecsElapsed());
            if (m_onFrame)
                m_onFrame();
        });
        connect(&m_pulse, &QTimer::timeout, window, &QQuickWindow::update);
        m_pulse.start(16);
    }

    qint64 now() const { return m_clock.nsecsElapsed(); }

    // Runs events until a frame is shown with `ready` true; the time of that
    // frame, or -1 after the wait limit.
    qint64 waitFor(const std::function<bool()> &ready)
    {
        qint64 shownAt = -1;
        QEventLoop loop;
        m_onFrame = [&] {
            if (ready()) {
                shownAt = m_frames.last();
                loop.quit();
            }
        };
        QTimer::singleShot(kWaitLimitMs, &loop, &QEventLoop::quit);
        loop.exec();
        m_onFrame = nullptr;
        return shownAt;
    }

    // The longest time without a frame between `from` and `to`.
    qint64 longestGap(qint64 from, qint64 to) const
    {
        qint64 longest = 0;
        qint64 previous = from;
        for (qint64 frame : m_frames) {
            if (frame <= from)
                continue;
            longest = qMax(longest, qMin(frame, to) - previous);
            previous = frame;
            if (frame >= to)
                break;
        }
        return qMax(longest, to - previous);
    }

private:
    QQuickWindow *m_window;
    QElapsedTimer m_clock;
    QVector<qint64> m_frames;
    QTimer m_pulse;
    std::function<void()> m_onFrame;
};

// A function of a QML object, with its arguments.
inline QVariant call(QObject *target, const char *method, const QVariantList &arguments = {})
{
    QVariant result;
    const QVariant a = arguments.value(0);
    const QVariant b = arguments.value(1);
    switch (arguments.size()) {
    case 0:
        QMetaObject::invokeMethod(target, method, Q_RETURN_ARG(QVariant, result));
        break;
    case 1:
        QMetaObject::invokeMethod(target, method, Q_RETURN_ARG(QVariant, result),
                                  Q_ARG(QVariant, a));
        break;
    default:
        QMetaObject::invokeMethod(target, method, Q_RETURN_ARG(QVariant, result),
                                  Q_ARG(QVariant, a), Q_ARG(QVariant, b));
    }
    return result;
}

struct SceneCloser
{
    void operator()(QQmlApplicationEngine *engine) const { closeAppScene(engine); }
};

// A scene with a real Core over a simulated instrument in another process:
// the instrument found, and its page opened from the home page, as a user
// does; frames are counted from the start, and the end of the first
// download is noted.
class SceneRig
{
public:
    // False (after saying why on `out`) when a step failed.
    bool open(const QStringList &simulatorArguments, const QString &deviceState, QTextStream &out)
    {
        m_simulator.reset(new SimulatorProcess(simulatorArguments));
        if (m_simulator->port().isEmpty()) {
            out << "the simulated instrument did not start\n";
            return false;
        }
        qputenv("VALTRIX_EXTRA_PORTS", m_simulator->port().toLocal8Bit());
        qputenv("VALTRIX_SYSTEM_PORTS", "0");
        engine.reset(new QQmlApplicationEngine);
        // Connected before the scene, so that the time is taken before any
        // page acts on the new run; the first run shown is the downloaded one.
        QObject::connect(&core, &Core::experimentUpdated, [this] {
            if (downloadEnd < 0)
                downloadEnd = frames->now();
        });
        window = openAppScene(*engine, &core);
        if (!window) {
            out << "main.qml did not load\n";
            return false;
        }
        frames.reset(new Frames(window));
        root = findNamed(window, QStringLiteral("root"));
        home = findNamed(window, QStringLiteral("pageHome"));
        core.findDevices();
        call(home, "selectDevice", {0});
        if (root->property("state").toString() != deviceState) {
            out << "the instrument's page did not open\n";
            return false;
        }
        return true;
    }

    // Whether `page` shows core's current run in the state `resultsState`.
    bool shows(QObject *page, const QString &resultsState) const
    {
        return root->property("state").toString() == resultsState &&
               page->property("shownRun").toInt() == core.samples()->property("runId").toInt();
    }

    // The scene goes before Core, and the frame watch before the scene.
    Core core;
    std::unique_ptr<QQmlApplicationEngine, SceneCloser> engine;
    std::unique_ptr<Frames> frames;
    QQuickWindow *window = nullptr;
    QObject *root = nullptr;
    QObject *home = nullptr;
    qint64 downloadEnd = -1;

private:
    std::unique_ptr<SimulatorProcess> m_simulator;
};

// A scene benchmark draws without a display, with the renderer the tests use,
// unless the caller's environment chooses others. Call before the application
// object is made.
inline void drawOffscreenUnlessChosen()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
}

// The main of a scene benchmark: with "--samples N" it measures that run in
// this process (`measure` prints a line "RESULT N figure..."); without, it
// runs this program once per count of `counts`, each in a process of its own
// (so that each peak memory is its own), and prints how each figure named in
// `names` grew from the smallest count to the largest.
inline int runSceneBench(const QList<int> &counts, const QStringList &names,
                         const std::function<int(int)> &measure)
{
    const QStringList arguments = QCoreApplication::arguments();
    const int at = arguments.indexOf(QStringLiteral("--samples"));
    if (at > 0 && at + 1 < arguments.size())
        return measure(arguments.at(at + 1).toInt());

    QTextStream out(stdout);
    QMap<int, QStringList> results;
    for (int count : counts) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--samples"), QString::number(count)});
        child.waitForFinished(-1);
        const QStringList lines = QString::fromLocal8Bit(child.readAllStandardOutput()).split('\n');
        for (const QString &line : lines) {
            if (line.startsWith(QLatin1String("RESULT ")))
                results.insert(count, line.split(' ').mid(2));
            else if (!line.isEmpty())
                out << line << '\n';
        }
        out.flush();
        if (child.exitCode() != 0 || !results.contains(count)) {
            out << "the run of " << count << " samples failed\n";
            return 1;
        }
    }
    const int smallest = counts.first();
    const int largest = counts.last();
    out << QStringLiteral("growth from %1 to %2 samples (linear: %3):\n")
               .arg(smallest)
               .arg(largest)
               .arg(largest / smallest);
    for (int i = 0; i < names.size(); ++i) {
        const double small = results.value(smallest).value(i).toDouble();
        const double large = results.value(largest).value(i).toDouble();
        out << QStringLiteral("  %1: %2\n")
                   .arg(names.at(i), -27)
                   .arg(small > 0 ? QString::number(large / small, 'f', 1) : QStringLiteral("-"));
    }
    return 0;
}
