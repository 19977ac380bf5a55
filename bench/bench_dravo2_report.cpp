// Writes the "Dosimeter Noise Report" of a dosimeter run of 28,800 samples (a
// full 8 h day at one-second intervals) with every section, both chart pages
// and the sample table, and prints the time it took, the pages and the peak
// memory of the process.
#include "BenchSupport.h"
#include "DeviceDateTime.h"
#include "Dravo2ReportRun.h"
#include "Experiment.h"
#include "PrinterFactory.h"
#include "VfPrinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <memory>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int samples = 28800;
    std::unique_ptr<Experiment> run(
        Dravo2ReportRun::make(samples, parseDeviceDateTime("24/05/17,08:00:00+00")));
    if (!run) {
        out << "the run could not be made\n";
        return 1;
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.pdf"));
    QJsonObject options = Dravo2ReportRun::everySection(file);
    options.insert("obsText", "Benchmark run.");
    const double memoryBefore = BenchClock::peakMegabytes();

    BenchClock clock;
    int result;
    int pages;
    {
        std::unique_ptr<VfPrinter> printer(PrinterFactory::create(QStringLiteral("DRAVO 2")));
        printer->setProductName(QStringLiteral("DRAVO 2"));
        printer->setSn(QStringLiteral("1"));
        printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
        printer->setExperiment(run.get());
        result = printer->print();
        printer->endPainting();
        pages = printer->pageCount();
    }
    const double seconds = clock.wallSeconds();
    const double cpu = clock.cpuSecondsUsed();

    out << "dosimeter report: " << samples << " samples, " << pages << " pages, result " << result
        << "\n";
    out << "  wall " << QString::number(seconds, 'f', 2) << " s, cpu "
        << QString::number(cpu, 'f', 2) << " s\n";
    out << "  PDF " << QString::number(QFileInfo(file).size() / 1024.0 / 1024.0, 'f', 2)
        << " MiB\n";
    out << "  peak memory " << QString::number(BenchClock::peakMegabytes(), 'f', 1)
        << " MiB (before the report " << QString::number(memoryBefore, 'f', 1) << " MiB)\n";
    return result == 0 ? 0 : 1;
}
