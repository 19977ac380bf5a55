#include "DataFileEnvelope.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "RunChain.h"
#include "RunDownload.h"
#include "SimulatedQuillonLink.h"
#include "models/quillon/QuillonExperiment.h"
#include "models/quillon/QuillonFile.h"
#include "models/quillon/QuillonLog.h"
#include "models/quillon/QuillonResults.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

using Chain = RunChain;
using R = QuillonResults;
using Check = std::function<bool(const QuillonExperiment &, const QuillonResults &)>;

QList<QJsonObject> runObjects(Experiment *head)
{
    QList<QJsonObject> runs;
    for (Experiment *run = head; run; run = run->next())
        runs.append(run->toJson());
    return runs;
}

QByteArray fileContent(const QList<QJsonObject> &runs)
{
    Device device;
    device.setProductName("QUILLON");
    return DataFileEnvelope::encode(DataFileEnvelope::document("test", device.toJson(), runs));
}

// Opens `content` as a ".qln" file, as the application does.
Chain open(const QByteArray &content, int *status)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("runs.qln");
    if (VfFile::write(path, content) != 0)
        return Chain();
    std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
    if (!qobject_cast<QuillonFile *>(file.get()) || !file->open(QIODevice::ReadOnly))
        return Chain();
    const QByteArray read = file->readAll();
    std::unique_ptr<Device> device(file->readHeader(read));
    Chain head(device ? file->parse(read) : nullptr);
    *status = file->status();
    return head;
}

QJsonObject sample(const char *interval, const char *awX, const char *awY, const char *awZ)
{
    return {{"date", "24/05/17,08:30:01-12"},
            {"interval", interval},
            {"awX", awX},
            {"awY", awY},
            {"awZ", awZ},
            {"vdvX", "0.1"},
            {"amr", "0.2"}};
}

} // namespace

Q_DECLARE_METATYPE(Check)

// Saving vibration runs to a ".qln" file and opening it again, older files
// included.
class TestQuillonFile : public QObject
{
    Q_OBJECT

private slots:
    void threeDownloadedRunsReopenAsSaved()
    {
        SimulatedQuillonLink q;
        const QDateTime start = parseDeviceDateTime("24/05/17,08:30:00-12");
        SimulatedQuillonRuns::Header header = SimulatedQuillonRuns::header(3, 12);
        header.type = " ";
        q.instrument().addRun(SimulatedQuillonRuns::makeRun(3, 12, start, header));
        header = SimulatedQuillonRuns::header(5, 1);
        header.axes[1].vdv = "";
        header.bandFrequencies.clear();
        q.instrument().addRun(SimulatedQuillonRuns::makeRun(5, 1, start.addDays(1), header));
        q.instrument().addRun(SimulatedQuillonRuns::makeRun(8, 31, start.addDays(2)));
        Chain saved;
        const QList<QObject *> list = q.device->readExperimentList();
        for (QObject *entry : list) {
            Experiment *run = nullptr;
            QCOMPARE(RunDownload::download(q.device.get(), qobject_cast<Experiment *>(entry), &run),
                     0);
            if (saved)
                saved->append(run);
            else
                saved.reset(run);
        }
        q.device->clearExperimentList();
        const QList<QJsonObject> before = runObjects(saved.get());

        int status = -1;
        Chain reopened = open(fileContent(before), &status);
        QCOMPARE(status, 0);
        QVERIFY(reopened);
        QCOMPARE(runObjects(reopened.get()), before);
        const QList<int> indexes{3, 5, 8};
        int i = 0;
        for (Experiment *run = reopened.get(); run; run = run->next(), ++i)
            QCOMPARE(run->index(), indexes.at(i));
        QCOMPARE(i, 3);
        auto *first = qobject_cast<QuillonExperiment *>(reopened.get());
        QVERIFY(first);
        QCOMPARE(first->exp_Name(), QString("RUN 3"));
        QCOMPARE(first->type(), QString("H"));
        QCOMPARE(first->logs().size(), 12);
        auto *second = qobject_cast<QuillonResults *>(reopened->next()->results());
        QCOMPARE(second->axis(R::AxisY).vdv, QString("---"));
        QCOMPARE(second->bands(R::AxisX).size(), 0);
    }

    void olderFileGetsItsValuesFromTheSamples()
    {
        const QJsonObject results{
            {"amX", "0.35"}, {"amY", "0.36"}, {"amZ", "0.37"}, {"amrGlobal", "0.50"}};
        const QJsonObject run{
            {"index", "2"},
            {"size", "2"},
            {"logList", QJsonArray{sample("1", "2", "1", "0"), sample("3", "4", "1", "0")}},
            {"results", results}};
        int status = -1;
        Chain opened = open(fileContent({run}), &status);
        QVERIFY(opened);
        auto *r = qobject_cast<QuillonResults *>(opened->results());
        // (4 x 1 + 16 x 3) / 4 = 13 for X.
        QCOMPARE(r->axis(R::AxisX).am, QString("3.61"));
        QCOMPARE(r->axis(R::AxisY).am, QString("1.00"));
        QCOMPARE(r->axis(R::AxisZ).am, QString("0.00"));
        QCOMPARE(r->axis(R::AxisX).arep, QString("0.35"));
        QCOMPARE(r->axis(R::AxisZ).arep, QString("0.37"));
        QCOMPARE(r->totalTime(), 4.0);
        QCOMPARE(r->amrGlobal(), QString("0.50"));
    }

