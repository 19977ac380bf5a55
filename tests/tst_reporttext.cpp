#include "VfFrequencyWeighting.h"
#include "VfReportText.h"

#include <QLocale>
#include <QtTest>
#include <cmath>

// The value texts, band labels and weighting corrections every report shares.
class TestReportText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void values_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("orAbsent");
        QTest::addColumn<QString>("orStored");
        QTest::newRow("number") << "85.2"
                                << "85.20"
                                << "85.20";
        QTest::newRow("padded number") << " 5.3 "
                                       << "5.30"
                                       << "5.30";
        QTest::newRow("left empty") << "---"
                                    << "---"
                                    << "---";
        QTest::newRow("overload") << "OL"
                                  << "---"
                                  << "OL";
        QTest::newRow("empty") << ""
                               << "---"
                               << "---";
        QTest::newRow("infinite") << "inf"
                                  << "---"
                                  << "inf";
        QTest::newRow("not a number") << "nan"
                                      << "---"
                                      << "nan";
    }

    void values()
    {
        QFETCH(QString, text);
        QFETCH(QString, orAbsent);
        QFETCH(QString, orStored);
        QCOMPARE(VfReportText::numberOrAbsent(text, 2), orAbsent);
        QCOMPARE(VfReportText::numberOrStored(text, 2), orStored);
    }

    void decimalCommaLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(VfReportText::numberOrStored(QStringLiteral("85.2"), 2), QStringLiteral("85,20"));
        QCOMPARE(VfReportText::bandLabel(QStringLiteral("1250")), QStringLiteral("1,25 k"));
        QLocale::setDefault(QLocale::c());
    }

    void weightingCorrections_data()
    {
        QTest::addColumn<double>("frequency");
        QTest::addColumn<char>("weighting");
        QTest::addColumn<bool>("defined");
        QTest::addColumn<double>("correction");
        QTest::newRow("32 Hz is 31.5 Hz") << 32.0 << 'A' << true << -39.4;
        QTest::newRow("31.5 Hz") << 31.5 << 'A' << true << -39.4;
        QTest::newRow("63 Hz") << 63.0 << 'A' << true << -26.2;
        QTest::newRow("1 kHz") << 1000.0 << 'A' << true << 0.0;
        QTest::newRow("2.5 kHz") << 2500.0 << 'A' << true << 1.3;
        QTest::newRow("20 kHz") << 20000.0 << 'A' << true << -9.3;
        QTest::newRow("C at 10 Hz") << 10.0 << 'C' << true << -14.3;
        QTest::newRow("C at 200 Hz") << 200.0 << 'C' << true << 0.0;
        QTest::newRow("C at 16 kHz") << 16000.0 << 'C' << true << -8.5;
        QTest::newRow("Z") << 125.0 << 'Z' << true << 0.0;
        QTest::newRow("below the table") << 5.0 << 'A' << false << 0.0;
        QTest::newRow("above the table") << 40000.0 << 'C' << false << 0.0;
        QTest::newRow("zero") << 0.0 << 'A' << false << 0.0;
        QTest::newRow("not a number") << std::nan("") << 'A' << false << 0.0;
        QTest::newRow("huge") << 1e300 << 'C' << false << 0.0;
    }

    void weightingCorrections()
    {
        QFETCH(double, frequency);
        QFETCH(char, weighting);
        QFETCH(bool, defined);
        QFETCH(double, correction);
        const std::optional<double> found = VfFrequencyWeighting::correction(frequency, weighting);
        QCOMPARE(found.has_value(), defined);
        if (defined)
            QCOMPARE(*found, correction);
    }

    void bandLabels_data()
    {
        QTest::addColumn<QString>("frequency");
        QTest::addColumn<QString>("label");
        QTest::newRow("31.50") << "31.50"
                               << "31.5";
        QTest::newRow("40") << "40"
                            << "40.0";
        QTest::newRow("63.00") << "63.00"
                               << "63";
        QTest::newRow("800") << "800"
                             << "800";
        QTest::newRow("1000") << "1000"
                              << "1 k";
        QTest::newRow("1250") << "1250"
                              << "1.25 k";
        QTest::newRow("1600") << "1600.00"
                              << "1.6 k";
        QTest::newRow("3150") << "3150"
                              << "3.15 k";
        QTest::newRow("12500") << "12500"
                               << "12.5 k";
        QTest::newRow("text") << "n/a"
                              << "n/a";
        // A damaged file: a frequency far beyond any band is written whole.
        QTest::newRow("1e22") << "1e22"
                              << "10000000000000000000 k";
        QTest::newRow("1e300") << "1e300" << QLocale::c().toString(1e297, 'f', 0) + " k";
    }

    void bandLabels()
    {
        QFETCH(QString, frequency);
        QFETCH(QString, label);
        QCOMPARE(VfReportText::bandLabel(frequency), label);
    }
};

QTEST_GUILESS_MAIN(TestReportText)
#include "tst_reporttext.moc"
