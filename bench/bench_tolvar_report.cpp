// Writes the "TOLVAR 3 PLUS Report" and the "TOLVAR 4 Report" of the longest
// run a pump holds (32,400 samples: 9 h at one sample a second) with every
// block, both charts and the sample table, and prints the time each took, its
// pages and the peak memory of the process.
#include "BenchSupport.h"
#include "Experiment.h"
#include "PrinterFactory.h"
#include "TolvarReportRun.h"
#include "VfPrinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <memory>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const int samples = argc > 1 ? QString(argv[1]).toInt() : 32400;
    SimulatedTolvarRuns::Header header;
    header.sampleSeconds = 1;
    const QDateTime start(QDate(2024, 5, 17), QTime(7, 0), Qt::OffsetFromUTC, -3 * 3600);
    QTemporaryDir dir;
    for (const auto model :
         {SimulatedTolvarRuns::Model::Tolvar3Plus, SimulatedTolvarRuns::Model::Tolvar4}) {
        const QString name = model == SimulatedTolvarRuns::Model::Tolvar4
                                 ? QStringLiteral("TOLVAR 4")
                                 : QStringLiteral("TOLVAR 3 PLUS");
        std::unique_ptr<Experiment> run(TolvarReportRun::make(model, samples, start, header));
        if (!run) {
            out << "the run could not be made\n";
            return 1;
        }
        const QString file = dir.filePath(QStringLiteral("bench.pdf"));
        const QJsonObject options = TolvarReportRun::everySection(file);
        BenchClock clock;
        int result;
        int pages;
        {
            std::unique_ptr<VfPrinter> printer(PrinterFactory::create(name));
            printer->setProductName(name);
            printer->setSn(QStringLiteral("1"));
            printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
            printer->setExperiment(run.get());
            result = printer->print();
            if (result == 0)
                result = printer->endPainting();
            pages = printer->pageCount();
        }
        out << name << " report: " << samples << " samples, " << pages << " pages, result "
            << result << "\n";
        out << "  wall " << QString::number(clock.wallSeconds(), 'f', 2) << " s, cpu "
            << QString::number(clock.cpuSecondsUsed(), 'f', 2) << " s\n";
        out << "  PDF " << QString::number(QFileInfo(file).size() / 1024.0 / 1024.0, 'f', 2)
            << " MiB\n";
        out << "  peak memory " << QString::number(BenchClock::peakMegabytes(), 'f', 1) << " MB\n";
        out.flush();
        if (result != 0)
            return 1;
    }
    return 0;
}
