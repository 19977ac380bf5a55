#include "Interface.h"
#include "SimulatedInstrument.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QThread>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(Interface::Answer)

// The serial link against a simulated instrument over a real pseudo-terminal.
class TestInterface : public QObject
{
    Q_OBJECT

private:
    static constexpr int kIdleMs = 300;

    struct Link
    {
        SimulatedInstrument instrument;
        Interface link;
        Link()
        {
            link.setPortName(instrument.portPath());
            link.setIdleTimeout(kIdleMs);
        }
    };

private slots:
    void finalLineEndsTheWaitAtOnce_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::newRow("OK") << QByteArray("\r\n+X: valtrix\r\n\r\nOK\r\n");
        QTest::newRow("ERROR") << QByteArray("\r\nERROR\r\n");
        QTest::newRow("BUSY") << QByteArray("\r\nBUSY\r\n");
    }

    void finalLineEndsTheWaitAtOnce()
    {
        QFETCH(QByteArray, reply);
        Link l;
        l.link.setIdleTimeout(5000);
        l.instrument.scriptFault("AT+X", SimulatedInstrument::Fault::Reply, 1, reply);
        QCOMPARE(l.link.open(), 0);
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(l.link.write("AT+X\r\n"), 0);
        QCOMPARE(l.link.readReply(), reply);
        QVERIFY2(clock.elapsed() < 2000, "the wait did not end on the final line");
        QCOMPARE(l.link.lastWaitEnd(), Interface::WaitEnd::Complete);
        QCOMPARE(l.instrument.commands(), QList<QByteArray>{"AT+X"});
    }

    void byteAfterFinalLineWaitsForSilence()
    {
        Link l;
        const QByteArray reply("\r\nOK\r\nX");
        l.instrument.scriptFault("AT+X", SimulatedInstrument::Fault::Reply, 1, reply);
        QCOMPARE(l.link.open(), 0);
        QElapsedTimer clock;
        clock.start();
        l.link.write("AT+X\r\n");
        QCOMPARE(l.link.readReply(), reply);
        QVERIFY(clock.elapsed() >= kIdleMs - 5);
    }

    void busyThreadIsNoSilence_data()
    {
        QTest::addColumn<int>("busyMs");
        QTest::addColumn<int>("replyLimitMs");
        QTest::newRow("far past the idle time-out") << 3 * kIdleMs << 0;
        // The idle time-out then fires only a little late, as if on time.
        QTest::newRow("just past the idle time-out") << kIdleMs + kIdleMs / 8 << 0;
        QTest::newRow("past the reply limit") << 3 * kIdleMs << 2 * kIdleMs;
    }

    // A thread busy elsewhere for longer than the idle time-out (or the
    // reply limit), before the answer had its turn, has not heard silence:
    // the wait goes on.
    void busyThreadIsNoSilence()
    {
        QFETCH(int, busyMs);
        QFETCH(int, replyLimitMs);
        Link l;
        if (replyLimitMs > 0)
            l.link.setReplyLimit(replyLimitMs);
        QCOMPARE(l.link.open(), 0);
        QTimer::singleShot(0, [busyMs] { QThread::msleep(busyMs); });
        QCOMPARE(l.link.write("AT+CGMI\r\n"), 0);
        QCOMPARE(l.link.readReply(), QByteArray("\r\n+CGMI: valtrix\r\n\r\nOK\r\n"));
        QCOMPARE(l.link.lastWaitEnd(), Interface::WaitEnd::Complete);
    }

    void tricklingReplyIsCollectedWhole()
    {
        Link l;
        l.instrument.setTrickle(kIdleMs / 3, 2);
        l.instrument.scriptFault("AT+CGMI", SimulatedInstrument::Fault::Trickle);
        QCOMPARE(l.link.open(), 0);
        l.link.write("AT+CGMI\r\n");
        QCOMPARE(l.link.readReply(), QByteArray("\r\n+CGMI: valtrix\r\n\r\nOK\r\n"));
    }

    void silenceGivesEmptyReplyAfterIdleTime()
    {
        Link l;
        l.instrument.scriptFault("AT+CGMI", SimulatedInstrument::Fault::Silence);
        QCOMPARE(l.link.open(), 0);
        QElapsedTimer clock;
        clock.start();
        l.link.write("AT+CGMI\r\n");
        QCOMPARE(l.link.readReply(), QByteArray(""));
        QVERIFY(clock.elapsed() >= kIdleMs - 5);
    }

    // A port that never falls silent ends the wait at the reply limit, with
    // what it sent; the idle time-out alone would wait for ever.
    void talkativePortEndsTheWaitAtTheReplyLimit()
    {
        Link l;
        l.link.setReplyLimit(3 * kIdleMs);
        l.instrument.scriptFault("", SimulatedInstrument::Fault::Silence, 0);
        l.instrument.startChatter("$GPGGA,123519,4807.038,N\r\n", 100);
        QCOMPARE(l.link.open(), 0);
        l.link.write("ATE0\r\n");
        const QByteArray reply = l.link.readReply();
        QVERIFY(reply.contains("$GPGGA"));
        QCOMPARE(l.link.lastWaitEnd(), Interface::WaitEnd::ReplyLimit);
    }

    void secondReadWithoutWriteReturnsAtOnce()
    {
        Link l;
        l.link.setIdleTimeout(5000);
        QCOMPARE(l.link.open(), 0);
        l.link.write("ATE0\r\n");
        QCOMPARE(l.link.readReply(), QByteArray("\r\nOK\r\n"));
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(l.link.readReply(), QByteArray(""));
        QVERIFY(clock.elapsed() < 1000);
    }

    // Bytes that came after a wait gave up answer that command: the next
    // command drops them before it is sent.
    void lateBytesAreDroppedBeforeTheNextCommand()
    {
        Link l;
        l.instrument.setAnswerDelay(kIdleMs * 3);
        QCOMPARE(l.link.open(), 0);
        l.link.write("AT+CGMM\r\n");
        QCOMPARE(l.link.readReply(), QByteArray(""));
        l.instrument.setAnswerDelay(0);
        QTest::qWait(kIdleMs * 3);
        l.link.write("AT+CGMI\r\n");
        QCOMPARE(l.link.readReply(), QByteArray("\r\n+CGMI: valtrix\r\n\r\nOK\r\n"));
    }

    // A reply that comes after the idle time-out, while the next command
    // waits, is never taken as that command's answer; the instrument answers
    // the next command after it.
    void lateReplyIsNotTakenByTheNextCommand_data()
    {
        QTest::addColumn<QByteArray>("late");
        QTest::addColumn<QByteArray>("next");
        QTest::addColumn<Interface::Answer>("answer");
        QTest::addColumn<QByteArray>("reply");
        const QByteArray identity("\r\n+CGMI: valtrix\r\n\r\nOK\r\n");
        QTest::newRow("information, then a command without a name")
            << QByteArray("AT+CGMM") << QByteArray("ATE0") << Interface::Answer::Any
            << QByteArray("\r\nOK\r\n");
        QTest::newRow("information, then another query")
            << QByteArray("AT+CGMM") << QByteArray("AT+CGMI") << Interface::Answer::Any << identity;
        QTest::newRow("final line alone, then a query for information")
            << QByteArray("ATE0") << QByteArray("AT+CGMI") << Interface::Answer::Information
            << identity;
    }

    void lateReplyIsNotTakenByTheNextCommand()
    {
        QFETCH(QByteArray, late);
        QFETCH(QByteArray, next);
        QFETCH(Interface::Answer, answer);
        QFETCH(QByteArray, reply);
        Link l;
        l.link.setIdleTimeout(500);
        l.instrument.scriptFault(late, SimulatedInstrument::Fault::Late);
        QCOMPARE(l.link.open(), 0);
        QCOMPARE(l.link.write(late + "\r\n"), 0);
        QCOMPARE(l.link.readReply(), QByteArray(""));
        QCOMPARE(l.link.write(next + "\r\n", answer), 0);
        QCOMPARE(l.link.readReply(), reply);
        QCOMPARE(l.link.lastWaitEnd(), Interface::WaitEnd::Complete);
    }

    void responsePrefixes_data()
    {
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("prefix");
        QTest::newRow("query") << QByteArray("AT+CGMI\r\n") << QByteArray("+CGMI: ");
        QTest::newRow("setting") << QByteArray("AT+VFTSTCFG?\r\n") << QByteArray("+VFTSTCFG: ");
        QTest::newRow("arguments") << QByteArray("AT+VFXPHDR=6,2\r\n") << QByteArray("+VFXPHDR: ");
        QTest::newRow("no name") << QByteArray("ATE0\r\n") << QByteArray();
        QTest::newRow("empty name") << QByteArray("AT+=1\r\n") << QByteArray();
        QTest::newRow("empty") << QByteArray() << QByteArray();
    }

    void responsePrefixes()
    {
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, prefix);
        QCOMPARE(Interface::responsePrefix(command), prefix);
    }

    // What arrived for "AT+CGMI", and what of it answers that command.
    void repliesOfEarlierCommandsAreDropped_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Interface::Answer>("answer");
        QTest::addColumn<QByteArray>("kept");
        const QByteArray own("\r\n+CGMI: valtrix\r\n\r\nOK\r\n");
        const QByteArray other("\r\n+VFXPLST: 0,12,run0\r\n\r\n+VFXPLST: 1,3,run1\r\n\r\nOK\r\n");
        const QByteArray ok("\r\nOK\r\n");
        const QByteArray busy("\r\nBUSY\r\n");
        const auto any = Interface::Answer::Any;
        const auto information = Interface::Answer::Information;
        QTest::newRow("own reply") << own << any << own;
        QTest::newRow("own reply, busy") << busy << any << busy;
        QTest::newRow("another command's reply before") << other + own << any << own;
        QTest::newRow("another command's reply alone") << other << any << QByteArray();
        QTest::newRow("another command's reply, own still coming")
            << other + "\r\n+CGMI: val" << any << QByteArray("\r\n+CGMI: val");
        QTest::newRow("another command's line cut short before")
            << "\r\n+VFXPLST: 0,1" + own << any << own;
        QTest::newRow("another command's line amid own lines")
            << QByteArray("\r\n+CGMI: a\r\n\r\n+CGMM: b\r\n\r\n+CGMI: c\r\n\r\nOK\r\n") << any
            << QByteArray("\r\n+CGMI: a\r\n\r\n+CGMI: c\r\n\r\nOK\r\n");
        QTest::newRow("a final line alone before") << busy + own << any << own;
        QTest::newRow("two final lines alone") << ok + ok << any << ok;
        QTest::newRow("bare OK before information")
            << ok + "\r\n+CGMI: v" << information << QByteArray("\r\n+CGMI: v");
        QTest::newRow("bare OK before more, any answer")
            << ok + "\r\n+CGMI: v" << any << ok + "\r\n+CGMI: v";
        QTest::newRow("bare OK alone") << ok << information << ok;
        QTest::newRow("byte after the final line") << ok + "X" << any << ok + "X";
        QTest::newRow("text without a prefix") << QByteArray("\r\nvaltrix\r\n\r\nOK\r\n") << any
                                               << QByteArray("\r\nvaltrix\r\n\r\nOK\r\n");
        QTest::newRow("a plus that is no prefix") << QByteArray("\r\n+5 dB\r\n\r\nOK\r\n") << any
                                                  << QByteArray("\r\n+5 dB\r\n\r\nOK\r\n");
    }

    void repliesOfEarlierCommandsAreDropped()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Interface::Answer, answer);
        QFETCH(QByteArray, kept);
        QCOMPARE(Interface::withoutEarlierReplies(bytes, "+CGMI: ", answer), kept);
        // Dropping again drops nothing more.
        QCOMPARE(Interface::withoutEarlierReplies(kept, "+CGMI: ", answer), kept);
    }

    void missingPortFailsAndKeepsNoPort()
    {
        Interface link;
        link.setPortName("/dev/valtrix-no-such-port");
        QCOMPARE(link.open(), 1);
        QVERIFY(!link.serialPort());
        QCOMPARE(link.write("ATE0\r\n"), 1);
    }

    void linkTypes_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("openResult");
        QTest::addColumn<int>("closeResult");
        QTest::newRow("reserved 1") << 1 << 0 << 1;
        QTest::newRow("reserved 2") << 2 << 0 << 2;
        QTest::newRow("unknown 3") << 3 << 1 << 3;
    }

    void linkTypes()
    {
        QFETCH(int, type);
        QFETCH(int, openResult);
        QFETCH(int, closeResult);
        Interface link;
        link.setLinkType(type);
        link.setPortName("/dev/valtrix-no-such-port");
        QCOMPARE(link.open(), openResult);
        QVERIFY(!link.serialPort());
        QCOMPARE(link.close(), closeResult);
    }

    void writeDuringAWaitIsRefused()
    {
        Link l;
        l.instrument.setAnswerDelay(60);
        QCOMPARE(l.link.open(), 0);
        int nestedWrite = -1;
        QTimer::singleShot(10, [&] { nestedWrite = l.link.write("AT+CGMI\r\n"); });
        l.link.write("ATE0\r\n");
        QCOMPARE(l.link.readReply(), QByteArray("\r\nOK\r\n"));
        QCOMPARE(nestedWrite, 1);
        QCOMPARE(l.instrument.commands(), QList<QByteArray>{"ATE0"});
    }

    void droppedLinkIsReportedAndEndsTheWait()
    {
        Link l;
        l.link.setIdleTimeout(5000);
        l.instrument.scriptFault("AT+CGMI", SimulatedInstrument::Fault::DropLink);
        QCOMPARE(l.link.open(), 0);
        QSignalSpy errors(&l.link, &Interface::ifaceErrorOcurred);
        QElapsedTimer clock;
        clock.start();
        l.link.write("AT+CGMI\r\n");
        QCOMPARE(l.link.readReply(), QByteArray(""));
        QVERIFY(clock.elapsed() < 4000);
        QVERIFY(!errors.isEmpty());
        QCOMPARE(l.link.write("ATE0\r\n"), 1);
    }
};

QTEST_MAIN(TestInterface)
#include "tst_interface.moc"
