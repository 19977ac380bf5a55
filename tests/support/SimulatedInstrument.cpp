#include "SimulatedInstrument.h"

#include "DeviceDateTime.h"

#include <QSocketNotifier>
#include <QTimer>

#include <cerrno>
#include <unistd.h>

namespace {

QList<int> numbersAfter(const QByteArray &command, const QByteArray &prefix)
{
    QList<int> numbers;
    for (const QByteArray &field : command.mid(prefix.size()).split(','))
        numbers.append(field.toInt());
    return numbers;
}

} // namespace

SimulatedInstrument::SimulatedInstrument(QObject *parent)
    : QObject(parent)
{
    if (m_pty.isOpen()) {
        m_notifier = new QSocketNotifier(m_pty.masterFd(), QSocketNotifier::Read, this);
        connect(m_notifier, &QSocketNotifier::activated, this, &SimulatedInstrument::readCommands);
        m_writeNotifier = new QSocketNotifier(m_pty.masterFd(), QSocketNotifier::Write, this);
        m_writeNotifier->setEnabled(false);
        connect(m_writeNotifier, &QSocketNotifier::activated, this,
                &SimulatedInstrument::flushOutput);
    }
    installCommonCommands();
    m_uptime.start();
}

SimulatedInstrument::~SimulatedInstrument() = default;

void SimulatedInstrument::setIdentity(const QByteArray &manufacturer, const QByteArray &product,
                                      const QByteArray &serial, const QByteArray &firmware)
{
    m_manufacturer = manufacturer;
    m_product = product;
    m_serial = serial;
    m_firmware = firmware;
}

SimulatedInstrument::Run *SimulatedInstrument::run(int index)
{
    for (Run &run : m_runs) {
        if (run.index == index)
            return &run;
    }
    return nullptr;
}

void SimulatedInstrument::setHandler(const QByteArray &prefix, const Handler &handler)
{
    m_handlers.insert(prefix, handler);
}

void SimulatedInstrument::scriptFault(const QByteArray &prefix, Fault fault, int occurrence,
                                      const QByteArray &reply)
{
    m_faults.append({prefix, fault, occurrence, reply});
}

void SimulatedInstrument::setTrickle(int pauseMs, int pieceSize)
{
    m_tricklePauseMs = pauseMs;
    m_tricklePiece = qMax(1, pieceSize);
}

QList<QByteArray> SimulatedInstrument::commandsStartingWith(const QByteArray &prefix) const
{
    QList<QByteArray> matching;
    for (const QByteArray &command : m_commands) {
        if (command.startsWith(prefix))
            matching.append(command);
    }
    return matching;
}

void SimulatedInstrument::startChatter(const QByteArray &line, int intervalMs)
{
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this, line] { sendNow(line); });
    timer->start(intervalMs);
}

void SimulatedInstrument::dropLink()
{
    delete m_notifier;
    m_notifier = nullptr;
    delete m_writeNotifier;
    m_writeNotifier = nullptr;
    m_output.clear();
    m_pty.close();
}

QByteArray SimulatedInstrument::information(const QByteArray &name, const QList<QByteArray> &texts)
{
    QByteArray reply;
    for (const QByteArray &text : texts)
        reply += "\r\n+" + name + ": " + text + "\r\n";
    return reply + ok();
}

QByteArray SimulatedText::joinFields(const QList<QByteArray> &fields)
{
    QByteArray text;
    for (int i = 0; i < fields.size(); ++i)
        text += (i ? "," : "") + fields.at(i);
    return text;
}

QByteArray SimulatedText::quoted(const QByteArray &text)
{
    return '"' + text + '"';
}

QByteArray SimulatedText::quotedDateTime(const QDateTime &dateTime)
{
    return quoted(dateTime.isValid() ? formatDeviceDateTime(dateTime).toLatin1() : ",");
}

QByteArray SimulatedText::joinInformationLines(const QByteArray &name,
                                               const QList<QByteArray> &lines)
{
    QByteArray text;
    for (int i = 0; i < lines.size(); ++i)
        text += (i ? "\r\n\r\n+" + name + ": " : QByteArray()) + lines.at(i);
    return text;
}

void SimulatedInstrument::installCommonCommands()
{
    setHandler("ATE0", [](const QByteArray &) { return ok(); });
    setHandler("AT+CGMI",
               [this](const QByteArray &) { return information("CGMI", {m_manufacturer}); });
    setHandler("AT+CGMM", [this](const QByteArray &) { return information("CGMM", {m_product}); });
    setHandler("AT+CGSN", [this](const QByteArray &) { return information("CGSN", {m_serial}); });
    setHandler("AT+CGMR", [this](const QByteArray &) { return information("CGMR", {m_firmware}); });
    setHandler("AT+CCLK=", [this](const QByteArray &command) {
        m_clock = command.mid(8);
        return ok();
    });
    setHandler("AT+VFCTF?",
               [this](const QByteArray &) { return information("VFCTF", {m_calibration}); });
    setHandler("AT+VFCTF=", [this](const QByteArray &command) {
        m_calibration = command.mid(9);
        return ok();
    });
    setHandler("AT+VFERSMM", [this](const QByteArray &) {
        m_runs.clear();
        return ok();
    });
    setHandler("AT+VFXPLST", [this](const QByteArray &) {
        QList<QByteArray> entries;
        for (const Run &run : qAsConst(m_runs))
            entries.append(run.listEntry);
        return information("VFXPLST", entries);
    });
    setHandler("AT+VFXPHDR=", [this](const QByteArray &command) {
        const QList<int> numbers = numbersAfter(command, "AT+VFXPHDR=");
        const Run *found = numbers.size() == 2 ? run(numbers.at(1)) : nullptr;
        if (!found || !found->pages.contains(numbers.at(0)))
            return error();
        return information("VFXPHDR", {found->pages.value(numbers.at(0))});
    });
    setHandler("AT+VFRDXP=", [this](const QByteArray &command) {
        const QList<int> numbers = numbersAfter(command, "AT+VFRDXP=");
        const Run *found = numbers.size() == 3 ? run(numbers.at(0)) : nullptr;
        if (!found)
            return error();
        QList<QByteArray> records;
        for (int number = numbers.at(1); number <= numbers.at(2); ++number) {
            if (number >= 1 && number <= found->records.size())
                records.append(found->records.at(number - 1));
        }
        return information("VFRDXP", records);
    });
}

