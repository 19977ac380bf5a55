#include "Core.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "SimulatedSelection.h"
#include "SimulatedQuillonRuns.h"
#include "TestIdle.h"
#include "VfFile.h"
#include "models/quillon/QuillonExperiment.h"
#include "models/quillon/QuillonExposureComponent.h"
#include "models/quillon/QuillonResults.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

QJsonObject parse(const QString &json)
{
    return QJsonDocument::fromJson(json.toUtf8()).object();
}

QString text(const QJsonValue &value)
{
    return QString::fromUtf8(value.isArray()
                                 ? QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact)
                                 : QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
}

// One opened run: its index, what its results hold beyond the defaults, the
// exposure time the page sends (none: the run is not sent) and its switch.
struct Run
{
    int index;
    QJsonObject values;
    QString exposure;
    bool arep = false;
};

QJsonObject resultsOf(const QJsonObject &values)
{
    QJsonObject results{
        {"totalTime", 3600}, {"label", "TASK"}, {"vdvX", "0.80"}, {"vdvY", "0.90"},
        {"vdvZ", "1.00"},    {"fX", "1.40"},    {"fY", "1.40"},   {"fZ", "1.00"},
        {"amX", "0.30"},     {"amY", "0.40"},   {"amZ", "0.50"},  {"arepX", "0.35"},
        {"arepY", "0.45"},   {"arepZ", "0.55"}, {"arep", "0.70"}, {"amrGlobal", "0.50"},
        {"fcX", "3.1"},      {"fcY", "3.2"},    {"fcZ", "3.3"}};
    for (auto it = values.begin(); it != values.end(); ++it)
        results.insert(it.key(), it.value());
    return results;
}

} // namespace

Q_DECLARE_METATYPE(QList<Run>)

// The daily vibration exposure of the opened "QUILLON" runs, driven through
// Core as the exposure-time and results pages drive it.
class TestQuillonExposure : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Core> m_core;

    QJsonObject experiment() const { return parse(m_core->experiment()); }
    QJsonObject results() const { return experiment().value("results").toObject(); }

    // Opens a ".qln" file of `runs` in a new Core and gives each its switch
    // and, through the exposure-time page's call, its exposure time.
    bool open(const QList<Run> &runs, bool sendTimes = true)
    {
        QList<QJsonObject> body;
        for (const Run &run : runs)
            body.append({{"index", QString::number(run.index)},
                         {"date", "24/05/17,08:30:00-12"},
                         {"experimentType", "B"},
                         {"results", resultsOf(run.values)}});
        Device device;
        device.setProductName("QUILLON");
        const QString path = m_dir.filePath("day.qln");
        if (VfFile::write(path, DataFileEnvelope::encode(DataFileEnvelope::document(
                                    "test", device.toJson(), body))) != 0)
            return false;
        m_core.reset(new Core);
        m_core->parseFile(path);
        if (!m_core->currentExperiment())
            return false;
        QJsonArray times;
        for (const Run &run : runs) {
            if (run.arep)
                m_core->refreshGeneralData(R"({"datatype": "updateAvORArep", "arep": true})");
            m_core->nextExp();
            if (!run.exposure.isEmpty())
                times.append(QJsonObject{{"event", run.index}, {"exposureTime", run.exposure}});
        }
        if (sendTimes)
            m_core->refreshPartialResults(text(times));
        return true;
    }

    static void compareNumber(const QJsonObject &json, const QString &key, const QVariant &expected)
    {
        const QJsonValue value = json.value(key);
        if (!expected.isValid()) {
            QVERIFY2(value.isNull(), qPrintable(key + " is " + QString::number(value.toDouble())));
            return;
        }
        QVERIFY2(value.isDouble(), qPrintable(key + " is not a number"));
        QVERIFY2(std::abs(value.toDouble() - expected.toDouble()) < 5e-7,
                 qPrintable(QStringLiteral("%1 is %2, not %3")
                                .arg(key)
                                .arg(value.toDouble(), 0, 'f', 7)
                                .arg(expected.toDouble(), 0, 'f', 7)));
    }

