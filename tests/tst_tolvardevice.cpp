#include "SimulatedLink.h"
#include "SimulatedTolvarRuns.h"
#include "models/tolvar/Tolvar.h"
#include "models/tolvar/Tolvar4.h"
#include "models/tolvar/Tolvar4Results.h"
#include "models/tolvar/TolvarExperiment.h"

#include <QSignalSpy>
#include <QtTest>
#include <memory>

Q_DECLARE_METATYPE(SimulatedInstrument::Fault)

// A pump's header read: the command, the reply forms it takes and refuses.
class TestTolvarDevice : public QObject
{
    Q_OBJECT

private:
    using Fault = SimulatedInstrument::Fault;
    using Model = SimulatedTolvarRuns::Model;

private slots:
    void headerRead_data()
    {
        QTest::addColumn<bool>("tolvar4");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("read");
        QTest::addColumn<int>("busy");
        const QByteArray fields = "1,0,\"L\",\"S\",60,3600,0,2.4,2.00,2.01,1.98,12.0,"
                                  "\"24/05/17,08:00:00+00\",\"24/05/17,09:00:00+00\",\",\",\",\"";
        QTest::newRow("in pieces, as the pump sends it")
            << false << Fault::Trickle << QByteArray() << true << 0;
        QTest::newRow("TOLVAR 4") << true << Fault::Trickle << QByteArray() << true << 0;
        QTest::newRow("no empty line before OK")
            << false << Fault::Reply << "+VFXPHDR: " + fields + "\r\nOK\r\n"
            << true << 0;
        QTest::newRow("ERROR") << false << Fault::Error << QByteArray() << false << 0;
        QTest::newRow("BUSY") << true << Fault::Busy << QByteArray() << false << 1;
        QTest::newRow("silence") << false << Fault::Silence << QByteArray() << false << 0;
        QTest::newRow("page 2") << false << Fault::Reply
                                << "\r\n+VFXPHDR: 2" + fields.mid(1) + "\r\n\r\nOK\r\n"
                                << false << 0;
        QTest::newRow("TOLVAR 3 PLUS page on a TOLVAR 4")
            << true << Fault::Reply << "\r\n+VFXPHDR: " + fields + "\r\n\r\nOK\r\n"
            << false << 0;
    }

    void headerRead()
    {
        QFETCH(bool, tolvar4);
        QFETCH(Fault, fault);
        QFETCH(QByteArray, reply);
        QFETCH(bool, read);
        QFETCH(int, busy);
        SimulatedLink link;
        link.instrument->addRun(
            SimulatedTolvarRuns::makeRun(tolvar4 ? Model::Tolvar4 : Model::Tolvar3Plus, 0, 3,
                                         QDateTime(QDate(2024, 5, 17), QTime(8, 0), Qt::UTC)));
        link.device->setProductName(tolvar4 ? "TOLVAR 4" : "TOLVAR 3 PLUS");
        std::unique_ptr<Tolvar> pump(tolvar4 ? new Tolvar4(link.device.get())
                                             : new Tolvar(link.device.get()));
        link.instrument->setTrickle(2, 16);
        link.instrument->scriptFault("AT+VFXPHDR=", fault, 1, reply);
        QSignalSpy busySignals(pump.get(), &Device::busy);
        TolvarExperiment run;
        std::unique_ptr<Results> results(pump->readExperimentHeader(&run));
        QCOMPARE(link.instrument->commands(), QList<QByteArray>{"AT+VFXPHDR=1,0"});
        QCOMPARE(bool(results), read);
        QCOMPARE(busySignals.count(), busy);
        if (results)
            QCOMPARE(bool(qobject_cast<Tolvar4Results *>(results.get())), tolvar4);
    }
};

QTEST_GUILESS_MAIN(TestTolvarDevice)
#include "tst_tolvardevice.moc"
