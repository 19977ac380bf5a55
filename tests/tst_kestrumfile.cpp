#include "DataFileEnvelope.h"
#include "FileFactory.h"
#include "RunChain.h"
#include "RunDownload.h"
#include "SimulatedKestrumLink.h"
#include "VfFile.h"
#include "models/kestrum/Kestrum2Experiment.h"
#include "models/kestrum/Kestrum2Results.h"

#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

// Saving downloaded heat-stress runs to ".ksm" and ".ks4" files and opening
// them again.
class TestKestrumFile : public QObject
{
    Q_OBJECT

private:
    using Chain = RunChain;

    static QDateTime start()
    {
        return QDateTime(QDate(2021, 6, 15), QTime(8, 30), Qt::OffsetFromUTC, -3 * 3600);
    }

    // Downloads every listed run into one chain, as the application does.
    static Chain downloadAll(SimulatedKestrumLink &d)
    {
        Chain head;
        const QList<QObject *> list = d.device->readExperimentList();
        for (QObject *entry : list) {
            Experiment *run = nullptr;
            if (RunDownload::download(d.device.get(), qobject_cast<Experiment *>(entry), &run) != 0)
                break;
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

    // Opens `content` as a file named `name`, as the application does.
    static Chain open(const QString &name, const QByteArray &content, int *status)
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        *status = -1;
        if (VfFile::write(path, content) != 0)
            return Chain();
        std::unique_ptr<VfFile> file(FileFactory::createByExtension(path));
        if (!file || !file->open(QIODevice::ReadOnly))
            return Chain();
        const QByteArray read = file->readAll();
        std::unique_ptr<Device> device(file->readHeader(read));
        Chain head(device ? file->parse(read) : nullptr);
        file->close();
        *status = file->status();
        return head;
    }

private slots:
    void kestrum2RunsReopenAsSaved()
    {
        SimulatedKestrumLink d("KESTRUM 2");
        d.instrument().addRun(SimulatedKestrumRuns::makeKestrum2Run(4, 12, start()));
        SimulatedInstrument::Run second = SimulatedKestrumRuns::makeKestrum2Run(9, 3, start());
        second.pages[3] = SimulatedKestrumRuns::replaceField(second.pages[3], 2, "---");
        second.pages[1] = SimulatedKestrumRuns::replaceField(second.pages[1], 2, "");
        second.records[1] = SimulatedKestrumRuns::replaceField(second.records[1], 7, "");
        d.instrument().addRun(second);
        Chain saved = downloadAll(d);
        QVERIFY(saved && saved->next());
        const QList<QJsonObject> before = runObjects(saved.get());

        int status = -1;
        Chain reopened = open("runs.ksm", fileContent(*d.device, before), &status);
        QCOMPARE(status, 0);
        QVERIFY(reopened);
        QCOMPARE(runObjects(reopened.get()), before);
        QCOMPARE(reopened->index(), 4);
        QCOMPARE(reopened->next()->index(), 9);
        QVERIFY(!reopened->next()->next());
        auto *results = qobject_cast<Kestrum2Results *>(reopened->next()->results());
        QVERIFY(qobject_cast<Kestrum2Experiment *>(reopened->next()));
        QVERIFY(results);
        QVERIFY(std::isnan(results->wet_T_Max()));
        QCOMPARE(results->sampleTime(), -1);
    }

    void envelope_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("deviceName");
        QTest::addColumn<QByteArray>("change");
        QTest::addColumn<int>("status");
        for (const char *model : {"KESTRUM 2", "KESTRUM 4"}) {
            const QString name = model == QByteArray("KESTRUM 2") ? "x.ksm" : "x.ks4";
            const QByteArray row(model);
            QTest::newRow(row + " as written") << name << model << QByteArray() << 0;
            QTest::newRow(row + " line break after the digest")
                << name << model << QByteArray("trailing line feed") << 2;
            QTest::newRow(row + " lines ended with CR LF")
                << name << model << QByteArray("crlf") << 1;
            QTest::newRow(row + " upper-case digest")
                << name << model << QByteArray("upper-case") << 1;
            QTest::newRow(row + " device in lower case")
                << name << QString(model).toLower() << QByteArray() << 2;
            QTest::newRow(row + " device with a trailing blank")
                << name << QString(model) + " " << QByteArray() << 2;
            QTest::newRow(row + " Body holds no run")
                << name << model << QByteArray("string Body") << 2;
        }
        QTest::newRow("KESTRUM 2 file named .ks4") << "x.ks4"
                                                   << "KESTRUM 2" << QByteArray() << 2;
    }

    void envelope()
    {
        QFETCH(QString, name);
        QFETCH(QString, deviceName);
        QFETCH(QByteArray, change);
        QFETCH(int, status);
        Device device;
        device.setProductName(deviceName);
        QJsonObject root = DataFileEnvelope::document("test", device.toJson(),
                                                      {QJsonObject{{"index", "5"}, {"size", "0"}}})
                               .object();
        if (change == "string Body")
            root.insert("Body", "runs");
        QByteArray content = DataFileEnvelope::encode(QJsonDocument(root));
        const int lineEnd = content.indexOf('\n');
        if (change == "trailing line feed")
            content += '\n';
        else if (change == "crlf")
            content.insert(lineEnd, '\r');
        else if (change == "upper-case")
            content = content.left(lineEnd + 1) + content.mid(lineEnd + 1).toUpper();
        int read = -1;
        Chain opened = open(name, content, &read);
        QCOMPARE(read, status);
        QCOMPARE(bool(opened), status == 0);
        if (opened)
            QCOMPARE(opened->index(), 5);
    }
};

QTEST_MAIN(TestKestrumFile)
#include "tst_kestrumfile.moc"
