// Writes a report whose run has 28,800 samples (a day at 3-second
// intervals), all printed in the full-page sample table, and prints the time
// it took and the peak memory of the process.
#include "BenchSupport.h"
#include "ReportTestPrinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const int samples = 28800;
    Experiment *run = makeReportRun(samples, QDateTime(QDate(2021, 3, 1), QTime(0, 0)), 3);
    const QString file = dir.filePath(QStringLiteral("bench.pdf"));
    const double memoryBefore = BenchClock::peakMegabytes();

    BenchClock clock;
    int result;
    int pages;
    {
        ReportTestPrinter printer;
        printer.setProductName(QStringLiteral("DRAVO 2"));
        printer.setSn(QStringLiteral("1"));
        printer.setReportOptions(QString::fromUtf8(
            QJsonDocument(QJsonObject{{"fileName", file}, {"ckbTable", true}}).toJson()));
        printer.setExperiment(run);
        result = printer.print();
        printer.endPainting();
        pages = printer.pageCount();
    }
    const double seconds = clock.wallSeconds();
    const double cpu = clock.cpuSecondsUsed();
    run->deleteChain();

    out << "report table: " << samples << " rows, " << pages << " pages, result " << result << "\n";
    out << "  wall " << QString::number(seconds, 'f', 2) << " s, cpu "
        << QString::number(cpu, 'f', 2) << " s, "
        << QString::number(samples / qMax(seconds, 1e-9), 'f', 0) << " rows/s\n";
    out << "  PDF " << QString::number(QFileInfo(file).size() / 1024.0 / 1024.0, 'f', 2)
        << " MiB\n";
    out << "  peak memory " << QString::number(BenchClock::peakMegabytes(), 'f', 1)
        << " MiB (before the report " << QString::number(memoryBefore, 'f', 1) << " MiB)\n";
    return result == 0 ? 0 : 1;
}
