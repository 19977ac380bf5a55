#include "Interface.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <iterator>

namespace {

const qint32 kBaudRate = 1000000;
// A timer that fires this much later than it was due shows that the thread
// was busy elsewhere meanwhile.
const int kLateTimeoutMs = 50;
// The beat by which a wait sees whether the thread listened.
const int kHeartbeatMs = 50;

const QByteArray kOk = "\r\nOK\r\n";
const QByteArray kFinalLines[] = {kOk, "\r\nERROR\r\n", "\r\nBUSY\r\n"};

bool isNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// The length of the response prefix ("+NAME: ") at `at`, or 0 when none
// stands there.
int prefixLengthAt(const QByteArray &bytes, int at)
{
    if (at >= bytes.size() || bytes.at(at) != '+')
        return 0;
    int end = at + 1;
    while (end < bytes.size() && isNameCharacter(bytes.at(end)))
        ++end;
    if (end == at + 1 || bytes.mid(end, 2) != ": ")
        return 0;
    return end + 2 - at;
}

// Where the first final line at or after `from` starts (-1 when there is
// none), and its length.
int firstFinalLine(const QByteArray &bytes, int from, int *length)
{
    int first = -1;
    for (const QByteArray &line : kFinalLines) {
        const int at = bytes.indexOf(line, from);
        if (at >= 0 && (first < 0 || at < first)) {
            first = at;
            *length = line.size();
        }
    }
    return first;
}

// One reply up to and including its final line, without the information
// lines of another prefix; `own` and `foreign` count the lines of each kind.
QByteArray ownLines(const QByteArray &reply, int finalLineStart, const QByteArray &prefix, int *own,
                    int *foreign)
{
    QByteArray kept;
    int from = 0;
    int search = 0;
    for (int at = reply.indexOf("\r\n+"); at >= 0 && at < finalLineStart;
         at = reply.indexOf("\r\n+", search)) {
        search = at + 2;
        const int length = prefixLengthAt(reply, at + 2);
        if (length == 0)
            continue;
        if (!prefix.isEmpty() && reply.mid(at + 2, length) == prefix) {
            ++*own;
            continue;
        }
        ++*foreign;
        // The line goes with the line break that ends it, unless that break
        // starts the next line (a line cut short).
        int end = reply.indexOf("\r\n", at + 2);
        if (end < 0 || end >= finalLineStart)
            end = finalLineStart;
        else if (reply.mid(end + 2, 2) == "\r\n")
            end += 2;
        kept += reply.mid(from, at - from);
        from = end;
        search = end;
    }
    return kept + reply.mid(from);
}

} // namespace

Interface::Interface(QObject *parent)
    : QObject(parent)
    , m_idleTimer(new QTimer(this))
    , m_heartbeat(new QTimer(this))
    , m_limitTimer(new QTimer(this))
{
    qRegisterMetaType<QSerialPort::SerialPortError>("QSerialPort::SerialPortError");
    for (QTimer *timer : {m_idleTimer, m_limitTimer}) {
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
    }
    m_heartbeat->setTimerType(Qt::PreciseTimer);
    m_heartbeat->setInterval(kHeartbeatMs);
}

Interface::~Interface()
{
    if (m_waitLoop)
        m_waitLoop->exit();
    if (m_port && m_linkType == SerialLink)
        closeSerial();
    delete m_port;
    m_port = nullptr;
}

int Interface::open()
{
    if (m_linkType == SerialLink)
        return openSerial();
    return m_linkType <= 2 ? 0 : 1;
}

int Interface::openSerial()
{
    if (m_port)
        closeSerial();
    delete m_port;
    m_port = new QSerialPort(m_portName);
    m_port->setBaudRate(kBaudRate, QSerialPort::AllDirections);
    m_openError = QSerialPort::NoError;
    m_openErrorString.clear();
    if (!m_port->open(QIODevice::ReadWrite)) {
        m_openError = m_port->error();
        m_openErrorString = m_port->errorString();
        delete m_port;
        m_port = nullptr;
        return 1;
    }
    m_errorConnection =
        connect(m_port, &QSerialPort::errorOccurred, this, &Interface::serialErrorOcurred);
    m_readConnection = connect(m_port, &QSerialPort::readyRead, this, &Interface::readData);
    return 0;
}

int Interface::close()
{
    if (m_linkType != SerialLink)
        return m_linkType;
    closeSerial();
    return 0;
}

void Interface::closeSerial()
{
    if (!m_port)
        return;
    disconnect(m_errorConnection);
    disconnect(m_readConnection);
    if (m_port->isOpen())
        m_port->close();
}

int Interface::write(const QByteArray &command, Answer answer)
{
    if (m_waiting || !m_port || !m_port->isOpen())
        return 1;
    m_port->clear(QSerialPort::AllDirections);
    m_reply = QByteArray("");
    m_complete = false;
    m_responsePrefix = responsePrefix(command);
    m_answer = answer;
    const qint64 written = m_port->write(command);
    const bool failed = written != command.size() || (m_port->error() != QSerialPort::NoError &&
                                                      m_port->error() != QSerialPort::TimeoutError);
    return failed ? 1 : 0;
}

