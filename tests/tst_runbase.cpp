#include "DeviceConfig.h"
#include "Experiment.h"
#include "LeqPerOctave.h"
#include "Log.h"
#include "ModelRegistry.h"
#include "Results.h"
#include "VfQList.h"

#include <QJsonArray>
#include <QSignalSpy>
#include <QtTest>

namespace {

// A record that reads "+VFRDXP: <n>" and counts its instances, so that the
// test sees when logs are released.
class CountingLog : public Log
{
public:
    static int alive;
    CountingLog() { ++alive; }
    ~CountingLog() override { --alive; }
    int parseRecord(QByteArray record) override
    {
        return record.startsWith("+VFRDXP: ") && record.size() > 9 ? 0 : 1;
    }
};
int CountingLog::alive = 0;

const QString kModel = QStringLiteral("RUNBASE TEST");

} // namespace

// The run, sample and results base classes and the chain of runs.
class TestRunBase : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ModelEntry entry;
        entry.productName = kModel;
        entry.makeLog = [] { return new CountingLog; };
        ModelRegistry::instance().add(entry);
    }

    void cleanupTestCase() { ModelRegistry::instance().remove(kModel); }

    void chainPlacesAndPositions_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<QList<int>>("places");
        QTest::newRow("one run") << 1 << QList<int>{-3};
        QTest::newRow("two runs") << 2 << QList<int>{-2, -1};
        QTest::newRow("three runs") << 3 << QList<int>{-2, 0, -1};
    }

    void chainPlacesAndPositions()
    {
        QFETCH(int, length);
        QFETCH(QList<int>, places);
        QList<Experiment *> runs;
        for (int i = 0; i < length; ++i) {
            runs.append(new Experiment);
            if (i > 0)
                runs.first()->append(runs.last());
        }
        for (int i = 0; i < length; ++i) {
            QCOMPARE(runs.at(i)->chainPlace(), places.at(i));
            QCOMPARE(runs.at(i)->position(), i + 1);
            QCOMPARE(runs.at(i)->first(), runs.first());
        }
        runs.first()->deleteChain();
    }

    void deletingRunReleasesLogsAndResultsAndUnlinks()
    {
        auto *head = new Experiment;
        auto *tail = new Experiment;
        head->append(tail);
        tail->setLogs({new CountingLog, new CountingLog});
        QPointer<Results> results = new Results;
        tail->setResults(results);
        QCOMPARE(CountingLog::alive, 2);
        delete tail;
        QCOMPARE(CountingLog::alive, 0);
        QVERIFY(results.isNull());
        QVERIFY(!head->next());
        QCOMPARE(head->chainPlace(), -3);
        head->deleteChain();
    }

    void parseRecordsStopsAtBadRecord_data()
    {
        QTest::addColumn<QList<QByteArray>>("records");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("logs");
        QTest::newRow("all good") << QList<QByteArray>{"+VFRDXP: 1\n", "+VFRDXP: 2"} << 0 << 2;
        QTest::newRow("empty last element (a bare OK block)")
            << QList<QByteArray>{"+VFRDXP: 1\n", "+VFRDXP: 2\n", ""} << 1 << 2;
        QTest::newRow("bad first") << QList<QByteArray>{"junk", "+VFRDXP: 2"} << 1 << 0;
        QTest::newRow("none") << QList<QByteArray>{} << 0 << 0;
    }

    void parseRecordsStopsAtBadRecord()
    {
        QFETCH(QList<QByteArray>, records);
        QFETCH(int, result);
        QFETCH(int, logs);
        {
            Experiment run;
            run.setDeviceName(kModel);
            run.setLogs({new CountingLog});
            QCOMPARE(run.parseRecords(records), result);
            QCOMPARE(run.logs().size(), logs);
            QCOMPARE(CountingLog::alive, logs);
        }
        QCOMPARE(CountingLog::alive, 0);
    }

    void parseRecordsOfUnknownModelFails()
    {
        Experiment run;
        run.setDeviceName("NO SUCH MODEL");
        QCOMPARE(run.parseRecords({"+VFRDXP: 1"}), 1);
        QVERIFY(run.logs().isEmpty());
    }

    void propertyWritersSignalOnlyOnChange()
    {
        Experiment run;
        QSignalSpy status(&run, &Experiment::experimentExpStatusChanged);
        QSignalSpy size(&run, &Experiment::experimentSizeChanged);
        run.setStatus(2);
        run.setStatus(2);
        run.setSize(0);
        QCOMPARE(status.count(), 1);
        QCOMPARE(size.count(), 0);
    }

    void copyHeaderCopiesListEntry()
    {
        Experiment entry;
        entry.setSize(25);
        entry.setIndex(7);
        entry.setDateTime(QDateTime(QDate(2021, 10, 29), QTime(8, 0)));
        Experiment run;
        QSignalSpy anySize(&run, &Experiment::experimentSizeChanged);
        run.copyHeader(&entry);
        QCOMPARE(run.size(), 25);
        QCOMPARE(run.index(), 7);
        QCOMPARE(run.dateTime(), entry.dateTime());
        QCOMPARE(anySize.count(), 0);
    }

    void commonHeaderPage_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("numbers");
        QTest::addColumn<QString>("stopReason");
        QTest::newRow("seven fields") << QByteArray("+VFXPHDR: 8,3,412,398,1200,1100,\"USER\"\n")
                                      << 0 << QList<int>{412, 398, 1200, 1100} << "USER";
        QTest::newRow("extra fields ignored") << QByteArray("+VFXPHDR: 8,3,1,2,3,4,BATTERY,9,9\n")
                                              << 0 << QList<int>{1, 2, 3, 4} << "BATTERY";
        QTest::newRow("not numbers")
            << QByteArray("+VFXPHDR: 8,3,a,,3,4,\n") << 0 << QList<int>{0, 0, 3, 4} << "";
        QTest::newRow("six fields")
            << QByteArray("+VFXPHDR: 8,3,1,2,3,4\n") << -1 << QList<int>{0, 0, 0, 0} << "";
        QTest::newRow("page 08") << QByteArray("+VFXPHDR: 08,3,1,2,3,4,X\n") << -1
                                 << QList<int>{0, 0, 0, 0} << "";
    }

    void commonHeaderPage()
    {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(QList<int>, numbers);
        QFETCH(QString, stopReason);
        Results results;
        QCOMPARE(results.parseCommonHeader(reply), result);
        QCOMPARE(QList<int>({results.vbatStart(), results.vbatStop(), results.coulombCounterStart(),
                             results.coulombCounterStop()}),
                 numbers);
        QCOMPARE(results.stopReason(), stopReason);
    }

    void smallRecords()
    {
        LeqPerOctave band;
        QCOMPARE(band.toJson(), QJsonObject({{"freqIdx", ""}, {"frequency", ""}, {"leq", ""}}));
        band.setLeq("71.3");
        QCOMPARE(band.toJson().value("leq").toString(), QString("71.3"));

        DeviceConfig config;
        QCOMPARE(config.maxExperimentDuration(), 32400);
        QCOMPARE(config.fromJson("{}"), -1);

        VfQList list;
        QCOMPARE(list.toJson(), QJsonObject({{"expList", QJsonArray()}}));
    }
};

QTEST_MAIN(TestRunBase)
#include "tst_runbase.moc"
