#include "HoursMinutes.h"

#include <QtTest>

// The "hh:mm" texts of exposure times and working hours.
class TestHoursMinutes : public QObject
{
    Q_OBJECT

private slots:
    void toSeconds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");
        QTest::newRow("08:00") << "08:00" << 28800;
        QTest::newRow("01:30") << "01:30" << 5400;
        QTest::newRow("00:00") << "00:00" << 0;
        QTest::newRow("23:59") << "23:59" << 86340;
        QTest::newRow("24:00") << "24:00" << -1;
        QTest::newRow("25:00") << "25:00" << -1;
        QTest::newRow("one hour digit") << "8:00" << -1;
        QTest::newRow("60 minutes") << "01:60" << -1;
        QTest::newRow("no colon") << "0800" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("trailing part") << "01:30:00" << -1;
        QTest::newRow("line end") << "01:30\n" << -1;
        QTest::newRow("letters") << "ab:cd" << -1;
    }

    void toSeconds()
    {
        QFETCH(QString, text);
        QFETCH(int, seconds);
        QCOMPARE(hoursMinutesToSeconds(text), seconds);
    }
};

QTEST_GUILESS_MAIN(TestHoursMinutes)
#include "tst_hoursminutes.moc"
