#include "CalibrationCertificate.h"
#include "DeviceDateTime.h"

#include <QJsonDocument>
#include <QtTest>

// The calibration certificate from the instrument's reply and as JSON.
class TestCalibration : public QObject
{
    Q_OBJECT

private slots:
    void fromReply_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("certification");
        QTest::addColumn<QString>("date");
        QTest::newRow("text and date")
            << "\"CERT-2021/77\",\"21/10/29,14:20:02-12\"" << 0 << "CERT-2021/77"
            << "21/10/29,14:20:02-12";
        QTest::newRow("text with a comma")
            << "\"LAB A, CERT 12\",\"21/10/29,14:20:02+04\"" << 0 << "LAB A, CERT 12"
            << "21/10/29,14:20:02+04";
        QTest::newRow("unquoted fields") << "CERT,21/10/29,14:20:02+00" << 0 << "CERT"
                                         << "21/10/29,14:20:02+00";
        QTest::newRow("too few fields") << "\"CERT\",\"21/10/29\"" << -1 << ""
                                        << "";
        QTest::newRow("empty") << "" << -1 << ""
                               << "";
    }

    void fromReply()
    {
        QFETCH(QString, reply);
        QFETCH(int, result);
        QFETCH(QString, certification);
        QFETCH(QString, date);
        CalibrationCertificate certificate;
        QCOMPARE(certificate.fromReply(reply), result);
        QCOMPARE(certificate.certification(), certification);
        if (result == 0)
            QCOMPARE(formatDeviceDateTime(certificate.date()), date);
        else
            QVERIFY(certificate.date().isNull());
    }

    void jsonBothWays()
    {
        CalibrationCertificate certificate;
        QCOMPARE(certificate.fromReply("\"CERT 9\",\"21/10/29,14:20:02-12\""), 0);
        const QJsonObject json = certificate.toJson();
        QCOMPARE(json.value("certification").toString(), QString("CERT 9"));
        QCOMPARE(json.value("date").toString(), QString("21/10/29,14:20:02-12"));

        CalibrationCertificate back;
        QCOMPARE(back.fromJson(QString::fromUtf8(QJsonDocument(json).toJson())), 0);
        QCOMPARE(back.certification(), certificate.certification());
        QCOMPARE(back.date(), certificate.date());
        QCOMPARE(back.date().offsetFromUtc(), -3 * 3600);
    }

    void fromJsonReadsIsoDatesFromQml()
    {
        CalibrationCertificate certificate;
        QCOMPARE(certificate.fromJson(R"({"date":"2022-03-04T10:11:12","certification":"X"})"), 0);
        QCOMPARE(certificate.date().date(), QDate(2022, 3, 4));
        QCOMPARE(certificate.date().time(), QTime(10, 11, 12));
        QCOMPARE(certificate.certification(), QString("X"));
    }

    void fromJsonRefusesNonObjects()
    {
        CalibrationCertificate certificate;
        certificate.setCertification("KEEP");
        QCOMPARE(certificate.fromJson("[1, 2]"), -1);
        QCOMPARE(certificate.fromJson("not json"), -1);
        QCOMPARE(certificate.certification(), QString("KEEP"));
    }
};

QTEST_MAIN(TestCalibration)
#include "tst_calibration.moc"
