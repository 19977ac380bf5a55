// Writes the "Rumo Report" of a chain of three long "RUMO" runs (28,800
// samples each, five, four and two quantities) with every block, a chart of
// every quantity and a sample table of every quantity, and prints the time it
// took, the pages and the peak memory of the process.
#include "BenchSupport.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "PrinterFactory.h"
#include "RumoReportChain.h"
#include "VfPrinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QUrl>
#include <memory>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int samples = argc > 1 ? QString(argv[1]).toInt() : 28800;
    Experiment *head = RumoReportChain::download({samples, samples, samples},
                                                 parseDeviceDateTime("24/05/17,08:00:00+00"));
    if (!head) {
        out << "the runs could not be made\n";
        return 1;
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.pdf"));
    const QJsonArray all{0, 1, 2, 3, 4};
    QJsonObject options{{"fileName", QUrl::fromLocalFile(file).toString()},
                        {"ckbTable", true},
                        {"selectedTableColumnsList", all},
                        {"ckbChart", true},
                        {"selectedChartsList", all},
                        {"ckbMaxMin", true},
                        {"ckbAvg", true},
                        {"ckbCalibration", true},
                        {"obsEnable", true},
                        {"obsText", "Benchmark runs."}};
    const double memoryBefore = BenchClock::peakMegabytes();

    BenchClock clock;
    int result;
    int pages;
    {
        std::unique_ptr<VfPrinter> printer(PrinterFactory::create(QStringLiteral("RUMO")));
        printer->setProductName(QStringLiteral("RUMO"));
        printer->setSn(QStringLiteral("1"));
        printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
        printer->setExperiment(head);
        result = printer->print();
        if (result == 0)
            result = printer->endPainting();
        pages = printer->pageCount();
    }
    const double seconds = clock.wallSeconds();
    const double cpu = clock.cpuSecondsUsed();
    head->deleteChain();

    out << "logger report: 3 runs of " << samples << " samples, " << pages << " pages, result "
        << result << "\n";
    out << "  wall " << QString::number(seconds, 'f', 2) << " s, cpu "
        << QString::number(cpu, 'f', 2) << " s\n";
    out << "  PDF " << QString::number(QFileInfo(file).size() / 1024.0 / 1024.0, 'f', 2)
        << " MiB\n";
    out << "  peak memory " << QString::number(BenchClock::peakMegabytes(), 'f', 1)
        << " MiB (before the report " << QString::number(memoryBefore, 'f', 1) << " MiB)\n";
    return result == 0 ? 0 : 1;
}
