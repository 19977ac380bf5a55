#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The simulated instrument (tools/valtrix-sim) in a process of its own, so
// that its work is not counted as the host's; it ends with this object. A
// target that uses it defines VALTRIX_SIM_PATH.
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
