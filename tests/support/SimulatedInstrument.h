#pragma once

#include "PseudoTerminal.h"

#include <QByteArray>
#include <QDateTime>
#include <QElapsedTimer>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <functional>

class QSocketNotifier;
class QTimer;

// A simulated Valtrix instrument at the far end of a pseudo-terminal. It reads
// "\r\n"-terminated commands and answers in the AT manner. Each command is
// handled by the handler of its longest matching prefix; model families add
// their own commands (see SimulatedModels.h). Any command can be scripted to
// fail at its N-th occurrence.
class SimulatedInstrument : public QObject
{
    Q_OBJECT

public:
    using Handler = std::function<QByteArray(const QByteArray &command)>;

    enum class Fault
    {
        Error,    // "\r\nERROR\r\n"
        Busy,     // "\r\nBUSY\r\n"
        Silence,  // no answer at all
        Truncate, // the first half of the normal reply, no final line
        Garble,   // the normal reply with its information bytes scrambled
        Trickle,  // the normal reply in small pieces with pauses
        DropLink, // the line vanishes instead of an answer
        Reply,    // a scripted reply text instead of the normal one
        // The normal reply, but late (setLateReply): the instrument answers
        // the commands that come meanwhile only after it, one by one.
        Late,
    };

    // One run held in the instrument's memory.
    struct Run
    {
        int index = 0;
        QDateTime start;
        QByteArray listEntry;        // the text after "+VFXPLST: "
        QList<QByteArray> records;   // the texts after "+VFRDXP: "
        QMap<int, QByteArray> pages; // header page number -> text after "+VFXPHDR: "
    };

    explicit SimulatedInstrument(QObject *parent = nullptr);
    ~SimulatedInstrument() override;

    QString portPath() const { return m_pty.slavePath(); }
    bool isConnected() const { return m_pty.isOpen(); }

    // Identity replies to AT+CGMI, AT+CGMM, AT+CGSN and AT+CGMR.
    void setIdentity(const QByteArray &manufacturer, const QByteArray &product,
                     const QByteArray &serial, const QByteArray &firmware);
    QByteArray productName() const { return m_product; }
    // The text after "+VFCTF: " that AT+VFCTF? answers.
    void setCalibrationText(const QByteArray &text) { m_calibration = text; }
    QByteArray calibrationText() const { return m_calibration; }
    QByteArray clockText() const { return m_clock; }

    void addRun(const Run &run) { m_runs.append(run); }
    QList<Run> runs() const { return m_runs; }
    void clearRuns() { m_runs.clear(); }
    Run *run(int index);

    // The handler of every command that starts with `prefix`.
    void setHandler(const QByteArray &prefix, const Handler &handler);

    // Fails the `occurrence`-th command (1-based, counted from now) that starts
    // with `prefix`; 0 fails every one.
    void scriptFault(const QByteArray &prefix, Fault fault, int occurrence = 1,
                     const QByteArray &reply = QByteArray());
    void clearFaults() { m_faults.clear(); }
    // Pause between the pieces of a trickled reply, and piece size.
    void setTrickle(int pauseMs, int pieceSize);
    // Delay before every answer, as a slow instrument would take.
    void setAnswerDelay(int milliseconds) { m_answerDelayMs = milliseconds; }
    // How late a Late reply comes (800 ms, past a link's idle time-out).
    void setLateReply(int milliseconds) { m_lateReplyMs = milliseconds; }

    // The commands received, without their "\r\n", in order.
    QList<QByteArray> commands() const { return m_commands; }
    QList<QByteArray> commandsStartingWith(const QByteArray &prefix) const;
    void clearCommands() { m_commands.clear(); }
    // Every byte received, as it came (commands are cut from these at "\r\n").
    QByteArray received() const { return m_received; }
    void clearReceived() { m_received.clear(); }

    // Answers the next commands with these replies, one each and in order,
    // instead of their handlers' (scripted faults still come first). Once they
    // are used up the handlers answer again.
    void scriptReplies(const QList<QByteArray> &replies) { m_scriptedReplies = replies; }

    // Sends `line` every `intervalMs` from now on, whatever is asked, as a
    // console or a GPS receiver on a serial port does.
    void startChatter(const QByteArray &line, int intervalMs);

    // Closes the line now, as a pulled cable would.
    void dropLink();

    // Reply builders.
    static QByteArray ok() { return "\r\nOK\r\n"; }
    static QByteArray error() { return "\r\nERROR\r\n"; }
    static QByteArray busy() { return "\r\nBUSY\r\n"; }
    // "\r\n+NAME: text\r\n" for each text, then OK.
    static QByteArray information(const QByteArray &name, const QList<QByteArray> &texts);

signals:
    void commandReceived(const QByteArray &command);
    // A command and the reply it was given (without its faults).
    void answered(const QByteArray &command, const QByteArray &reply);

private:
    struct ScriptedFault
    {
        QByteArray prefix;
        Fault fault;
        int countdown;
        QByteArray reply;
    };

    void installCommonCommands();
    void readCommands();
    void handle(const QByteArray &command);
    QByteArray normalReply(const QByteArray &command);
    bool takeFault(const QByteArray &command, ScriptedFault &fault);
    void send(const QByteArray &bytes);
    void sendLate(const QByteArray &bytes);
    void sendAt(qint64 dueMs, const QByteArray &bytes);
    void sendNow(const QByteArray &bytes);
    void flushOutput();
    void trickle(const QByteArray &bytes);

    PseudoTerminal m_pty;
    QSocketNotifier *m_notifier = nullptr;
    QSocketNotifier *m_writeNotifier = nullptr;
    QByteArray m_input;
    QByteArray m_output;
    QMap<QByteArray, Handler> m_handlers;
    QList<ScriptedFault> m_faults;
    QList<QByteArray> m_commands;
    QByteArray m_received;
    QList<QByteArray> m_scriptedReplies;
    QList<Run> m_runs;
    QByteArray m_manufacturer = "valtrix";
    QByteArray m_product = "DRAVO 2";
    QByteArray m_serial = "123456";
    QByteArray m_firmware = "1.0.0";
    QByteArray m_calibration = "\"CERT-0001\",\"21/10/29,14:20:02+00\"";
    QByteArray m_clock;
    int m_tricklePauseMs = 20;
    int m_tricklePiece = 3;
    int m_answerDelayMs = 0;
    int m_lateReplyMs = 800;
    QElapsedTimer m_uptime;
    // Until when (on m_uptime) the instrument is still working on a late
    // reply and the answers after it.
    qint64 m_busyUntilMs = 0;
};

// Builders of the texts of information lines: fields joined by ",", a text in
// double quotes, and the instrument's quoted date-time, or a quoted "," when
// `dateTime` is not valid, so that the date and time fields stay in place but
// empty.
namespace SimulatedText {
QByteArray joinFields(const QList<QByteArray> &fields);
QByteArray quoted(const QByteArray &text);
QByteArray quotedDateTime(const QDateTime &dateTime);
// Several "+<name>: " lines as the text of one: the lines after the first
// carry their own framing, so that information(name, {text}) frames each.
QByteArray joinInformationLines(const QByteArray &name, const QList<QByteArray> &lines);
} // namespace SimulatedText
