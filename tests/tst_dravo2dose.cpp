#include "models/dravo2/Dravo2Results.h"

#include <QtTest>

// Daily dose, exposure level (EL) and normalised exposure level (NEL) of the
// dosimeters for the user's working hours:
//   daily dose = D x W / T
//   EL  = Lc + (q / 0.30103) x log10((28800 / T) x (D / 100))
//   NEL = EL (as shown, two decimals) + (q / 0.30103) x log10(W / 28800)
// with D the measured dose in percent, T the run's seconds, W the working
// seconds, Lc the criterion level and q the exchange rate.
class TestDravo2Dose : public QObject
{
    Q_OBJECT

private:
    // A run whose dosimeter 1 has the given configuration, dose and duration,
    // read with `hours` as the working hours.
    static void readRun(Dravo2Results &results, const QString &criterion, const QString &rate,
                        const QString &dose, const QString &duration, const QString &hours)
    {
        results.setWorkingHours(hours);
        const QByteArray config = "+VFDOSCFG: 1,\"D1\",80," + criterion.toLatin1() + "," +
                                  rate.toLatin1() + ",\"Slow\",\"A\"\n";
        QCOMPARE(results.parseDosimeterConfig(config), 0);
        QCOMPARE(results.parseHeader2("+VFXPHDR: 2,1," + dose.toLatin1() + ",80.0,80.0\n"), 0);
        QCOMPARE(results.parseHeader5("+VFXPHDR: 5,1,1,2,3,0," + duration.toLatin1() +
                                      ",\"24/05/17,08:00:00+00\",\"24/05/17,16:00:00+00\",0\n"),
                 0);
    }

    static QString hoursJson(const QString &hours)
    {
        return QStringLiteral("{\"workingHours\": \"%1\"}").arg(hours);
    }

private slots:
    void doseValues_data()
    {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("rate");
        QTest::addColumn<QString>("dose");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("hours");
        QTest::addColumn<QString>("dailyDose");
        QTest::addColumn<QString>("el");
        QTest::addColumn<QString>("nel");

        // 100 % over 8 h at 85 dB: EL = 85; NEL = EL for an 8 h day.
        QTest::newRow("q3, 8 h day") << "85"
                                     << "3"
                                     << "100"
                                     << "28800"
                                     << "08:00"
                                     << "100.00"
                                     << "85.00"
                                     << "85.00";
        // Half the day: half the dose, NEL = 85 - 3 x 0.30103 / 0.30103 = 82.
        QTest::newRow("q3, 4 h day") << "85"
                                     << "3"
                                     << "100"
                                     << "28800"
                                     << "04:00"
                                     << "50.00"
                                     << "85.00"
                                     << "82.00";
        // 200 % in 4 h: ratio 4, EL = 85 + 5 x log10(4) / 0.30103 = 95.
        QTest::newRow("q5, 4 h run") << "85"
                                     << "5"
                                     << "200"
                                     << "14400"
                                     << "08:00"
                                     << "400.00"
                                     << "95.00"
                                     << "95.00";
        // Ratio 0.5: EL = 90 - 4 = 86; 10 h day: NEL = 86 + 13.2877 x 0.09691 = 87.29.
        QTest::newRow("q4, 10 h day") << "90"
                                      << "4"
                                      << "50"
                                      << "28800"
                                      << "10:00"
                                      << "62.50"
                                      << "86.00"
                                      << "87.29";
        // 25 % in 2 h: ratio 1, EL = Lc = 80.
        QTest::newRow("q3, Lc 80, 2 h run") << "80"
                                            << "3"
                                            << "25"
                                            << "7200"
                                            << "08:00"
                                            << "100.00"
                                            << "80.00"
                                            << "80.00";
        // Half an hour: NEL = 85 + 16.6096 x log10(1 / 16) = 85 - 20 = 65.
        QTest::newRow("q5, 30 min day") << "85"
                                        << "5"
                                        << "100"
                                        << "28800"
                                        << "00:30"
                                        << "6.25"
                                        << "85.00"
                                        << "65.00";
        // EL = 85 + 9.9658 x log10(0.96 x 0.625) = 82.79; NEL = 82.79 - 9.9658 x 0.12494.
        QTest::newRow("q3, 6 h day") << "85"
                                     << "3"
                                     << "62.5"
                                     << "30000"
                                     << "06:00"
                                     << "45.00"
                                     << "82.79"
                                     << "81.54";
        QTest::newRow("zero dose") << "85"
                                   << "3"
                                   << "0"
                                   << "28800"
                                   << "08:00"
                                   << "0.00"
                                   << "---"
                                   << "---";
        QTest::newRow("dose left empty") << "85"
                                         << "3"
                                         << ""
                                         << "28800"
                                         << "08:00"
                                         << "---"
                                         << "---"
                                         << "---";
        QTest::newRow("zero duration") << "85"
                                       << "3"
                                       << "100"
                                       << "0"
                                       << "08:00"
                                       << "---"
                                       << "---"
                                       << "---";
        QTest::newRow("duration left empty") << "85"
                                             << "5"
                                             << "100"
                                             << ""
                                             << "08:00"
                                             << "---"
                                             << "---"
                                             << "---";
    }

