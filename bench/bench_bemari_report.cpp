// Writes the "Noise Report" of the longest run a sound level meter holds
// (32,400 records, nine hours at one-second intervals) with every section,
// every chart and the sample table, and of a run a tenth of its size, for
// the "BEMARI" and the "BEMARI+". Prints the time each took, the ratio of the
// two times (a report that grows with its table, not faster), the pages and
// the peak memory of the process.
#include "BemariReportRun.h"
#include "BenchSupport.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "PdfText.h"
#include "PrinterFactory.h"
#include "VfPrinter.h"

#include <QApplication>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <memory>

namespace {

constexpr int kLongestRun = 32400;

struct Figures
{
    int result = -1;
    int pages = 0;
    int pdfPages = 0;
    double seconds = 0;
};

Figures writeReport(Experiment *run, bool plus, const QString &file)
{
    const QString product = plus ? QStringLiteral("BEMARI+") : QStringLiteral("BEMARI");
    Figures figures;
    BenchClock clock;
    {
        std::unique_ptr<VfPrinter> printer(PrinterFactory::create(product));
        if (!printer)
            return figures;
        printer->setProductName(product);
        printer->setSn(QStringLiteral("1"));
        printer->setReportOptions(
            QString::fromUtf8(QJsonDocument(BemariReportRun::everySection(file, plus)).toJson()));
        printer->setExperiment(run);
        figures.result = printer->print();
        if (printer->endPainting() != 0)
            figures.result = -1;
        figures.pages = printer->pageCount();
    }
    figures.seconds = clock.wallSeconds();
    figures.pdfPages = PdfText::pageCount(file);
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    bool sound = true;
    for (bool plus : {false, true}) {
        const QString product = plus ? QStringLiteral("BEMARI+") : QStringLiteral("BEMARI");
        Figures figures[2];
        for (int size = 0; size < 2; ++size) {
            const int records = size == 0 ? kLongestRun / 10 : kLongestRun;
            SimulatedBemariRuns::Header header;
            header.plus = plus;
            header.octaveAnalysis = "1/3";
            std::unique_ptr<Experiment> run(BemariReportRun::make(
                records, parseDeviceDateTime("24/05/17,08:00:00+00"), header));
            if (!run) {
                out << product << ": the run could not be made\n";
                return 1;
            }
            figures[size] = writeReport(
                run.get(), plus, dir.filePath(QStringLiteral("%1-%2.pdf").arg(plus).arg(records)));
            out << product << " report of " << records << " records: result "
                << figures[size].result << ", " << figures[size].pages << " pages ("
                << figures[size].pdfPages << " in the PDF), "
                << QString::number(figures[size].seconds, 'f', 2) << " s\n";
            sound = sound && figures[size].result == 0 &&
                    (figures[size].pdfPages == 0 || figures[size].pdfPages == figures[size].pages);
        }
        out << "  time ratio, longest to a tenth: "
            << QString::number(figures[1].seconds / qMax(1e-6, figures[0].seconds), 'f', 2) << "\n";
    }
    out << "peak memory " << QString::number(BenchClock::peakMegabytes(), 'f', 1) << " MiB\n";
    return sound ? 0 : 1;
}
