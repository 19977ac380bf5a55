#pragma once

#include <QString>

// A pseudo-terminal pair: the master end is the simulated instrument, the
// slave end's path is the serial port that the application opens. The master
// is kept in raw mode so that no byte is translated on its way.
class PseudoTerminal
{
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isOpen() const { return m_master >= 0; }
    int masterFd() const { return m_master; }
    QString slavePath() const { return m_slavePath; }
    // Closes both ends: the application's port sees the line vanish.
    void close();

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_slavePath;
};
