#include "DeviceDateTime.h"
#include "Results.h"

#include <QTimeZone>
#include <QtTest>

// Instrument date-time, duration and month-day texts.
class TestDateTime : public QObject
{
    Q_OBJECT

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDateTime>("expected");
        const QDateTime wallClock(QDate(2021, 10, 29), QTime(14, 20, 2), Qt::UTC);
        auto at = [](const QDateTime &wall, int offset) {
            return QDateTime(wall.date(), wall.time(), QTimeZone(offset));
        };
        QTest::newRow("UTC") << "21/10/29,14:20:02+00" << at(wallClock, 0);
        QTest::newRow("UTC-3") << "21/10/29,14:20:02-12" << at(wallClock, -3 * 3600);
        QTest::newRow("UTC+5:45") << "21/10/29,14:20:02+23" << at(wallClock, 5 * 3600 + 45 * 60);
        QTest::newRow("2099 at UTC+1")
            << "99/12/31,23:59:59+04"
            << at(QDateTime(QDate(2099, 12, 31), QTime(23, 59, 59), Qt::UTC), 3600);
        QTest::newRow("no zone reads as UTC") << "21/10/29,14:20:02" << at(wallClock, 0);
        QTest::newRow("largest zone") << "21/10/29,14:20:02+56" << at(wallClock, 14 * 3600);
        QTest::newRow("29 February 2000")
            << "00/02/29,12:00:00+00"
            << at(QDateTime(QDate(2000, 2, 29), QTime(12, 0), Qt::UTC), 0);
        QTest::newRow("no 29 February in 2001") << "01/02/29,12:00:00+00" << QDateTime();
        QTest::newRow("bad month") << "21/13/01,00:00:00+00" << QDateTime();
        QTest::newRow("empty") << "" << QDateTime();
        QTest::newRow("zone beyond +14 h") << "21/10/29,14:20:02+57" << QDateTime();
        QTest::newRow("zone beyond -14 h") << "21/10/29,14:20:02-60" << QDateTime();
    }

    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QDateTime, expected);
        const QDateTime parsed = parseDeviceDateTime(text);
        QCOMPARE(parsed.isValid(), expected.isValid());
        if (!expected.isValid())
            return;
        QCOMPARE(parsed.date(), expected.date());
        QCOMPARE(parsed.time(), expected.time());
        QCOMPARE(parsed.offsetFromUtc(), expected.offsetFromUtc());
    }

    // The wall clock read straight from the fields, whatever the zone says
    // and whatever the computer's zone is.
    void wallClock_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::addColumn<QTime>("time");
        QTest::newRow("UTC-3") << "21/06/15,08:31:00-12" << QDate(2021, 6, 15) << QTime(8, 31);
        QTest::newRow("UTC+14") << "21/06/15,23:59:59+56" << QDate(2021, 6, 15)
                                << QTime(23, 59, 59);
        QTest::newRow("no zone") << "21/06/15,00:00:00" << QDate(2021, 6, 15) << QTime(0, 0);
        QTest::newRow("29 February 2000")
            << "00/02/29,12:00:00+00" << QDate(2000, 2, 29) << QTime(12, 0);
        QTest::newRow("30 February") << "21/02/30,12:00:00+00" << QDate() << QTime();
        QTest::newRow("hour 24") << "21/06/15,24:00:00+00" << QDate() << QTime();
        QTest::newRow("letters") << "21/O6/15,08:31:00+00" << QDate() << QTime();
        QTest::newRow("ISO text") << "2021-06-15T08:31:00" << QDate() << QTime();
        QTest::newRow("cut short") << "21/06/15,08:31" << QDate() << QTime();
        QTest::newRow("empty") << "---" << QDate() << QTime();
    }

    void wallClock()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QFETCH(QTime, time);
        QDate readDate(1999, 1, 1);
        QTime readTime(1, 2, 3);
        QCOMPARE(readDeviceWallClock(text, &readDate, &readTime), date.isValid());
        QCOMPARE(readDate, date.isValid() ? date : QDate(1999, 1, 1));
        QCOMPARE(readTime, date.isValid() ? time : QTime(1, 2, 3));
    }

    void formatAndReadBack_data()
    {
        QTest::addColumn<int>("offset");
        QTest::addColumn<QString>("expected");
        QTest::newRow("UTC-0:45") << -45 * 60 << "21/10/29,14:20:02-03";
        QTest::newRow("UTC-3") << -3 * 3600 << "21/10/29,14:20:02-12";
        QTest::newRow("UTC") << 0 << "21/10/29,14:20:02+00";
        QTest::newRow("UTC+5:30") << 5 * 3600 + 30 * 60 << "21/10/29,14:20:02+22";
        QTest::newRow("UTC+14") << 14 * 3600 << "21/10/29,14:20:02+56";
        QTest::newRow("UTC-12") << -12 * 3600 << "21/10/29,14:20:02-48";
    }

    void formatAndReadBack()
    {
        QFETCH(int, offset);
        QFETCH(QString, expected);
        const QDateTime dateTime(QDate(2021, 10, 29), QTime(14, 20, 2), QTimeZone(offset));
        QCOMPARE(formatDeviceDateTime(dateTime), expected);
        const QDateTime back = parseDeviceDateTime(expected);
        QCOMPARE(back.date(), dateTime.date());
        QCOMPARE(back.time(), dateTime.time());
        QCOMPARE(back.offsetFromUtc(), offset);
    }

    void formatInvalidIsEmpty() { QCOMPARE(formatDeviceDateTime(QDateTime()), QString()); }

    void nextMonthDay_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("day");
        QTest::addColumn<QDate>("expected");
        QTest::newRow("5 on 31 January") << QDate(2021, 1, 31) << 5 << QDate(2021, 2, 5);
        QTest::newRow("30 on 31 January") << QDate(2021, 1, 31) << 30 << QDate(2021, 3, 30);
        QTest::newRow("today") << QDate(2021, 6, 15) << 15 << QDate(2021, 6, 15);
        QTest::newRow("31 in a 30-day month") << QDate(2021, 4, 10) << 31 << QDate(2021, 5, 31);
        QTest::newRow("29 in February, leap year") << QDate(2024, 2, 3) << 29 << QDate(2024, 2, 29);
        QTest::newRow("0 is the month's last day") << QDate(2021, 6, 15) << 0 << QDate(2021, 6, 30);
        QTest::newRow("over 31 ends") << QDate(2021, 6, 15) << 40 << QDate(2021, 7, 31);
    }

    void nextMonthDay()
    {
        QFETCH(QDate, today);
        QFETCH(int, day);
        QFETCH(QDate, expected);
        const QDateTime now(today, QTime(9, 30));
        const QDateTime next = nextMonthDayFrom(now, day);
        QCOMPARE(next.date(), expected);
        QCOMPARE(next.time(), QTime(9, 30));
    }

    void durationToString_data()
    {
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("3725") << "3725"
                              << "01:02:05";
        QTest::newRow("zero") << "0"
                              << "00:00:00";
        QTest::newRow("not a number") << "---"
                                      << "00:00:00";
        QTest::newRow("100 hours") << "360000"
                                   << "100:00:00";
        QTest::newRow("25 hours") << "90000"
                                  << "25:00:00";
    }

    void durationToString()
    {
        QFETCH(QString, seconds);
        QFETCH(QString, expected);
        QCOMPARE(Results::durationToString(seconds), expected);
    }
};

QTEST_MAIN(TestDateTime)
#include "tst_datetime.moc"
