// Writes the "Dosimeter Noise Report" of a dosimeter run of 28,800 samples (a
// full 8 h day at one-second intervals) with every section, both chart pages
// and the sample table, and prints the time it took, the pages and the peak
// memory of the process. Then the same run as an instrument whose clock was
// reset writes it: its samples span a century. That report stays within the
// bounds printed (it took 38 s and 480 MB while its time axis had a tick for
// every two days).
#include "BenchSupport.h"
#include "DeviceDateTime.h"
#include "Dravo2ReportRun.h"
#include "Experiment.h"
#include "Log.h"
#include "PrinterFactory.h"
#include "VfPrinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <memory>

namespace {

struct Figures
{
    int result = -1;
    int pages = 0;
    double seconds = 0;
    double cpu = 0;
    double megabytes = 0;
};

Figures writeReport(Experiment *run, const QString &file)
{
    QJsonObject options = Dravo2ReportRun::everySection(file);
    options.insert("obsText", "Benchmark run.");
    Figures figures;
    BenchClock clock;
    {
        std::unique_ptr<VfPrinter> printer(PrinterFactory::create(QStringLiteral("DRAVO 2")));
        printer->setProductName(QStringLiteral("DRAVO 2"));
        printer->setSn(QStringLiteral("1"));
        printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
        printer->setExperiment(run);
        figures.result = printer->print();
        printer->endPainting();
        figures.pages = printer->pageCount();
    }
    figures.seconds = clock.wallSeconds();
    figures.cpu = clock.cpuSecondsUsed();
    figures.megabytes = QFileInfo(file).size() / 1024.0 / 1024.0;
    return figures;
}

void print(QTextStream &out, const QString &name, int samples, const Figures &figures)
{
    out << name << ": " << samples << " samples, " << figures.pages << " pages, result "
        << figures.result << "\n";
    out << "  wall " << QString::number(figures.seconds, 'f', 2) << " s, cpu "
        << QString::number(figures.cpu, 'f', 2) << " s\n";
    out << "  PDF " << QString::number(figures.megabytes, 'f', 2) << " MiB\n";
    out << "  peak memory " << QString::number(BenchClock::peakMegabytes(), 'f', 1) << " MiB\n";
}

} // namespace

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
    out << "peak memory before the reports " << QString::number(BenchClock::peakMegabytes(), 'f', 1)
        << " MiB\n";
    const Figures day = writeReport(run.get(), dir.filePath(QStringLiteral("day.pdf")));
    print(out, QStringLiteral("dosimeter report"), samples, day);

    // The clock was reset: the first samples carry the year 2000, the last
    // one 2099.
    const QList<Log *> logs = run->logs();
    for (int i = 0; i < 10; ++i)
        logs.at(i)->setRegisterDate(parseDeviceDateTime("00/01/01,00:00:00+00").addSecs(i));
    logs.last()->setRegisterDate(parseDeviceDateTime("99/12/31,23:59:59+00"));
    const Figures century = writeReport(run.get(), dir.filePath(QStringLiteral("century.pdf")));
    print(out, QStringLiteral("run spanning a century"), samples, century);
    const double boundSeconds = 2 * day.seconds + 2;
    const double boundMegabytes = 400;
    const bool within =
        century.seconds <= boundSeconds && BenchClock::peakMegabytes() <= boundMegabytes;
    out << "  bounds: " << QString::number(boundSeconds, 'f', 2)
        << " s (twice the day's, plus 2 s), " << boundMegabytes
        << " MiB peak: " << (within ? "kept" : "EXCEEDED") << "\n";
    return day.result == 0 && century.result == 0 && within ? 0 : 1;
}
