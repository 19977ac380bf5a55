#include "Core.h"
#include "DataFileEnvelope.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "SimulatedBemariCore.h"
#include "VfFile.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

using Header = SimulatedBemariRuns::Header;

namespace {

QJsonObject parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

QDateTime start()
{
    return parseDeviceDateTime("24/05/13,23:59:50-12");
}

// Every run of a Core's chain as JSON, in chain order.
QList<QJsonObject> chain(Core &core)
{
    QList<QJsonObject> runs;
    Experiment *run = core.currentExperiment() ? core.currentExperiment()->first() : nullptr;
    for (; run; run = run->next())
        runs.append(run->toJson());
    return runs;
}

QByteArray envelope(const QString &device, const QJsonValue &body)
{
    QJsonObject root = DataFileEnvelope::document("1", QJsonObject{{"name", device}}, {}).object();
    root.insert("Body", body);
    return DataFileEnvelope::encode(QJsonDocument(root));
}

bool write(const QString &path, const QByteArray &content)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

// A file opened by a new Core: its chain, or nothing with the invalid signal.
struct Opened
{
    explicit Opened(const QString &path)
    {
        QSignalSpy invalidSpy(&core, &Core::invalidFile);
        core.parseFile(path);
        invalid = invalidSpy.count() == 1;
        runs = chain(core);
    }
    Core core;
    bool invalid = false;
    QList<QJsonObject> runs;
};

// A run object of a file of an older shape, or one whose results lack keys.
QJsonObject olderRun(const QString &device, QJsonObject results)
{
    return {
        {"date", "24/05/13,08:15:00-12"},
        {"deviceName", device},
        {"index", "5"},
        {"size", "1"},
        {"logList", QJsonArray{QJsonObject{
                        {"date", "24/05/13,08:15:01-12"}, {"level", "72.4"}, {"interval", "2"}}}},
        {"results", results}};
}

} // namespace

// ".bmv" and ".bmq" data files: saved from downloaded runs and opened again.
class TestBemariFile : public QObject
{
    Q_OBJECT

private slots:
    void savedChainOpensAsTheSameRuns_data()
    {
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<bool>("overloadedManual");
        QTest::newRow("BEMARI") << QByteArray("BEMARI") << false;
        QTest::newRow("BEMARI+") << QByteArray("BEMARI+") << false;
        QTest::newRow("BEMARI+ overloaded, manual") << QByteArray("BEMARI+") << true;
    }

    void savedChainOpensAsTheSameRuns()
    {
        QFETCH(QByteArray, model);
        QFETCH(bool, overloadedManual);
        SimulatedBemariCore rig(model);
        Header header;
        header.levels = {{2, ""}, {3, "OL"}};
        header.posChk = "";
        if (overloadedManual) {
            header.overload = "1";
            header.mode = "MANUAL";
            header.intervals = {{1, "0.5"}, {4, ""}};
        }
        rig.addRun(3, 14, start(), header);
        rig.addRun(8, 3, start().addDays(1));
        QCOMPARE(rig.select(), 0);
        QCOMPARE(rig.core->findExperiments(), 0);
        QCOMPARE(rig.core->createExperiment("[0, 1]"), 0);
        const QList<QJsonObject> saved = chain(*rig.core);
        QCOMPARE(saved.size(), 2);
        if (overloadedManual) {
            const QJsonObject results = saved.at(0).value("results").toObject();
            QCOMPARE(results.value("mode"), QJsonValue("MANUAL"));
            QCOMPARE(results.value("sampleTime"), QJsonValue("---"));
            QCOMPARE(results.value("LCpeak"), QJsonValue("OL"));
            QCOMPARE(results.value("l05"), QJsonValue("OL"));
        }

        QTemporaryDir dir;
        const QString base = dir.filePath("two runs");
        QCOMPARE(rig.core->saveExperimentToFile(QUrl::fromLocalFile(base).toString()), 0);
        const QString path = base + (rig.plus() ? ".bmq" : ".bmv");
        Opened opened(path);
        QVERIFY(!opened.invalid);
        QCOMPARE(opened.core.devName(), QString(model));
        QCOMPARE(opened.runs, saved);
        QCOMPARE(opened.runs.at(1).value("eventIndex"), QJsonValue(2));
    }

