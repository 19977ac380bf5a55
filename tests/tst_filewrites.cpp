#include "Core.h"
#include "CoreRig.h"
#include "FileSizeLimit.h"
#include "ModelRegistry.h"
#include "ReplacementFile.h"
#include "ReportTestPrinter.h"
#include "ReportViewer.h"
#include "VfCsvFile.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <cerrno>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// What this process synced, in order: the paths of the synced descriptors.
QStringList &syncedPaths()
{
    static QStringList paths;
    return paths;
}

} // namespace

// Every fsync of the process passes here on its way to the system's, so that
// a test can see what was put on the disk and in which order.
extern "C" int fsync(int fd)
{
    char path[PATH_MAX];
    const ssize_t length = readlink(
        QByteArray("/proc/self/fd/" + QByteArray::number(fd)).constData(), path, sizeof(path) - 1);
    if (length > 0)
        syncedPaths().append(QFile::decodeName(QByteArray(path, int(length))));
    static const auto system = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    return system(fd);
}

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

// A report whose export beside the PDF is far larger than the PDF, so that a
// disk can have room for the PDF but not for the export.
class ReportWithLargeExport : public ReportTestPrinter
{
public:
    static constexpr int kExportBytes = 4 << 20;

    QString exportFileName() const { return VfCsvFile::besidePdf(reportFileName()); }
    QStringList outputFileNames() const override { return {reportFileName(), exportFileName()}; }
    int print() override
    {
        const int printed = ReportTestPrinter::print();
        writeBesidePdf(exportFileName(), QByteArray(kExportBytes, ';'));
        return printed;
    }
};

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

    // A name that is a symbolic link stands for the file it leads to: that
    // file is replaced and the link stays. A loop of links is refused with
    // the system's reason, and the links stay as they were.
    void symbolicLinks_data()
    {
        QTest::addColumn<QStringList>("links");
        QTest::addColumn<QString>("replaced");
        QTest::addColumn<QString>("reason");
        QTest::newRow("to a file") << QStringList{"name", "file"} << "file" << QString();
        QTest::newRow("through a link")
            << QStringList{"name", "link", "link", "file"} << "file" << QString();
        QTest::newRow("to a missing file") << QStringList{"name", "new"} << "new" << QString();
        QTest::newRow("loop") << QStringList{"name", "other", "other", "name"} << QString()
                              << qt_error_string(ELOOP);
        QTest::newRow("to itself")
            << QStringList{"name", "name"} << QString() << qt_error_string(ELOOP);
    }

    void symbolicLinks()
    {
        QFETCH(QStringList, links);
        QFETCH(QString, replaced);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        writeOld(dir.filePath("file"), "old");
        for (int i = 0; i + 1 < links.size(); i += 2)
            QVERIFY(QFile::link(links.at(i + 1), dir.filePath(links.at(i))));
        QString error;
        QCOMPARE(WholeFile::write(dir.filePath("name"), "new", &error), reason.isEmpty());
        QCOMPARE(error, reason);
        for (int i = 0; i + 1 < links.size(); i += 2)
            QVERIFY(QFileInfo(dir.filePath(links.at(i))).isSymLink());
        if (!replaced.isEmpty())
            QCOMPARE(contentOf(dir.filePath(replaced)), QByteArray("new"));
        if (replaced != "file")
            QCOMPARE(contentOf(dir.filePath("file")), QByteArray("old"));
    }

    // A writer that dies after its copy got its name and before the copy
    // took the file's place leaves the copy: the next write of that file
    // removes it, but never a copy a living writer holds, nor any other file.
    void copiesOfDeadWritersAreRemoved()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("report.pdf");
        writeOld(path, "old");
        const QString copy = path + '.' + ReplacementFile::CopyTag;
        writeOld(copy + "Dead01", "a whole new report");
        writeOld(copy + "Alive1", "being written");
        const QStringList others{"report.pdf." + QString(ReplacementFile::CopyTag) + "short",
                                 "other.pdf." + QString(ReplacementFile::CopyTag) + "Other1",
                                 "report.pdf.a1B2c3"};
        for (const QString &other : others)
            writeOld(dir.filePath(other), "someone else's");
        const int alive = ::open(QFile::encodeName(copy + "Alive1").constData(), O_RDONLY);
        QVERIFY(alive >= 0);
        QCOMPARE(::flock(alive, LOCK_EX | LOCK_NB), 0);

        QVERIFY(WholeFile::write(path, "new"));
        QCOMPARE(contentOf(path), QByteArray("new"));
        QVERIFY(!QFile::exists(copy + "Dead01"));
        QCOMPARE(contentOf(copy + "Alive1"), QByteArray("being written"));
        for (const QString &other : others)
            QCOMPARE(contentOf(dir.filePath(other)), QByteArray("someone else's"));

        // Once its writer is gone, the next write removes it too.
        ::close(alive);
        QVERIFY(WholeFile::write(path, "newer"));
        QVERIFY(!QFile::exists(copy + "Alive1"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), others.size() + 1);
    }

    // The file's bytes reach the disk before it takes the old one's place,
    // and the folder after, so that a power cut keeps the new name.
    void theFolderIsSyncedAfterTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("file");
        writeOld(path, "old");
        syncedPaths().clear();
        QVERIFY(WholeFile::write(path, "new"));
        QVERIFY(!syncedPaths().isEmpty());
        QCOMPARE(syncedPaths().last(), QFileInfo(dir.path()).canonicalFilePath());
        QVERIFY(syncedPaths().size() >= 2);
        QVERIFY(syncedPaths().first().startsWith(QFileInfo(dir.path()).canonicalFilePath() + '/'));
    }

    // A report's PDF and its export are replaced together or not at all: a
    // disk with room for the PDF but not for the export keeps both old files
    // byte for byte, and says which file failed and why.
    void reportFilesAreReplacedTogether_data()
    {
        QTest::addColumn<qint64>("room");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("failed");
        QTest::newRow("no room") << qint64(kRoomLeft) << false << "old.pdf";
        QTest::newRow("room for the PDF only")
            << qint64(ReportWithLargeExport::kExportBytes / 2) << false << "old.csv";
        QTest::newRow("room for both") << qint64(RLIM_INFINITY) << true << "";
    }

    void reportFilesAreReplacedTogether()
    {
        QFETCH(qint64, room);
        QFETCH(bool, written);
        QFETCH(QString, failed);
        QTemporaryDir dir;
        const QString pdf = dir.filePath("old.pdf");
        const QString csv = dir.filePath("old.csv");
        writeOld(pdf, "%PDF-1.4 an old report\n");
        writeOld(csv, "\"old\";\r\n");
        ReportWithLargeExport printer;
        printer.setReportOptions(
            QString::fromUtf8(QJsonDocument(QJsonObject{{"fileName", pdf}}).toJson()));
        QCOMPARE(printer.print(), 0);
        int result;
        {
            const FileSizeLimit full(static_cast<rlim_t>(room));
            result = printer.endPainting();
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"old.csv", "old.pdf"}));
        if (written) {
            QCOMPARE(result, 0);
            QVERIFY(contentOf(pdf).startsWith("%PDF"));
            QCOMPARE(contentOf(csv).size(), ReportWithLargeExport::kExportBytes);
            return;
        }
        QCOMPARE(result, -1);
        QCOMPARE(printer.failedFileName(), dir.filePath(failed));
        QCOMPARE(printer.failedReason(), FileSizeLimit::reason());
        QCOMPARE(contentOf(pdf), QByteArray("%PDF-1.4 an old report\n"));
        QCOMPARE(contentOf(csv), QByteArray("\"old\";\r\n"));
    }

    // The page asks before a save replaces a data file, naming the file the
    // save writes: the model's extension is added unless the name ends with
    // it, in the same case.
    void existingDataFilesAreTheOnesTheSaveWrites_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("existing");
        QTest::newRow("typed without extension") << "run"
                                                 << "run.drv";
        QTest::newRow("typed with extension") << "run.drv"
                                              << "run.drv";
        QTest::newRow("as a file URL") << "file://DIR/run"
                                       << "run.drv";
        QTest::newRow("upper-case extension") << "run.DRV"
                                              << "";
        QTest::newRow("no such file") << "new"
                                      << "";
    }

    void existingDataFilesAreTheOnesTheSaveWrites()
    {
        QFETCH(QString, typed);
        QFETCH(QString, existing);
        CoreRig rig("DRAVO 2");
        QVERIFY(rig.isReady());
        QTemporaryDir dir;
        const QString old = dir.filePath("run.drv");
        writeOld(old, "an old data file");
        const QString name =
            typed.startsWith("file:") ? typed.replace("DIR", dir.path()) : dir.filePath(typed);
        QCOMPARE(rig.core().existingDataFiles(name),
                 existing.isEmpty()
                     ? QStringList()
                     : QStringList{QDir::toNativeSeparators(dir.filePath(existing))});
        QCOMPARE(rig.core().saveExperimentToFile(name), 0);
        QCOMPARE(contentOf(old) != "an old data file", !existing.isEmpty());
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
