#include "DeviceDateTime.h"
#include "Schedule.h"

#include <QJsonObject>
#include <QtTest>

namespace {

QJsonObject form(const QString &start, const QString &stop, int day = 12,
                 const QString &pause = QString(), const QString &resume = QString())
{
    QJsonObject json{
        {"monthDay", day}, {"label", "Shift"}, {"startTime", start}, {"stopTime", stop}};
    if (!pause.isEmpty())
        json.insert("pausable", true), json.insert("pauseTime", pause),
            json.insert("resumeTime", resume);
    return json;
}

} // namespace

// A programmed measurement: from the instrument's record and from the form's
// JSON, its duration and whether it meets another schedule.
class TestSchedule : public QObject
{
    Q_OBJECT

private slots:
    void fromInstrumentRecord()
    {
        Schedule schedule;
        QCOMPARE(schedule.parseScheduleReply(
                     "0,3,\"Shift A\",\"21/10/29,08:00:00-12\",\"21/10/29,12:00:00-12\","
                     "\"21/10/29,13:00:00-12\",\"21/10/29,17:00:00-12\"\n"),
                 0);
        QCOMPARE(schedule.index(), 3);
        QCOMPARE(schedule.label(), QString("Shift A"));
        QCOMPARE(schedule.monthDay(), 29);
        QVERIFY(schedule.pausable());
        QCOMPARE(schedule.startTime(), QString("08:00"));
        QCOMPARE(schedule.pauseTime(), QString("12:00"));
        QCOMPARE(schedule.resumeTime(), QString("13:00"));
        QCOMPARE(schedule.stopTime(), QString("17:00"));
        QCOMPARE(schedule.startDateTime().date(), nextMonthDay(29).date());
        QCOMPARE(schedule.measuredSeconds(), 8 * 3600);
    }

    void recordWithoutPauseAndLatin1Label()
    {
        Schedule schedule;
        QCOMPARE(schedule.parseScheduleReply("0,1,\"Tur\xe9, Nacht\",\"21/10/05,22:00:00+00\",,,"
                                             "\"21/10/06,06:00:00+00\""),
                 0);
        QCOMPARE(schedule.label(), QString::fromUtf8("Turé, Nacht"));
        QVERIFY(!schedule.pausable());
        QCOMPARE(schedule.pauseTime(), QString());
        QCOMPARE(schedule.resumeTime(), QString());
        QCOMPARE(schedule.toJson().value("pauseTime").toString(), QString("-"));
        QCOMPARE(schedule.toJson().value("resumeTime").toString(), QString("-"));
        // 22:00 to 06:00 crosses midnight.
        QCOMPARE(schedule.stopDateTime(), schedule.startDateTime().addSecs(8 * 3600));
    }

    void refusedRecords_data()
    {
        QTest::addColumn<QByteArray>("record");
        QTest::newRow("six fields") << QByteArray("0,3,\"A\",\"21/10/29,08:00:00-12\",,");
        QTest::newRow("first field not 0")
            << QByteArray("1,3,\"A\",\"21/10/29,08:00:00-12\",,,\"21/10/29,09:00:00-12\"");
    }

    void refusedRecords()
    {
        QFETCH(QByteArray, record);
        Schedule schedule;
        QCOMPARE(schedule.parseScheduleReply(record), -1);
    }

    void fromFormJson()
    {
        Schedule schedule;
        schedule.fromJson(form("07:30", "16:00", 12, "12:00", "12:45"));
        QCOMPARE(schedule.monthDay(), 12);
        QCOMPARE(schedule.label(), QString("Shift"));
        QCOMPARE(schedule.startTime(), QString("07:30"));
        QCOMPARE(schedule.pauseTime(), QString("12:00"));
        QCOMPARE(schedule.resumeTime(), QString("12:45"));
        QCOMPARE(schedule.stopTime(), QString("16:00"));
        QCOMPARE(schedule.startDateTime().date(), nextMonthDay(12).date());
        const QJsonObject json = schedule.toJson();
        QCOMPARE(json.value("startTime").toString(), QString("07:30"));
        QCOMPARE(json.value("monthDay").toInt(), 12);
        QVERIFY(!json.contains("pausable"));

        Schedule empty;
        empty.fromJson(QJsonObject());
        QCOMPARE(empty.startTime(), QString("00:00"));
        QVERIFY(!empty.pausable());
    }

    void duration_data()
    {
        QTest::addColumn<QJsonObject>("json");
        QTest::addColumn<bool>("fits");
        QTest::newRow("exactly 9 hours") << form("08:00", "17:00") << true;
        QTest::newRow("9 hours 1 minute") << form("08:00", "17:01") << false;
        QTest::newRow("overnight 8 hours") << form("22:00", "06:00") << true;
        QTest::newRow("10 hours with a 1-hour pause")
            << form("07:00", "17:00", 12, "12:00", "13:00") << true;
        QTest::newRow("10 hours with a 30-minute pause")
            << form("07:00", "17:00", 12, "12:00", "12:30") << false;
    }

    void duration()
    {
        QFETCH(QJsonObject, json);
        QFETCH(bool, fits);
        Schedule schedule;
        schedule.fromJson(json);
        schedule.setMaxDuration(32400);
        QCOMPARE(schedule.fitsMaxDuration(), fits);
    }

    void availability_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("stop");
        QTest::addColumn<int>("free");
        QTest::newRow("touches at 12:00") << "12:00"
                                          << "16:00" << 0;
        QTest::newRow("after it") << "12:01"
                                  << "16:00" << 1;
        QTest::newRow("inside it") << "09:00"
                                   << "10:00" << 0;
        QTest::newRow("around it") << "07:00"
                                   << "13:00" << 0;
        QTest::newRow("stops inside it") << "06:00"
                                         << "08:30" << 0;
        QTest::newRow("before it") << "05:00"
                                   << "07:59" << 1;
    }

    void availability()
    {
        QFETCH(QString, start);
        QFETCH(QString, stop);
        QFETCH(int, free);
        Schedule existing;
        existing.fromJson(form("08:00", "12:00"));
        Schedule candidate;
        candidate.fromJson(form(start, stop));
        QCOMPARE(candidate.isFree({&existing}), free);
        QCOMPARE(candidate.isFree({}), 1);
    }
};

QTEST_MAIN(TestSchedule)
#include "tst_schedule.moc"
