#pragma once

#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTextStream>

#include <sys/resource.h>

// Wall-clock and CPU time of this process over one measured stretch, and
// its peak memory.
class BenchClock
{
public:
    BenchClock()
    {
        m_cpuStart = cpuSeconds();
        m_wall.start();
    }
    double wallSeconds() const { return m_wall.nsecsElapsed() / 1e9; }
    double cpuSecondsUsed() const { return cpuSeconds() - m_cpuStart; }

    static double cpuSeconds()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec
               + usage.ru_stime.tv_usec / 1e6;
    }
    static double peakMegabytes()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss / 1024.0;
    }

private:
    QElapsedTimer m_wall;
    double m_cpuStart = 0;
};

// The simulated instrument in a process of its own, so that its work is not
// counted as the host's.
class SimulatorProcess
{
public:
    explicit SimulatorProcess(const QStringList &arguments)
    {
        m_process.start(QStringLiteral(VALTRIX_SIM_PATH), arguments);
        if (m_process.waitForReadyRead(10000))
            m_port = QString::fromLocal8Bit(m_process.readLine()).trimmed();
    }
    ~SimulatorProcess()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(3000))
            m_process.kill();
        m_process.waitForFinished(3000);
    }
    QString port() const { return m_port; }

private:
    QProcess m_process;
    QString m_port;
};
