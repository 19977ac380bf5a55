#include "DataFileEnvelope.h"
#include "DeviceDateTime.h"
#include "FileFactory.h"
#include "RunChain.h"
#include "RunDownload.h"
#include "SimulatedDravo2Link.h"
#include "models/dravo2/Dravo2Experiment.h"
#include "models/dravo2/Dravo2File.h"
#include "models/dravo2/Dravo2Results.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Saving downloaded dosimeter runs to a ".drv" file and opening it again.
class TestDravo2File : public QObject
{
    Q_OBJECT

private:
    using Chain = RunChain;

    static QDateTime start() { return parseDeviceDateTime("24/05/17,08:30:00-12"); }

    // Downloads every listed run into one chain, as the application does.
    static Chain downloadAll(SimulatedDravo2Link &d)
    {
        Chain head;
        const QList<QObject *> list = d.device->readExperimentList();
        for (QObject *entry : list) {
            Experiment *run = nullptr;
            if (RunDownload::download(d.device.get(), qobject_cast<Experiment *>(entry), &run) != 0)
                return Chain();
            if (head)
                head->append(run);
            else
                head.reset(run);
        }
        d.device->clearExperimentList();
        return head;
    }

    static QList<QJsonObject> runObjects(Experiment *head)
    {
        QList<QJsonObject> runs;
        for (Experiment *run = head; run; run = run->next())
            runs.append(run->toJson());
        return runs;
    }

    static QByteArray fileContent(const Device &device, const QList<QJsonObject> &runs)
    {
        return DataFileEnvelope::encode(
            DataFileEnvelope::document(QStringLiteral("test"), device.toJson(), runs));
    }

    // Opens `content` as a ".drv" file, as the application does.
    static Chain open(const QByteArray &content, int *status)
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("runs.drv");
        if (VfFile::write(path, content) != 0)
            return Chain();
        std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
        if (!qobject_cast<Dravo2File *>(file.get()) || !file->open(QIODevice::ReadOnly))
            return Chain();
        const QByteArray read = file->readAll();
        std::unique_ptr<Device> device(file->readHeader(read));
        Chain head(device ? file->parse(read) : nullptr);
        file->close();
        *status = file->status();
        return head;
    }

private slots:
    void chainOfThreeRunsReopensAsSaved()
    {
        SimulatedDravo2Link d;
        SimulatedDravo2Runs::Header header;
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(3, 12, start(), header));
        header.dosimeters[0].dose = "0";
        header.preCal = "";
        header.l10 = "";
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(5, 1, start().addDays(1), header));
        header.bands.clear();
        d.instrument().addRun(SimulatedDravo2Runs::makeRun(8, 31, start().addDays(2), header));
        Chain saved = downloadAll(d);
        QVERIFY(saved);
        QCOMPARE(saved->position(), 1);
        QCOMPARE(saved->last()->position(), 3);

        // The second run is evaluated for a 6 h day; the first has a hearing
        // protector, which is not saved.
        Experiment *second = saved->next();
        QCOMPARE(second->results()->refreshWorkingHours("{\"workingHours\": \"06:00\"}"), 0);
        saved->results()->refreshGeneralData(
            {{"datatype", "hearingprotect"}, {"hearProtectModel", "M1"}, {"NPS", 90.0}});
        const QList<QJsonObject> before = runObjects(saved.get());

        int status = -1;
        Chain reopened = open(fileContent(*d.device, before), &status);
        QCOMPARE(status, 0);
        QVERIFY(reopened);
        QCOMPARE(runObjects(reopened.get()), before);
        const QList<int> indexes{3, 5, 8};
        int i = 0;
        for (Experiment *run = reopened.get(); run; run = run->next(), ++i) {
            QVERIFY(qobject_cast<Dravo2Experiment *>(run));
            QCOMPARE(run->index(), indexes.at(i));
            QVERIFY(qobject_cast<Dravo2Results *>(run->results()));
        }
        QCOMPARE(i, 3);
        auto *results = qobject_cast<Dravo2Results *>(reopened->next()->results());
        QCOMPARE(results->workingHours(), QString("06:00"));
        QCOMPARE(results->preCal(), QString("---"));
        QVERIFY(results->preCalDate().isNull());
        QCOMPARE(results->neDos1(), QString("---"));
        auto *first = qobject_cast<Dravo2Results *>(reopened->results());
        QCOMPARE(first->hearProtectModel(), QString());
        QCOMPARE(first->NPS(), 0.0);
        QCOMPARE(first->leqList().size(), 9);
        QCOMPARE(reopened->logs().size(), 12);
    }

    void missingOrChangedKeys_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::addColumn<QString>("expected");
        const QJsonValue absent(QJsonValue::Undefined);
        QTest::newRow("no labelDos1") << "labelDos1" << absent << "NHO-01";
        QTest::newRow("empty labelDos1") << "labelDos1" << QJsonValue("") << "";
        QTest::newRow("no dos2exchangeRate") << "dos2exchangeRate" << absent << "5";
        QTest::newRow("no doseDos1") << "doseDos1" << absent << "";
        QTest::newRow("no workingHours") << "workingHours" << absent << "08:00";
        QTest::newRow("refused workingHours") << "workingHours" << QJsonValue("00:00") << "08:00";
        QTest::newRow("empty preCalDate") << "preCalDate" << QJsonValue("") << "";
    }

    void missingOrChangedKeys()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        QFETCH(QString, expected);
        Dravo2Results sample;
        sample.setLabelDos1("SAVED");
        sample.setDos2exchangeRate("4");
        sample.setDoseDos1("50");
        sample.setWorkingHours("05:00");
        sample.setPreCalDate(start());
        QJsonObject results = sample.toJson();
        if (value.isUndefined())
            results.remove(key);
        else
            results.insert(key, value);
        const QJsonObject run{{"index", "1"}, {"size", "0"}, {"results", results}};
        Device device;
        device.setProductName("DRAVO 2");
        QByteArray content = fileContent(device, {run});

        int status = -1;
        Chain opened = open(content, &status);
        QCOMPARE(status, 0);
        QVERIFY(opened);
        const QJsonObject reread = opened->results()->toJson();
        if (key == "preCalDate")
            QVERIFY(qobject_cast<Dravo2Results *>(opened->results())->preCalDate().isNull());
        QCOMPARE(reread.value(key).toString(), expected);
    }

    void bodyObjectIsOneRunAndOtherModelsAreRefused()
    {
        Device device;
        device.setProductName("DRAVO 2");
        const QJsonObject run{{"index", "4"}, {"size", "0"}};
        QJsonDocument document = DataFileEnvelope::document("test", device.toJson(), {run});
        QJsonObject root = document.object();
        root.insert("Body", run);
        int status = -1;
        Chain opened = open(DataFileEnvelope::encode(QJsonDocument(root)), &status);
        QCOMPARE(status, 0);
        QVERIFY(opened);
        QCOMPARE(opened->index(), 4);
        QVERIFY(!opened->next());
        QVERIFY(opened->results());

        device.setProductName("BEMARI");
        Chain refused = open(fileContent(device, {run}), &status);
        QVERIFY(!refused);
        QCOMPARE(status, 2);
    }
};

QTEST_MAIN(TestDravo2File)
#include "tst_dravo2file.moc"
