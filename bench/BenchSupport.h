#pragma once

#include "SimulatorProcess.h"

#include <QElapsedTimer>
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
        return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
               usage.ru_stime.tv_usec / 1e6;
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
