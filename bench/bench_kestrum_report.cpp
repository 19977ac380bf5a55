// Writes the report and the CSV file of the longest heat-stress runs (32,400
// one-second samples, 9 h) with every section and sample table: a "KESTRUM 2"
// run, and a "KESTRUM 4" run with three expansion boards (four board tables).
// Prints the time per 1,000 samples, the pages and the peak memory, to set
// beside the dosimeter report bench.
#include "BenchSupport.h"
#include "Experiment.h"
#include "KestrumReportRun.h"
#include "PrinterFactory.h"
#include "SimulatedKestrumRuns.h"
#include "VfPrinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int kSamples = 32400;

int benchReport(const QString &productName, int boards)
{
    QTextStream out(stdout);
    SimulatedKestrumRuns::Header header;
    header.sampleSeconds = 1;
    header.expansionBoards = boards;
    const QDateTime start(QDate(2021, 6, 15), QTime(7, 0), Qt::OffsetFromUTC, -3 * 3600);
    const SimulatedInstrument::Run texts =
        productName == QLatin1String("KESTRUM 4")
            ? SimulatedKestrumRuns::makeKestrum4Run(1, kSamples, start, header)
            : SimulatedKestrumRuns::makeKestrum2Run(1, kSamples, start, header);
    std::unique_ptr<Experiment> run(KestrumReportRun::make(productName, texts));
    if (!run) {
        out << "the run could not be made\n";
        return 1;
    }
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.pdf"));
    const QJsonObject options = KestrumReportRun::everySection(productName, file);
    const double memoryBefore = BenchClock::peakMegabytes();

    BenchClock clock;
    int result;
    int pages;
    {
        std::unique_ptr<VfPrinter> printer(PrinterFactory::create(productName));
        printer->setProductName(productName);
        printer->setSn(QStringLiteral("1"));
        printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
        printer->setExperiment(run.get());
        result = printer->print();
        if (printer->endPainting() != 0)
            result = -1;
        pages = printer->pageCount();
    }
    const double seconds = clock.wallSeconds();
    out << productName << " report, " << boards << " expansion boards: " << kSamples << " samples, "
        << pages << " pages, result " << result << "\n";
    out << "  wall " << QString::number(seconds, 'f', 2) << " s ("
        << QString::number(1000 * seconds / (kSamples / 1000.0), 'f', 1)
        << " ms per 1,000 samples), cpu " << QString::number(clock.cpuSecondsUsed(), 'f', 2)
        << " s\n";
    out << "  PDF " << QString::number(QFileInfo(file).size() / 1024.0 / 1024.0, 'f', 2)
        << " MiB, CSV "
        << QString::number(QFileInfo(dir.filePath("bench.csv")).size() / 1024.0 / 1024.0, 'f', 2)
        << " MiB\n";
    out << "  peak memory " << QString::number(BenchClock::peakMegabytes(), 'f', 1)
        << " MiB (before the report " << QString::number(memoryBefore, 'f', 1) << " MiB)\n";
    return result == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    if (benchReport(QStringLiteral("KESTRUM 2"), 0) != 0)
        return 1;
    return benchReport(QStringLiteral("KESTRUM 4"), 3);
}