    void storedAndComputedValues_data()
    {
        QTest::addColumn<QJsonObject>("results");
        QTest::addColumn<QJsonArray>("samples");
        QTest::addColumn<Check>("check");
        const QJsonArray two{sample("1", "2", "1", "0"), sample("3", "4", "1", "0")};
        const QJsonObject newer{{"amX", "0.30"}, {"arepX", "0.35"}, {"totalTime", 120}};

        QTest::newRow("stored total time kept") << newer << two << Check([](auto &, auto &r) {
            return r.totalTime() == 120 && r.axis(R::AxisX).am == "0.30" &&
                   r.axis(R::AxisX).arep == "0.35";
        });
        QTest::newRow("no a_mr: vector sum of the axes")
            << newer << two << Check([](auto &, auto &r) { return r.amrGlobal() == "3.74"; });
        QTest::newRow("arepX decides alone") << newer << two << Check([](auto &, auto &r) {
            return r.axis(R::AxisY).arep.isEmpty() && r.axis(R::AxisY).am.isEmpty();
        });
        QTest::newRow("an interval that is no number weighs nothing")
            << QJsonObject()
            << QJsonArray{sample("---", "9", "9", "9"), sample("2", "3", "---", "0")}
            << Check([](auto &run, auto &r) {
                   const auto *first = qobject_cast<QuillonLog *>(run.logs().first());
                   return first->interval() == "---" && r.totalTime() == 2 &&
                          r.axis(R::AxisX).am == "3.00" && r.axis(R::AxisY).am == "---" &&
                          r.amrGlobal() == "---";
               });
        QTest::newRow("no samples: nothing to compute")
            << QJsonObject() << QJsonArray() << Check([](auto &, auto &r) {
                   return r.totalTime() == 0 && r.axis(R::AxisX).am == "---" &&
                          r.amrGlobal() == "---";
               });
        QTest::newRow("two band lists")
            << QJsonObject{{"amrList", QJsonArray{QJsonArray{QJsonObject{{"amr", "0.1"}}},
                                                  QJsonArray{QJsonObject{{"amr", "0.2"}}}}}}
            << two << Check([](auto &, auto &r) {
                   return r.bands(R::AxisX).size() == 1 &&
                          r.bands(R::AxisY).at(0)->amr() == "0.2" && r.bands(R::AxisZ).isEmpty();
               });
        QTest::newRow("band lists after the third ignored")
            << QJsonObject{{"amrList", QJsonArray{QJsonArray(), QJsonArray(), QJsonArray(),
                                                  QJsonArray{QJsonObject{{"amr", "0.9"}}}}}}
            << two << Check([](auto &, auto &r) {
                   return r.bands(R::AxisX).isEmpty() && r.bands(R::AxisZ).isEmpty();
               });
        QTest::newRow("a missing per-weighting value reads empty")
            << newer << two
            << Check([](auto &, auto &r) { return r.axis(R::AxisX).weighted[0].value.isEmpty(); });
    }

    void storedAndComputedValues()
    {
        QFETCH(QJsonObject, results);
        QFETCH(QJsonArray, samples);
        QFETCH(Check, check);
        const QJsonObject run{
            {"index", 4}, {"size", "2"}, {"logList", samples}, {"results", results}};
        int status = -1;
        Chain opened = open(fileContent({run}), &status);
        QCOMPARE(status, 0);
        QVERIFY(opened);
        // An index stored as a number is no index.
        QCOMPARE(opened->index(), 0);
        QVERIFY(check(*qobject_cast<QuillonExperiment *>(opened.get()),
                      *qobject_cast<QuillonResults *>(opened->results())));
    }

    void refusedFiles()
    {
        const QJsonObject run{{"index", "4"}};
        int status = -1;
        QByteArray content = fileContent({run});
        QVERIFY(!open(content + "\n", &status));
        QCOMPARE(status, 2);
        content[3] = content.at(3) == 'A' ? 'B' : 'A';
        QVERIFY(!open(content, &status));
        QCOMPARE(status, 1);
        QVERIFY(!open(fileContent({}), &status));
        QCOMPARE(status, 2);

        Device other;
        other.setProductName("quillon");
        QVERIFY(
            !open(DataFileEnvelope::encode(DataFileEnvelope::document("t", other.toJson(), {run})),
                  &status));
        QCOMPARE(status, 2);
    }
};

QTEST_MAIN(TestQuillonFile)
#include "tst_quillonfile.moc"