QByteArray Interface::readReply()
{
    if (m_waiting)
        return QByteArray("");
    if (!m_complete && m_port) {
        // Wait in an event loop woken by the port and by the two timers, so
        // that the host does not spin while the instrument answers.
        QEventLoop loop;
        const QPointer<Interface> self(this);
        m_waitLoop = &loop;
        m_waiting = true;
        m_lastWaitEnd = WaitEnd::Idle;
        const QMetaObject::Connection idle = connect(m_idleTimer, &QTimer::timeout, &loop, [&] {
            // Silence counts only while this thread listened: when it was busy
            // with other work, the bytes (or the answer of an instrument
            // simulated in this thread) may not have had their turn yet. A
            // busy stretch anywhere in the idle time counts, not only one
            // that made this time-out late.
            if (busyMsSinceIdleStart() > std::max(kLateTimeoutMs, m_idleTimeoutMs / 4)) {
                restartIdleTimer();
                return;
            }
            loop.quit();
        });
        const QMetaObject::Connection beat =
            connect(m_heartbeat, &QTimer::timeout, &loop, [this] { noteHeartbeat(); });
        const QMetaObject::Connection limit = connect(m_limitTimer, &QTimer::timeout, &loop, [&] {
            // The limit, too, counts only the time this thread listened: the
            // time it was busy elsewhere is granted once more.
            const qint64 owedMs = busyMsOfWait() - m_limitCreditMs;
            if (owedMs > kLateTimeoutMs) {
                m_limitCreditMs += owedMs;
                m_limitTimer->start(int(std::min<qint64>(owedMs, m_replyLimitMs)));
                return;
            }
            m_lastWaitEnd = WaitEnd::ReplyLimit;
            loop.quit();
        });
        m_waitBusyMs = 0;
        m_limitCreditMs = 0;
        m_beatClock.start();
        restartIdleTimer();
        m_heartbeat->start();
        m_limitTimer->start(m_replyLimitMs);
        loop.exec();
        // An event handled during the wait may have deleted this link.
        if (!self)
            return QByteArray("");
        disconnect(idle);
        disconnect(beat);
        disconnect(limit);
        m_idleTimer->stop();
        m_heartbeat->stop();
        m_limitTimer->stop();
        m_waiting = false;
        m_waitLoop = nullptr;
    }
    if (m_complete)
        m_lastWaitEnd = WaitEnd::Complete;
    const QByteArray reply = m_reply;
    m_reply = QByteArray("");
    return reply;
}

void Interface::readData()
{
    if (!m_port)
        return;
    m_reply.append(m_port->readAll());
    m_reply = withoutEarlierReplies(m_reply, m_responsePrefix, m_answer);
    m_complete = isComplete();
    if (!m_waitLoop)
        return;
    if (m_complete)
        m_waitLoop->quit();
    else
        restartIdleTimer();
}

void Interface::serialErrorOcurred(QSerialPort::SerialPortError s)
{
    const QPointer<Interface> self(this);
    emit ifaceErrorOcurred(s);
    if (!self)
        return;
    // A vanished port keeps signalling; close it so that the wait in progress
    // ends by its idle time-out and later writes fail at once.
    if (s == QSerialPort::ResourceError) {
        closeSerial();
        if (m_waitLoop)
            m_waitLoop->quit();
    }
}

void Interface::restartIdleTimer()
{
    m_busyMs = 0;
    m_idleTimer->start(m_idleTimeoutMs);
}

void Interface::noteHeartbeat()
{
    const qint64 late = lateMsOfBeat();
    m_busyMs += late;
    m_waitBusyMs += late;
    m_beatClock.start();
}

qint64 Interface::lateMsOfBeat() const
{
    // The time past a beat's due time was spent elsewhere, up to now.
    const qint64 late = m_beatClock.elapsed() - kHeartbeatMs;
    return late > kLateTimeoutMs ? late : 0;
}

qint64 Interface::busyMsSinceIdleStart() const
{
    return m_busyMs + lateMsOfBeat();
}

qint64 Interface::busyMsOfWait() const
{
    return m_waitBusyMs + lateMsOfBeat();
}

bool Interface::isComplete() const
{
    // A bare OK to a command that must answer with information may still be
    // an earlier command's: the wait goes on, and hands it out only when
    // nothing else comes.
    if (m_answer == Answer::Information && m_reply == kOk)
        return false;
    return endsWithFinalLine(m_reply);
}

QByteArray Interface::responsePrefix(const QByteArray &command)
{
    if (!command.startsWith("AT+"))
        return QByteArray();
    int end = 3;
    while (end < command.size() && isNameCharacter(command.at(end)))
        ++end;
    return end == 3 ? QByteArray() : '+' + command.mid(3, end - 3) + ": ";
}

QByteArray Interface::withoutEarlierReplies(const QByteArray &bytes, const QByteArray &prefix,
                                            Answer answer)
{
    QByteArray kept;
    int from = 0;
    int finalLength = 0;
    for (int at = firstFinalLine(bytes, from, &finalLength); at >= 0;
         at = firstFinalLine(bytes, from, &finalLength)) {
        const int end = at + finalLength;
        const QByteArray reply = bytes.mid(from, end - from);
        int own = 0;
        int foreign = 0;
        const QByteArray ownReply = ownLines(reply, at - from, prefix, &own, &foreign);
        from = end;
        if (foreign > 0 && own == 0)
            continue;
        // Each command is answered by one final line: one that stands alone
        // before another reply is an earlier command's. So is a bare OK
        // before anything at all, when the answer must bring information.
        if (kept.isEmpty() && reply.size() == finalLength) {
            int nextLength = 0;
            const bool replyFollows = firstFinalLine(bytes, end, &nextLength) >= 0;
            const bool informationMayFollow =
                answer == Answer::Information && reply == kOk && end < bytes.size();
            if (replyFollows || informationMayFollow)
                continue;
        }
        kept += ownReply;
    }
    return kept + bytes.mid(from);
}

bool Interface::endsWithFinalLine(const QByteArray &buffer)
{
    return std::any_of(std::begin(kFinalLines), std::end(kFinalLines),
                       [&buffer](const QByteArray &line) { return buffer.endsWith(line); });
}
