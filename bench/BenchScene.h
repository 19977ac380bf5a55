#pragma once

// What the benchmarks of the application's scene share: frames counted as
// the window renders them, and calls of QML functions.

#include "AppScene.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>
#include <QVariant>
#include <QVector>

#include <functional>

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

