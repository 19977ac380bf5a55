#include "VfCsvFile.h"

#include <QTemporaryDir>
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

    void savesWholeOrReportsFailure()
    {
        QTemporaryDir dir;
        VfCsvFile csv;
        csv.appendCells({QStringLiteral("x")});
        const QString name = dir.filePath(QStringLiteral("out.csv"));
        QVERIFY(csv.save(name));
        QFile file(name);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("\"x\"\r\n"));

        QString error;
        QVERIFY(!csv.save(dir.filePath(QStringLiteral("missing/out.csv")), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("missing/out.csv"))));
    }
};

QTEST_GUILESS_MAIN(TestCsvFile)
#include "tst_csvfile.moc"
