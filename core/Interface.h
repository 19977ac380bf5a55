#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QSerialPort>
#include <QString>

class QEventLoop;
class QTimer;

// The serial link of one instrument: writes one command line at a time and
// collects the reply until it ends with a final result line ("\r\nOK\r\n",
// "\r\nERROR\r\n" or "\r\nBUSY\r\n") or the line has been idle for the idle
// time-out (500 ms) while the thread listened: a time-out that comes late,
// after the thread was busy elsewhere, waits once more. Each arrival of bytes
// restarts the idle time-out; the reply limit bounds the whole wait, so that a
// port that never falls silent (a console, a GPS receiver, a confused
// instrument) cannot hold it forever.
//
// A reply is taken only by the command it answers. An instrument that answers
// late (after the idle time-out gave up on it) still sends its reply, which
// then arrives while a later command waits. So every write drops whatever is
// waiting, and the wait drops the replies of earlier commands as they come:
// a complete reply whose information lines carry another command's response
// prefix, a final line alone that another reply follows, and, for a command
// whose answer must hold its own information line, a bare final OK that comes
// before that line. A final line alone that nothing follows cannot be told
// from the command's own answer: it is taken, and fails that command.
class Interface : public QObject
{
    Q_OBJECT

public:
    enum LinkType
    {
        SerialLink = 0
    };
    static constexpr int DefaultIdleTimeoutMs = 500;
    // The longest reply is a block of ten records, a few kilobytes: even a
    // line of 9600 baud carries it in about 5 s, and a slow instrument gets
    // the rest.
    static constexpr int DefaultReplyLimitMs = 10000;

    // What the answer to a command holds when the instrument takes it.
    enum class Answer
    {
        Any,         // information lines, or the final line alone
        Information, // at least one information line with the command's prefix
    };

    // How the last wait for a reply ended.
    enum class WaitEnd
    {
        Complete,   // a final result line ended the reply
        Idle,       // the line fell silent
        ReplyLimit, // the port kept sending until the reply limit
    };

    explicit Interface(QObject *parent = nullptr);
    ~Interface() override;

    void setPortName(const QString &portName) { m_portName = portName; }
    QString portName() const { return m_portName; }
    void setLinkType(int linkType) { m_linkType = linkType; }
    int linkType() const { return m_linkType; }

    // 0 open; 1 failed. Link types 1 and 2 are reserved and open nothing.
    int open();
    int openSerial();
    // Why the last open of the serial port failed (NoError when it did not).
    QSerialPort::SerialPortError openError() const { return m_openError; }
    QString openErrorString() const { return m_openErrorString; }
    // Link type 0 closes the port and gives 0; any other type is returned.
    int close();
    void closeSerial();

    // 0 sent, 1 failed. A write while a reply is being awaited is refused, so
    // that two commands never interleave on the line. Bytes received and not
    // yet handed out are dropped first: they answer an earlier command.
    int write(const QByteArray &command, Answer answer = Answer::Any);
    // Waits for the reply of the last write and hands out what arrived,
    // possibly incomplete or empty.
    QByteArray readReply();

    QSerialPort *serialPort() const { return m_port; }
    bool isWaiting() const { return m_waiting; }

    // Tests shorten the idle time-out so that silence does not cost 500 ms.
    void setIdleTimeout(int milliseconds) { m_idleTimeoutMs = milliseconds; }
    int idleTimeout() const { return m_idleTimeoutMs; }
    void setReplyLimit(int milliseconds) { m_replyLimitMs = milliseconds; }
    int replyLimit() const { return m_replyLimitMs; }
    WaitEnd lastWaitEnd() const { return m_lastWaitEnd; }

    // The response prefix of the information lines that answer `command`:
    // "+NAME: " for "AT+NAME...", empty for a command without a name ("ATE0").
    static QByteArray responsePrefix(const QByteArray &command);
    // `bytes` received for a command of response prefix `prefix`, without the
    // replies of earlier commands: every complete reply (up to its final
    // line) whose information lines all carry another prefix, the lines of
    // another prefix in a reply that also holds its own, a final line alone
    // that another complete reply follows, and, for an Information answer,
    // a bare OK that more bytes follow.
    static QByteArray withoutEarlierReplies(const QByteArray &bytes, const QByteArray &prefix,
                                            Answer answer);

signals:
    void ifaceErrorOcurred(QSerialPort::SerialPortError s);

public slots:
    void readData();
    void serialErrorOcurred(QSerialPort::SerialPortError s);

private:
    static bool endsWithFinalLine(const QByteArray &buffer);
    bool isComplete() const;
    void restartIdleTimer();
    void noteHeartbeat();
    qint64 lateMsOfBeat() const;
    qint64 busyMsSinceIdleStart() const;
    qint64 busyMsOfWait() const;

    QByteArray m_reply{""};
    bool m_complete = false;
    // What the command awaiting its reply answers with.
    QByteArray m_responsePrefix;
    Answer m_answer = Answer::Any;
    int m_linkType = SerialLink;
    QSerialPort *m_port = nullptr;
    QString m_portName;
    QSerialPort::SerialPortError m_openError = QSerialPort::NoError;
    QString m_openErrorString;
    QMetaObject::Connection m_errorConnection;
    QMetaObject::Connection m_readConnection;
    bool m_waiting = false;
    int m_idleTimeoutMs = DefaultIdleTimeoutMs;
    int m_replyLimitMs = DefaultReplyLimitMs;
    WaitEnd m_lastWaitEnd = WaitEnd::Complete;
    QEventLoop *m_waitLoop = nullptr;
    QTimer *m_idleTimer = nullptr;
    // Beats while a reply is awaited; a beat that comes late shows how long
    // the thread was busy elsewhere instead of listening.
    QTimer *m_heartbeat = nullptr;
    QElapsedTimer m_beatClock;
    // Time the thread was busy elsewhere up to the last beat: since the last
    // byte (or the start of the wait), and in the whole wait.
    qint64 m_busyMs = 0;
    qint64 m_waitBusyMs = 0;
    // Busy time by which the reply limit has been extended.
    qint64 m_limitCreditMs = 0;
    QTimer *m_limitTimer = nullptr;
};
