#include "Core.h"
#include "CoreRig.h"
#include "FileSizeLimit.h"
#include "ModelRegistry.h"
#include "ReportViewer.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

// Far less than any report, CSV export or data file of two runs.
constexpr rlim_t kRoomLeft = 16;

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

void writeOld(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

} // namespace

// Every file the application writes for the user (report, CSV export, data
// file) replaces the old one only when it was written whole. On a disk that
// fills up the old files stay byte for byte, the operation fails, and the
// message gives the system's reason.
class TestFileWrites : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(CoreRig::models().size() >= 9); }

    // The one writer of every file: a write that comes up short (the disk
    // filled up midway) and one that cannot start both keep the old file and
    // give the system's reason, never "Unknown error".
    // A tail made while the content is written (a data file's digest) is
    // held to the same.
    void shortWritesKeepTheOldFile_data()
    {
        QTest::addColumn<int>("room");
        QTest::addColumn<QByteArray>("tail");
        QTest::newRow("room for a part") << 100 << QByteArray();
        QTest::newRow("no room") << 0 << QByteArray();
        QTest::newRow("room for a part, with a tail") << 100 << QByteArray("\ntail");
        QTest::newRow("room for all but the tail") << 1002 << QByteArray("\ntail");
    }

    void shortWritesKeepTheOldFile()
    {
        QFETCH(int, room);
        QFETCH(QByteArray, tail);
        QTemporaryDir dir;
        const QString path = dir.filePath("file");
        writeOld(path, "old");
        const QByteArray content(1000, 'x');
        const auto write = [&](const QString &target, QString *error) {
            return tail.isEmpty() ? WholeFile::write(target, content, error)
                                  : WholeFile::write(
                                        target, content, [&] { return tail; }, error);
        };
        QString error;
        bool written;
        {
            const FileSizeLimit full(room);
            written = write(path, &error);
        }
        QVERIFY(!written);
        QCOMPARE(error, FileSizeLimit::reason());
        QCOMPARE(contentOf(path), QByteArray("old"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"file"});

        QVERIFY(write(path, &error));
        QCOMPARE(contentOf(path), content + tail);
        error.clear();
        QVERIFY(!write(dir.filePath("missing/file"), &error));
        QVERIFY(!error.isEmpty());
    }

    // One row per model, every one that exports CSV asked for it too.
    void fullDiskKeepsOldFiles_data()
    {
        QTest::addColumn<QString>("model");
        for (const QString &model : CoreRig::models())
            QTest::newRow(qPrintable(model)) << model;
    }

    void fullDiskKeepsOldFiles()
    {
        QFETCH(QString, model);
        CoreRig rig(model.toLatin1());
        QVERIFY(rig.isReady());
        ReportViewer viewer;
        QTemporaryDir dir;
        const QString pdf = dir.filePath("old.pdf");
        const QString data =
            dir.filePath("old" + ModelRegistry::instance().byProductName(model)->extension);
        const QList<QPair<QString, QByteArray>> old{{pdf, "%PDF-1.4 an old report\n"},
                                                    {dir.filePath("old.csv"), "\"old\";\r\n"},
                                                    {data, "an old data file"}};
        for (const auto &file : old)
            writeOld(file.first, file.second);
        const QJsonObject options{{"fileName", QUrl::fromLocalFile(pdf).toString()},
                                  {"ckbTable", true},
                                  {"ckbCsv", true}};

        QSignalSpy why(&rig.core(), &Core::writeError);
        int report;
        int saved;
        {
            const FileSizeLimit full(kRoomLeft);
            report = rig.core().generateReport(QString::fromUtf8(QJsonDocument(options).toJson()));
            saved = rig.core().saveExperimentToFile(data);
        }
        QCOMPARE(report, -1);
        QCOMPARE(saved, -1);
        QVERIFY(viewer.opened.isEmpty());
        const auto problem = [](const QString &path) {
            return QString("\"%1\" could not be written. %2")
                .arg(QDir::toNativeSeparators(path), FileSizeLimit::reason());
        };
        QCOMPARE(why.count(), 2);
        QCOMPARE(why.at(0).first().toString(), problem(pdf));
        QCOMPARE(why.at(1).first().toString(), problem(data));
        for (const auto &file : old)
            QCOMPARE(contentOf(file.first), file.second);
        // No temporary file is left behind.
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), old.size());
    }
};

QTEST_MAIN(TestFileWrites)
#include "tst_filewrites.moc"