void SimulatedInstrument::readCommands()
{
    char buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_pty.masterFd(), buffer, sizeof buffer);
        if (n > 0) {
            m_input.append(buffer, int(n));
            m_received.append(buffer, int(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    int end;
    while (m_pty.isOpen() && (end = m_input.indexOf("\r\n")) >= 0) {
        const QByteArray command = m_input.left(end);
        m_input.remove(0, end + 2);
        handle(command);
    }
}

bool SimulatedInstrument::takeFault(const QByteArray &command, ScriptedFault &fault)
{
    for (int i = 0; i < m_faults.size(); ++i) {
        ScriptedFault &scripted = m_faults[i];
        if (!command.startsWith(scripted.prefix))
            continue;
        if (scripted.countdown == 0) {
            fault = scripted;
            return true;
        }
        if (--scripted.countdown == 0) {
            fault = scripted;
            m_faults.removeAt(i);
            return true;
        }
    }
    return false;
}

QByteArray SimulatedInstrument::normalReply(const QByteArray &command)
{
    QByteArray longest;
    for (auto it = m_handlers.cbegin(); it != m_handlers.cend(); ++it) {
        if (command.startsWith(it.key()) && it.key().size() > longest.size())
            longest = it.key();
    }
    if (longest.isEmpty())
        return error();
    return m_handlers.value(longest)(command);
}

void SimulatedInstrument::handle(const QByteArray &command)
{
    m_commands.append(command);
    emit commandReceived(command);

    ScriptedFault fault;
    if (!takeFault(command, fault)) {
        const QByteArray reply =
            m_scriptedReplies.isEmpty() ? normalReply(command) : m_scriptedReplies.takeFirst();
        emit answered(command, reply);
        send(reply);
        return;
    }
    switch (fault.fault) {
    case Fault::Error:
        send(error());
        break;
    case Fault::Busy:
        send(busy());
        break;
    case Fault::Silence:
        break;
    case Fault::Truncate: {
        const QByteArray reply = normalReply(command);
        send(reply.left(qMax(1, reply.size() / 2)));
        break;
    }
    case Fault::Garble: {
        QByteArray reply = normalReply(command);
        const int informationEnd = qMax(0, reply.lastIndexOf(ok()));
        for (int i = 0; i < informationEnd; i += 2)
            reply[i] = char(reply.at(i) ^ 0x5a);
        send(reply);
        break;
    }
    case Fault::Trickle:
        trickle(normalReply(command));
        break;
    case Fault::DropLink:
        dropLink();
        break;
    case Fault::Reply:
        send(fault.reply);
        break;
    case Fault::Late:
        sendLate(normalReply(command));
        break;
    }
}

void SimulatedInstrument::send(const QByteArray &bytes)
{
    const qint64 now = m_uptime.elapsed();
    if (m_busyUntilMs > now) {
        // Still on a late reply: this answer follows it, a little later, as
        // the instrument then works through the next command.
        const int kNextAnswerMs = 20;
        m_busyUntilMs = qMax(m_busyUntilMs, now + m_answerDelayMs) + kNextAnswerMs;
        sendAt(m_busyUntilMs, bytes);
        return;
    }
    if (m_answerDelayMs <= 0) {
        sendNow(bytes);
        return;
    }
    sendAt(now + m_answerDelayMs, bytes);
}

void SimulatedInstrument::sendLate(const QByteArray &bytes)
{
    m_busyUntilMs = qMax(m_busyUntilMs, m_uptime.elapsed() + m_lateReplyMs);
    sendAt(m_busyUntilMs, bytes);
}

void SimulatedInstrument::sendAt(qint64 dueMs, const QByteArray &bytes)
{
    const qint64 delay = qMax<qint64>(0, dueMs - m_uptime.elapsed());
    QTimer::singleShot(int(delay), Qt::PreciseTimer, this, [this, bytes] { sendNow(bytes); });
}

void SimulatedInstrument::sendNow(const QByteArray &bytes)
{
    m_output.append(bytes);
    flushOutput();
}

void SimulatedInstrument::flushOutput()
{
    while (m_pty.isOpen() && !m_output.isEmpty()) {
        const ssize_t n = ::write(m_pty.masterFd(), m_output.constData(), size_t(m_output.size()));
        if (n > 0) {
            m_output.remove(0, int(n));
        } else if (n < 0 && errno == EINTR) {
            continue;
        } else {
            break; // the pty is full: go on when the application has read
        }
    }
    if (m_writeNotifier)
        m_writeNotifier->setEnabled(m_pty.isOpen() && !m_output.isEmpty());
}

void SimulatedInstrument::trickle(const QByteArray &bytes)
{
    for (int offset = 0, step = 0; offset < bytes.size(); offset += m_tricklePiece, ++step) {
        const QByteArray piece = bytes.mid(offset, m_tricklePiece);
        QTimer::singleShot(m_answerDelayMs + step * m_tricklePauseMs, this,
                           [this, piece] { sendNow(piece); });
    }
}
