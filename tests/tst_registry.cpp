#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceConfig.h"
#include "DeviceFactory.h"
#include "Experiment.h"
#include "ExperimentFactory.h"
#include "ExposureComponent.h"
#include "FactoryDeviceConfig.h"
#include "FactoryExposureComponent.h"
#include "FileFactory.h"
#include "Log.h"
#include "LogFactory.h"
#include "PrinterFactory.h"
#include "Results.h"
#include "ResultsFactory.h"
#include "VfFile.h"
#include "VfPrinter.h"

#include <QtTest>
#include <memory>

// The factories pick a model's classes by exact product name or extension.
class TestRegistry : public QObject
{
    Q_OBJECT

private slots:
    void productNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("known");
        QTest::newRow("exact") << "DRAVO 2" << true;
        QTest::newRow("other case") << "Dravo 2" << false;
        QTest::newRow("trailing blank") << "DRAVO 2 " << false;
        QTest::newRow("empty") << "" << false;
    }

    void productNames()
    {
        QFETCH(QString, name);
        QFETCH(bool, known);
        std::unique_ptr<Device> device(DeviceFactory::createByName(name));
        std::unique_ptr<DeviceConfig> config(FactoryDeviceConfig::create(name));
        std::unique_ptr<Experiment> run(ExperimentFactory::create(name));
        std::unique_ptr<Log> log(LogFactory::create(name));
        std::unique_ptr<Results> results(ResultsFactory::create(name));
        std::unique_ptr<VfPrinter> printer(PrinterFactory::create(name));
        for (bool made :
             {bool(device), bool(config), bool(run), bool(log), bool(results), bool(printer)})
            QCOMPARE(made, known);
        if (device)
            QCOMPARE(device->productName(), name);
        // The dosimeter has no exposure components.
        QVERIFY(!std::unique_ptr<ExposureComponent>(FactoryExposureComponent::create(name)));
    }

    void extensions_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("made");
        QTest::newRow(".drv") << "/data/day 1.drv" << true;
        QTest::newRow(".DRV") << "/data/day 1.DRV" << false;
        QTest::newRow("none") << "/data/day 1" << false;
    }

    void extensions()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, made);
        std::unique_ptr<VfFile> file(FileFactory::createByExtension(fileName));
        QCOMPARE(bool(file), made);
    }

    void extensionAppendedOnce()
    {
        QString fileName = "/data/day 1";
        std::unique_ptr<VfFile> file(FileFactory::createByName("DRAVO 2", fileName));
        QVERIFY(file);
        QCOMPARE(fileName, QString("/data/day 1.drv"));
        std::unique_ptr<VfFile> again(FileFactory::createByName("DRAVO 2", fileName));
        QCOMPARE(fileName, QString("/data/day 1.drv"));
        QCOMPARE(again->baseName(), QString("day 1"));
    }

    void dosimeterFileRefusesAnotherModel()
    {
        const QJsonObject device{{"name", "BEMARI"}, {"SN", "1"}};
        const QByteArray content = DataFileEnvelope::encode(
            DataFileEnvelope::document("1", device, {QJsonObject{{"deviceName", "BEMARI"}}}));
        std::unique_ptr<VfFile> file(FileFactory::createByExtension("/data/x.drv"));
        QVERIFY(!file->readHeader(content));
        QCOMPARE(file->status(), 2);
    }
};

QTEST_MAIN(TestRegistry)
#include "tst_registry.moc"
