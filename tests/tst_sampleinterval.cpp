#include "SampleInterval.h"

#include <QtTest>

// The "mm:ss" texts of the instruments' sample intervals.
class TestSampleInterval : public QObject
{
    Q_OBJECT

private slots:
    void toText_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("5 s") << 5 << "00:05";
        QTest::newRow("75 s") << 75 << "01:15";
        QTest::newRow("90 s") << 90 << "01:30";
        QTest::newRow("100 minutes") << 6000 << "100:00";
        QTest::newRow("zero") << 0 << "00:00";
        QTest::newRow("negative") << -1 << "";
    }

    void toText()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(secondsToMinutesSeconds(seconds), text);
    }

    void toSeconds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("seconds");
        QTest::newRow("10:00") << "10:00" << 600;
        QTest::newRow("59:59") << "59:59" << 3599;
        QTest::newRow("75:00") << "75:00" << 4500;
        QTest::newRow("100:00 round-trips") << "100:00" << 6000;
        QTest::newRow("one minute digit") << "5:30" << 330;
        QTest::newRow("00:00 is no interval") << "00:00" << -1;
        QTest::newRow("60 seconds") << "01:60" << -1;
        QTest::newRow("one second digit") << "05:3" << -1;
        QTest::newRow("no colon") << "90" << -1;
        QTest::newRow("letters") << "ab:cd" << -1;
        QTest::newRow("trailing field") << "01:30,x" << -1;
        QTest::newRow("line end") << "01:30\n" << -1;
        QTest::newRow("sign") << "-1:30" << -1;
        QTest::newRow("empty") << "" << -1;
        QTest::newRow("six minute digits") << "100000:00" << -1;
    }

    void toSeconds()
    {
        QFETCH(QString, text);
        QFETCH(int, seconds);
        QCOMPARE(minutesSecondsToSeconds(text), seconds);
    }
};

QTEST_GUILESS_MAIN(TestSampleInterval)
#include "tst_sampleinterval.moc"