    void filesThatAreRefused_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QByteArray>("content");
        const QByteArray good = envelope("BEMARI+", QJsonArray{olderRun("BEMARI+", {})});
        const QList<QByteArray> lines = good.split('\n');
        QTest::newRow("a .bmq of the BEMARI")
            << ".bmq" << envelope("BEMARI", QJsonArray{olderRun("BEMARI", {})});
        QTest::newRow("a .bmv of the BEMARI+") << ".bmv" << good;
        QTest::newRow("upper-case digest") << ".bmq" << lines.at(0) + '\n' + lines.at(1).toUpper();
        QTest::newRow("newline after the digest") << ".bmq" << good + '\n';
        QTest::newRow("no Body") << ".bmq" << envelope("BEMARI+", QJsonValue());
        QTest::newRow("empty Body") << ".bmq" << envelope("BEMARI+", QJsonArray());
        QTest::newRow("Body of no run") << ".bmq" << envelope("BEMARI+", QJsonArray{1, "x"});
    }

    void filesThatAreRefused()
    {
        QFETCH(QString, extension);
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString path = dir.filePath("refused" + extension);
        QVERIFY(write(path, content));
        Opened opened(path);
        QVERIFY(opened.invalid);
        QVERIFY(opened.runs.isEmpty());
        QCOMPARE(opened.core.devName(), QString());
    }

    // Files of an older shape, or whose results lack keys, still open.
    void missingKeysReadAsTheirDefaults()
    {
        QTemporaryDir dir;
        const QString plusPath = dir.filePath("older.bmq");
        // A run object alone, not in an array, is one run.
        QVERIFY(write(plusPath, envelope("BEMARI+", olderRun("BEMARI+", {{"label", "OLD"}}))));
        Opened plus(plusPath);
        QVERIFY(!plus.invalid);
        QCOMPARE(plus.runs.size(), 1);
        const QJsonObject run = plus.runs.at(0);
        QCOMPARE(run.value("expName"), QJsonValue(""));
        QCOMPARE(run.value("index"), QJsonValue("5"));
        QCOMPARE(run.value("logList").toArray().at(0).toObject().value("interval"),
                 QJsonValue("2"));
        const QJsonObject results = run.value("results").toObject();
        QCOMPARE(results.value("label"), QJsonValue("OLD"));
        QCOMPARE(results.value("SEL"), QJsonValue("---"));
        QCOMPARE(results.value("lPeak"), QJsonValue("---"));
        QCOMPARE(results.value("mode"), QJsonValue(""));
        QCOMPARE(results.value("LZEq"), QJsonValue(""));
        QCOMPARE(results.value("preChkDate"), QJsonValue(""));

        const QString path = dir.filePath("older.bmv");
        QVERIFY(write(
            path, envelope("BEMARI", QJsonArray{olderRun("BEMARI", {{"SEL", ""}}),
                                                QJsonValue("not a run"), olderRun("BEMARI", {})})));
        Opened bemari(path);
        QCOMPARE(bemari.runs.size(), 2);
        QCOMPARE(bemari.runs.at(0).value("results").toObject().value("SEL"), QJsonValue(""));
        QVERIFY(
            !bemari.runs.at(0).value("logList").toArray().at(0).toObject().contains("interval"));
    }

    void failedSaveKeepsTheOldFile()
    {
        SimulatedBemariCore rig("BEMARI");
        rig.addRun(3, 2, start());
        QCOMPARE(rig.select(), 0);
        QCOMPARE(rig.core->findExperiments(), 0);
        QCOMPARE(rig.core->createExperiment("[0]"), 0);
        QSignalSpy failed(rig.core.get(), &Core::openFileError);
        QCOMPARE(rig.core->saveExperimentToFile("/nonexistent-folder/run"), -1);
        QCOMPARE(failed.count(), 1);
        QCOMPARE(failed.first().first().toString(), QString("BEMARI"));
    }
};

QTEST_MAIN(TestBemariFile)
#include "tst_bemarifile.moc"