private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void cleanup() { m_core.reset(); }

    void dailyValues_data()
    {
        QTest::addColumn<QList<Run>>("runs");
        QTest::addColumn<QVariantMap>("expected");
        const QVariant null;

        QTest::newRow("VDV scaled to 02:00 of a 1 h run")
            << QList<Run>{{1, {}, "02:00"}}
            << QVariantMap{{"vdvXexpi", 1.3319120}, {"vdvXexp", 1.3319120}};
        QTest::newRow("two runs of 04:00, am 1.0 and 2.0")
            << QList<Run>{{1, {{"amX", "1.0"}}, "04:00"}, {2, {{"amX", "2.0"}}, "04:00"}}
            << QVariantMap{{"a8x", 1.5811388}};
        QTest::newRow("VDV 1 on each axis over the whole run")
            << QList<Run>{{1,
                           {{"vdvX", "1.00"}, {"vdvY", "1.00"}, {"fX", "1.00"}, {"fY", "1.00"}},
                           "01:00"}}
            << QVariantMap{{"vdvR", 1.3160740}, {"vdvXexp", 1.0}};
        QTest::newRow("am of one run, a_rep of the other")
            << QList<Run>{{1, {}, "02:00", false}, {2, {}, "01:30", true}}
            << QVariantMap{{"are", 0.3929058}, {"aren", 0.3929058}};
        QTest::newRow("a VDV that is no number")
            << QList<Run>{{1, {{"vdvY", "---"}}, "02:00"}}
            << QVariantMap{
                   {"vdvYexpi", null}, {"vdvYexp", null}, {"vdvR", null}, {"vdvXexp", 1.3319120}};
        QTest::newRow("a run of no total time")
            << QList<Run>{{1, {{"totalTime", 0}}, "02:00"}}
            << QVariantMap{{"vdvXexpi", null}, {"vdvR", null}, {"a8x", 0.15}};
        QTest::newRow("an am that is no number, with exposure")
            << QList<Run>{{1, {{"amX", "---"}}, "02:00"}}
            << QVariantMap{{"a8x", null}, {"a8y", 0.2}, {"aren", 0.25}};
        QTest::newRow("an am that is no number, without exposure")
            << QList<Run>{{1, {{"amX", "---"}}, "00:00"}, {2, {}, "02:00"}}
            << QVariantMap{{"a8x", 0.15}};
        QTest::newRow("a run the page did not send counts as 00:00")
            << QList<Run>{{1, {}, "02:00"}, {2, {{"vdvX", "9.0"}}, ""}}
            << QVariantMap{{"vdvXexp", 1.3319120}, {"are", 0.25}};
        QTest::newRow("greatest crest factor")
            << QList<Run>{{1, {{"fcX", "3.1"}, {"fcY", "4.2"}, {"fcZ", "---"}}, "01:00"},
                          {2, {{"fcX", "---"}, {"fcY", "---"}, {"fcZ", "---"}}, "01:00"}}
            << QVariantMap{{"fc", 4.2}};
        QTest::newRow("no crest factor is a number")
            << QList<Run>{{1, {{"fcX", "---"}, {"fcY", ""}, {"fcZ", "x"}}, "01:00"}}
            << QVariantMap{{"fc", null}};
        QTest::newRow("crest factors below 0")
            << QList<Run>{{1, {{"fcX", "-1"}, {"fcY", "-2"}, {"fcZ", "0"}}, "01:00"}}
            << QVariantMap{{"fc", 0.0}};
    }

    void dailyValues()
    {
        QFETCH(QList<Run>, runs);
        QFETCH(QVariantMap, expected);
        QVERIFY(open(runs));
        const QJsonObject json = results();
        QCOMPARE(json.value("workingHours").toString(), QString("08:00"));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it)
            compareNumber(json, it.key(), it.value());
    }

    void workingHoursRescaleAre()
    {
        QVERIFY(open({{1, {}, "02:00", false}, {2, {}, "01:30", true}}));
        QSignalSpy updated(m_core.get(), &Core::resultsUpdated);
        m_core->refreshWorkingHours(R"({"workingHours": "06:00"})");
        QCOMPARE(updated.count(), 1);
        QJsonObject json = results();
        QCOMPARE(json.value("workingHours").toString(), QString("06:00"));
        compareNumber(json, "are", 0.4536886);
        compareNumber(json, "aren", 0.3929058);

        for (const char *refused : {R"({"workingHours": "00:00"})", R"({"workingHours": "8:00"})",
                                    R"({"workingHours": "24:00"})", "not json", "[\"06:00\"]"}) {
            m_core->refreshWorkingHours(refused);
            QCOMPARE(updated.count(), 1);
            QCOMPARE(results(), json);
        }
        // A new combination at 06:00 gives what the rescale gave.
        m_core->refreshPartialResults(
            R"([{"event": 1, "exposureTime": "02:00"}, {"event": 2, "exposureTime": "01:30"}])");
        compareNumber(results(), "are", 0.4536886);
    }

    void switchRecombinesTheCurrentRun()
    {
        QVERIFY(open({{1, {}, "08:00"}, {2, {}, "00:00"}}));
        compareNumber(results(), "are", 0.5);
        QSignalSpy updated(m_core.get(), &Core::resultsUpdated);
        m_core->refreshGeneralData(R"({"datatype": "updateAvORArep", "arep": true})");
        QCOMPARE(updated.count(), 1);
        const QJsonObject first = results();
        QCOMPARE(first.value("bArepEvaluation").toBool(), true);
        compareNumber(first, "are", 0.7);
        compareNumber(first, "a8x", 0.35);
        m_core->nextExp();
        const QJsonObject second = results();
        QCOMPARE(second.value("bArepEvaluation").toBool(), false);
        // Every run carries the day's values.
        for (const char *key : {"are", "aren", "a8x", "vdvR", "fc", "workingHours"})
            QCOMPARE(second.value(key), first.value(key));
    }

    void refusedExposureTimeKeepsTheEarlierOne()
    {
        QVERIFY(open({{1, {}, "02:00"}}));
        m_core->refreshPartialResults(R"([{"event": 1, "exposureTime": "25:00"}])");
        const QJsonObject json = results();
        QCOMPARE(json.value("exposureTime").toString(), QString("02:00"));
        compareNumber(json, "vdvXexpi", 1.3319120);
    }

    void newRunsForgetTheDay()
    {
        QVERIFY(open({{1, {}, "02:00"}}));
        m_core->refreshWorkingHours(R"({"workingHours": "06:00"})");
        QVERIFY(!results().value("are").isNull());
        // The page has not sent the new chain's times yet.
        QVERIFY(open({{4, {}, ""}}, false));
        const QJsonObject json = results();
        QCOMPARE(json.value("workingHours").toString(), QString("08:00"));
        for (const char *key :
             {"a8x", "a8y", "a8z", "vdvXexp", "vdvYexp", "vdvZexp", "vdvR", "are", "aren", "fc"})
            QVERIFY2(json.value(key).isNull(), key);
    }

    void componentsOfDownloadedRuns()
    {
        SimulatedInstrument instrument;
        QVERIFY(installSimulatedModel(instrument, "QUILLON"));
        const QDateTime start = parseDeviceDateTime("24/05/17,08:30:00-12");
        SimulatedQuillonRuns::Header older = SimulatedQuillonRuns::header(6, 5);
        older.olderFormat = true;
        older.label = "DRILL";
        instrument.addRun(SimulatedQuillonRuns::makeRun(6, 5, start, older));
        instrument.addRun(SimulatedQuillonRuns::makeRun(9, 5, start));
        Core core;
        QVERIFY(core.expCompList().value<QList<QObject *>>().isEmpty());
        QVERIFY(selectSimulatedInstrument(core, instrument, "QUILLON", TestIdle::QuietLinkMs));
        QCOMPARE(core.findExperiments(), 0);
        QVERIFY(core.expCompList().value<QList<QObject *>>().isEmpty());
        QCOMPARE(core.createExperiment("[1, 0]"), 0);

        const QList<QObject *> first = core.expCompList().value<QList<QObject *>>();
        const QList<QObject *> second = core.expCompList().value<QList<QObject *>>();
        QCOMPARE(first.size(), 2);
        QCOMPARE(second.size(), 2);
        const QList<int> events{9, 6};
        const QStringList labels{"GRINDER", "DRILL"};
        const QStringList recorded{"5400", "0"};
        for (int i = 0; i < 2; ++i) {
            QVERIFY(first.at(i) != second.at(i));
            QCOMPARE(first.at(i)->property("event").toInt(), events.at(i));
            QCOMPARE(first.at(i)->property("label").toString(), labels.at(i));
            QCOMPARE(first.at(i)->property("exposeTimeFromExp").toString(), recorded.at(i));
            for (const char *name : {"event", "label", "arep", "vdvX", "vdvY", "vdvZ", "cfX", "cfY",
                                     "cfZ", "exposeTimeFromExp"})
                QCOMPARE(second.at(i)->property(name), first.at(i)->property(name));
        }
        QCOMPARE(first.at(0)->property("cfY").toString(), QString("3.20"));
        qDeleteAll(first);
        qDeleteAll(second);
    }

    void runWithoutVibrationResults()
    {
        auto *head = new QuillonExperiment;
        head->setIndex(3);
        auto *other = new QuillonExperiment;
        other->setIndex(4);
        auto *results = new QuillonResults;
        other->setResults(results);
        head->append(other);

        QuillonExposureComponent component;
        component.loadFromExperiment(head);
        QCOMPARE(component.event(), 3);
        QCOMPARE(component.label(), QString());
        QCOMPARE(component.exposeTimeFromExp(), QString());
        QCOMPARE(results->applyExposureComponents(head), 0);
        QCOMPARE(QuillonResults::daily().aren, 0.0);
        head->deleteChain();
    }
};

QTEST_MAIN(TestQuillonExposure)
#include "tst_quillonexposure.moc"