    // The values after the header is read with the working hours in force,
    // and the same values when the hours are changed afterwards.
    void doseValues()
    {
        QFETCH(QString, criterion);
        QFETCH(QString, rate);
        QFETCH(QString, dose);
        QFETCH(QString, duration);
        QFETCH(QString, hours);
        QFETCH(QString, dailyDose);
        QFETCH(QString, el);
        QFETCH(QString, nel);

        Dravo2Results read;
        readRun(read, criterion, rate, dose, duration, hours);
        QCOMPARE(read.dailyDoseDos1(), dailyDose);
        QCOMPARE(read.neDos1(), el);
        QCOMPARE(read.nenDos1(), nel);

        Dravo2Results refreshed;
        readRun(refreshed, criterion, rate, dose, duration, "08:00");
        QCOMPARE(refreshed.refreshWorkingHours(hoursJson(hours)), 0);
        QCOMPARE(refreshed.workingHours(), hours);
        QCOMPARE(refreshed.dailyDoseDos1(), dailyDose);
        QCOMPARE(refreshed.neDos1(), el);
        QCOMPARE(refreshed.nenDos1(), nel);
    }

    void sixHourDayRescalesEveryDosimeter()
    {
        Dravo2Results results;
        QCOMPARE(results.parseHeader2("+VFXPHDR: 2,1,100,85,85\n"), 0);
        QCOMPARE(results.parseHeader3("+VFXPHDR: 3,1,50,80,80\n"), 0);
        QCOMPARE(results.parseHeader4("+VFXPHDR: 4,1,0,70,70\n"), 0);
        QCOMPARE(results.parseHeader5("+VFXPHDR: 5,1,1,2,3,0,28800,\",\",\",\",0\n"), 0);
        QCOMPARE(results.nenDos2(), QString("80.00")); // 85 - 5 x 1 / 0.30103 x 0.30103
        QCOMPARE(results.refreshWorkingHours(hoursJson("06:00")), 0);
        QCOMPARE(results.dailyDoseDos1(), QString("75.00"));
        QCOMPARE(results.dailyDoseDos2(), QString("37.50"));
        QCOMPARE(results.dailyDoseDosUSER(), QString("0.00"));
        // log10(0.75) = -0.124939: q 3 gives -1.25, q 5 gives -2.08.
        QCOMPARE(results.nenDos1(), QString("83.75"));
        QCOMPARE(results.nenDos2(), QString("77.92"));
        QCOMPARE(results.nenDosUSER(), QString("---"));
        QCOMPARE(results.neDos1(), QString("85.00"));
    }

    void refusedWorkingHoursChangeNothing_data()
    {
        QTest::addColumn<QString>("json");
        QTest::newRow("00:00") << hoursJson("00:00");
        QTest::newRow("above a day") << hoursJson("24:01");
        QTest::newRow("minutes 60") << hoursJson("07:60");
        QTest::newRow("no colon") << hoursJson("8");
        QTest::newRow("words") << hoursJson("ab:cd");
        QTest::newRow("negative") << hoursJson("-1:00");
        QTest::newRow("missing member") << QString("{}");
        QTest::newRow("not an object") << QString("[\"06:00\"]");
        QTest::newRow("not JSON") << QString("06:00");
    }

    void refusedWorkingHoursChangeNothing()
    {
        QFETCH(QString, json);
        Dravo2Results results;
        readRun(results, "85", "3", "100", "28800", "04:00");
        const QJsonObject before = results.toJson();
        QCOMPARE(results.refreshWorkingHours(json), -1);
        QCOMPARE(results.toJson(), before);
        QCOMPARE(results.workingHours(), QString("04:00"));
    }

    void fullDayIsAccepted()
    {
        Dravo2Results results;
        readRun(results, "85", "3", "100", "28800", "08:00");
        QCOMPARE(results.refreshWorkingHours(hoursJson("24:00")), 0);
        QCOMPARE(results.dailyDoseDos1(), QString("300.00"));
    }
};

QTEST_MAIN(TestDravo2Dose)
#include "tst_dravo2dose.moc"
