#include "PseudoTerminal.h"

#include <fcntl.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

PseudoTerminal::PseudoTerminal()
{
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (m_master < 0)
        return;
    if (grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        close();
        return;
    }
    m_slavePath = QString::fromLocal8Bit(ptsname(m_master));
    // Holding the slave open keeps the master readable while the application
    // closes and reopens its port.
    m_slave = ::open(m_slavePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios raw;
    if (m_slave >= 0 && tcgetattr(m_slave, &raw) == 0) {
        cfmakeraw(&raw);
        tcsetattr(m_slave, TCSANOW, &raw);
    }
}

PseudoTerminal::~PseudoTerminal()
{
    close();
}

void PseudoTerminal::close()
{
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
    m_slave = -1;
    m_master = -1;
}
