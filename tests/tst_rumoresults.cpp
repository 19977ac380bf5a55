#include "DeviceDateTime.h"
#include "models/rumo/PhysicalQuantityDescriptor.h"
#include "models/rumo/RumoExpData.h"
#include "models/rumo/RumoResults.h"

#include <QJsonArray>
#include <QtTest>

// The run results of the "RUMO" logger: its header pages, the texts of its
// quantity, label and light-source codes, and the JSON of all of them.
class TestRumoResults : public QObject
{
    Q_OBJECT

private:
    // A multi-line page as the download hands it on: lines separated by
    // "\r\n", the last one ending in "\n".
    static QByteArray page(const QList<QByteArray> &lines)
    {
        QByteArray text;
        for (int i = 0; i < lines.size(); ++i)
            text += (i ? "\r\n+VFXPHDR: " : "+VFXPHDR: ") + lines.at(i);
        return text + '\n';
    }

    static QString quantityName(const QString &code)
    {
        PhysicalQuantityDescriptor quantity;
        quantity.setName(code);
        return quantity.displayName();
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void quantityNames_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("name");
        QTest::newRow("temperature") << "TEMP"
                                     << "Temperature";
        QTest::newRow("UV index") << "UVI"
                                  << "UV Index";
        QTest::newRow("resultant field") << "MAG"
                                         << "Mag. res.";
        QTest::newRow("field axis") << "MAGX"
                                    << "Mag. (x)";
        QTest::newRow("EMF resultant") << "EMF"
                                       << "EMF res.";
        QTest::newRow("EMF axis") << "EMFZ"
                                  << "EMF (z)";
        QTest::newRow("lower case") << "temp"
                                    << "Invalid";
        QTest::newRow("blank around") << " TEMP"
                                      << "Invalid";
        QTest::newRow("prefix of a code") << "MA"
                                          << "Invalid";
        QTest::newRow("empty") << ""
                               << "Invalid";
    }

    void quantityNames()
    {
        QFETCH(QString, code);
        QFETCH(QString, name);
        QCOMPARE(quantityName(code), name);
    }

    void quantityJsonCarriesTheName()
    {
        PhysicalQuantityDescriptor quantity;
        quantity.setName("HUM");
        quantity.setUnity("%");
        QCOMPARE(quantity.toJson(),
                 QJsonObject({{"name", "HUM"}, {"nameTr", "Humidity"}, {"unity", "%"}}));
    }

