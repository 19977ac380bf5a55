#include "VfCsvFile.h"

#include <QtTest>

// The CSV files written beside reports.
class TestCsvFile : public QObject
{
    Q_OBJECT

private slots:
    void nameBesidePdf_data()
    {
        QTest::addColumn<QString>("pdf");
        QTest::addColumn<QString>("csv");
        QTest::newRow("plain") << "/tmp/day.pdf"
                               << "/tmp/day.csv";
        QTest::newRow("only the final suffix") << "reports.pdf.d/day.pdf"
                                               << "reports.pdf.d/day.csv";
        QTest::newRow("upper case is no pdf suffix") << "data/run7.PDF"
                                                     << "data/run7.PDF.csv";
        QTest::newRow("no suffix") << "day"
                                   << "day.csv";
    }

    void nameBesidePdf()
    {
        QFETCH(QString, pdf);
        QFETCH(QString, csv);
        QCOMPARE(VfCsvFile::besidePdf(pdf), csv);
    }

    void linesAreQuotedLatin1WithCrLf()
    {
        VfCsvFile csv;
        csv.appendCells({QStringLiteral("Event 1")});
        csv.appendCells({QStringLiteral("a"), QStringLiteral("0.12")},
                        VfCsvFile::TrailingSeparator);
        csv.appendCells({QStringLiteral("Wet temp [\u00b0C]"), QStringLiteral("say \"hi\"")});
        csv.appendLine(QString());
        QCOMPARE(csv.bytes(), QByteArray("\"Event 1\"\r\n"
                                         "\"a\";\"0.12\";\r\n"
                                         "\"Wet temp [\xb0"
                                         "C]\";\"say \"\"hi\"\"\"\r\n"
                                         "\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestCsvFile)
#include "tst_csvfile.moc"