    void itemLines_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("line");
        QTest::newRow("number with unit") << "TWA"
                                          << "f" << QVariant(12345.678) << "lx"
                                          << "TWA [lx]: 12,345.7";
        QTest::newRow("number without unit") << "TWA"
                                             << "f" << QVariant(12345.678) << ""
                                             << "TWA: 12,345.7";
        QTest::newRow("small number") << "TWA"
                                      << "f" << QVariant(0.000012345) << ""
                                      << "TWA: 1.2345e-05";
        QTest::newRow("light source") << "LAMP"
                                      << "s" << QVariant("HALO") << ""
                                      << "Light source type: Halogen lamp";
        QTest::newRow("light source in lower case") << "LAMP"
                                                    << "s" << QVariant("sun") << ""
                                                    << "Light source type: Invalid";
        QTest::newRow("unknown type") << "TWA"
                                      << "F" << QVariant() << ""
                                      << "TWA: ---";
        QTest::newRow("unknown label") << "XYZ"
                                       << "s" << QVariant("LED") << ""
                                       << "Invalid: LED";
    }

    void itemLines()
    {
        QFETCH(QString, label);
        QFETCH(QString, type);
        QFETCH(QVariant, value);
        QFETCH(QString, unit);
        QFETCH(QString, line);
        RumoExpData item;
        item.setLabel(label);
        item.setType(type);
        item.setDataValue(value);
        item.setUnity(unit);
        QCOMPARE(item.line(), line);
    }

    void itemJsonFollowsTheType()
    {
        RumoExpData item;
        item.setLabel("TWA");
        item.setType("f");
        item.setDataValue(0.1);
        QCOMPARE(item.toJson().value("dataValue").toDouble(), double(0.1f));
        item.setDataValue("x");
        QCOMPARE(item.toJson().value("dataValue").toDouble(), 0.0);
        item.setType("s");
        item.setDataValue("LED");
        QCOMPARE(item.toJson().value("dataValue").toString(), QString("LED"));
        for (const QString type : {"F", ""}) {
            item.setType(type);
            QCOMPARE(item.toJson().keys(), QStringList({"label", "type", "unity"}));
        }
    }

    void firstPage()
    {
        RumoResults results;
        QCOMPARE(
            results.parseHeaderPart1("+VFXPHDR: 1,4,\"HALL \xc9\",3725,\"24/05/17,08:30:00-12\","
                                     "\"24/05/17,09:34:05-12\",0,90,\"GAS\",\"NO2\"\n"),
            0);
        QCOMPARE(results.label(), QString::fromUtf8("HALL É"));
        QCOMPARE(results.duration(), QString("01:02:05"));
        QCOMPARE(results.startTime(), parseDeviceDateTime("24/05/17,08:30:00-12"));
        QCOMPARE(results.stopTime(), parseDeviceDateTime("24/05/17,09:34:05-12"));
        QCOMPARE(results.pauseTime(), QString("00:00:00"));
        QCOMPARE(results.sampleTime(), 90);
        QCOMPARE(results.sensorTypeName(), QString("NO2"));

        RumoResults untouched;
        QCOMPARE(untouched.parseHeaderPart1("+VFXPHDR: 1,4,\"X\",3725,\"24/05/17,08:30:00-12\","
                                            "\"24/05/17,09:34:05-12\",0,90,\"GAS\"\n"),
                 -1);
        QCOMPARE(untouched.parseHeaderPart1("+VFXPHDR: 01,4,\"X\",3725,\"24/05/17,08:30:00-12\","
                                            "\"24/05/17,09:34:05-12\",0,90,\"GAS\",\"NO2\"\n"),
                 -1);
        QCOMPARE(untouched.label(), QString());
        QCOMPARE(untouched.sampleTime(), 0);
    }

    void secondPage()
    {
        RumoResults results;
        QCOMPARE(
            results.parseHeaderPart2("+VFXPHDR: 2,4,\"S-9\",\"CERT 5\",\"24/03/12,10:15:00+04\"\n"),
            0);
        QCOMPARE(results.sensorSN(), QString("S-9"));
        QCOMPARE(results.sensorCertificate(), QString("CERT 5"));
        QCOMPARE(results.sensorCalibrationDate(), parseDeviceDateTime("24/03/12,10:15:00+04"));
        QCOMPARE(results.parseHeaderPart2("+VFXPHDR: 2,4,\"S-9\",\"CERT 5\"\n"), -1);
    }

    void statisticsPages_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<QStringList>("taken");
        QTest::newRow("three averages") << 3 << page({"3,1,3,0,21.115", "3,1,3,1,40", "3,1,3,2,-2"})
                                        << 0 << QStringList{"21.115", "40", "-2"};
        QTest::newRow("two of three averages")
            << 3 << page({"3,1,3,0,21.1", "3,1,3,1,40"}) << -1 << QStringList{"21.1", "40"};
        QTest::newRow("a line of page 4 ends the list")
            << 3 << page({"3,1,2,0,21.1", "4,1,2,1,30,20"}) << -1 << QStringList{"21.1"};
        QTest::newRow("one announced, one taken")
            << 3 << page({"3,1,1,0,21.1", "4,1,2,1,30,20"}) << 0 << QStringList{"21.1"};
        QTest::newRow("no average line") << 3 << page({"3,1,0"}) << 0 << QStringList{};
        QTest::newRow("maxima and minima")
            << 4 << page({"4,1,2,0,30,20", "4,1,2,1,8,6"}) << 0 << QStringList{"30", "8"};
        // Lines announcing two entries, not one of which can be read.
        QTest::newRow("five fields on page 4")
            << 4 << page({"4,1,2,0,30", "4,1,2,1,8"}) << -1 << QStringList{};
        QTest::newRow("quantities") << 5
                                    << page({"5,1,2,0,\"TEMP\",\"\xb0"
                                             "C\"",
                                             "5,1,2,1,\"HUM\",\"%\""})
                                    << 0 << QStringList{"TEMP", "HUM"};
        QTest::newRow("no quantity line") << 5 << QByteArray("\n") << 0 << QStringList{};
        QTest::newRow("quantities cut short")
            << 5 << page({"5,1,2,0,\"TEMP\",\"C\""}) << -1 << QStringList{"TEMP"};
    }

    void statisticsPages()
    {
        QFETCH(int, number);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(QStringList, taken);
        RumoResults results;
        QStringList list;
        if (number == 3) {
            QCOMPARE(results.parseHeaderPart3(reply), result);
            list = results.averageList();
        } else if (number == 4) {
            QCOMPARE(results.parseHeaderPart4(reply), result);
            list = results.maxList();
            QCOMPARE(results.minList().size(), list.size());
        } else {
            QCOMPARE(results.parseHeaderPart5(reply), result);
            for (const PhysicalQuantityDescriptor *quantity : results.quantitiesInfoList())
                list.append(quantity->name());
        }
        QCOMPARE(list, taken);
    }

    void quantityUnitsAreIso88591()
    {
        RumoResults results;
        QCOMPARE(results.parseHeaderPart5(page({"5,1,1,0,\"TEMP\",\"\xb0"
                                                "C\""})),
                 0);
        QCOMPARE(results.quantitiesInfoList().first()->unity(), QString::fromUtf8("°C"));
    }

    void itemPages()
    {
        RumoResults results;
        QCOMPARE(results.parseHeaderPart6(page(
                     {"6,1,5,0,\"LAMP\",\"s\",\"LED\",\"\"",
                      "6,1,5,1,\"TWA\",\"f\",\"21.5\",\"lx\"", "6,1,5,2,\"\",\"f\",\"1\",\"\"",
                      "6,1,5,3,\"TWA\",\"x\",\"7\",\"\"", "6,1,5,4,\"TWA\",\"f\",\"oops\",\"\"",
                      "6,1,5,5,\"TWA\",\"f\",\"3\"", "6,1,5,6,\"TWA\",\"f\",\"4\",\"\""})),
                 0);
        const QList<RumoExpData *> items = results.configList();
        // The unlabelled item is left out; the seven-field line ends the list.
        QCOMPARE(items.size(), 4);
        QCOMPARE(items.at(0)->dataValue().toString(), QString("LED"));
        QCOMPARE(items.at(1)->dataValue().toDouble(), 21.5);
        QCOMPARE(items.at(1)->unity(), QString("lx"));
        // An item of another type has no value of its own, never the one
        // before it.
        QVERIFY(!items.at(2)->dataValue().isValid());
        QCOMPARE(items.at(2)->valueText(), QString("---"));
        QCOMPARE(items.at(3)->dataValue().toDouble(), 0.0);

        QCOMPARE(results.parseHeaderPart7(page({"7,1,1,0,\"TWA\",\"f\",\"12.5\",\"ppm\""})), 0);
        QCOMPARE(results.evaluationResultsList().size(), 1);
        // A page of another page's lines yields nothing: it is unreadable.
        QCOMPARE(results.parseHeaderPart7(page({"6,1,1,0,\"TWA\",\"f\",\"12.5\",\"ppm\""})), -1);
        QVERIFY(results.evaluationResultsList().isEmpty());
        QCOMPARE(results.parseHeaderPart7(page({""})), 0);
    }

    void sensorTypeNames_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("subType");
        QTest::addColumn<QString>("name");
        QTest::newRow("light") << "LUX"
                               << "CO"
                               << "LUX";
        QTest::newRow("ambient and HVAC") << "HVAC_AMB"
                                          << ""
                                          << "HVAC_AMB";
        QTest::newRow("gas") << "GAS"
                             << "NO2"
                             << "NO2";
        QTest::newRow("gas without sub-type") << "GAS"
                                              << ""
                                              << "";
        QTest::newRow("unknown gas") << "GAS"
                                     << "CH4"
                                     << "";
        QTest::newRow("lower case") << "gas"
                                    << "NO2"
                                    << "";
        QTest::newRow("VOC sensor") << "VOC"
                                    << ""
                                    << "VOC";
        QTest::newRow("unknown") << "XYZ"
                                 << ""
                                 << "";
    }

    void sensorTypeNames()
    {
        QFETCH(QString, type);
        QFETCH(QString, subType);
        QFETCH(QString, name);
        RumoResults results;
        results.setSensorType(type);
        results.setSensorSubType(subType);
        QCOMPARE(results.sensorTypeName(), name);
    }

    void freshResultsJson()
    {
        RumoResults results;
        const QJsonObject json = results.toJson();
        QCOMPARE(json.keys().size(), 23);
        QCOMPARE(json.value("startTime").toString(), QString());
        QCOMPARE(json.value("sampleTime"), QJsonValue(0));
        QCOMPARE(json.value("quantitiesInfoList").toArray().size(), 0);
        QCOMPARE(json.value("vbatStart"), QJsonValue(0));
        QCOMPARE(json.value("stopReason").toString(), QString());
    }

    void jsonReadsBackOnlyWhatItsWritersWrite()
    {
        const QJsonObject json{
            {"sampleTime", "10"},
            {"vbatStart", 2.5},
            {"averageList", QJsonArray{"1.115", 3}},
            {"quantitiesInfoList", QJsonArray{QJsonObject{{"name", "TEMP"}, {"nameTr", "x"}}}},
            {"configList",
             QJsonArray{QJsonObject{{"label", "TWA"}, {"type", "f"}, {"dataValue", "1.5"}},
                        QJsonObject{{"label", "TWA"}, {"type", "F"}, {"dataValue", 1.5}}}},
        };
        RumoResults results;
        results.fromJson(json);
        QCOMPARE(results.sampleTime(), 0);
        QCOMPARE(results.vbatStart(), 0);
        QCOMPARE(results.averageList(), QStringList({"1.115", ""}));
        QCOMPARE(results.quantitiesInfoList().first()->displayName(), QString("Temperature"));
        QCOMPARE(results.configList().at(0)->dataValue().toDouble(), 0.0);
        QVERIFY(!results.configList().at(1)->dataValue().isValid());

        RumoResults whole;
        whole.fromJson(QJsonObject{{"sampleTime", 10}});
        QCOMPARE(whole.sampleTime(), 10);
    }
};

QTEST_MAIN(TestRumoResults)
#include "tst_rumoresults.moc"
