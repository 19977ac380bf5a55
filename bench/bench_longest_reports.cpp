// The report of every model's longest run (32,400 samples; the "KESTRUM 4"
// with three expansion boards) with every section, sample table and CSV file
// on, written as Core writes it, and the same report of a run 1/8 as long.
// Each report is written in a process of its own, so that its peak memory is
// its own. Prints per model the pages, the time of both reports and their
// ratio (8 is linear), and the peak memory of the longest one.
//
//   bench_longest_reports [MODEL...]     every model, or the ones named
//   bench_longest_reports --one MODEL SAMPLES [PDF]
//                                        one report, kept at PDF when given
#include "BemariReportRun.h"
#include "BenchSupport.h"
#include "DeviceDateTime.h"
#include "Dravo2ReportRun.h"
#include "Experiment.h"
#include "KestrumReportRun.h"
#include "PrinterFactory.h"
#include "QuillonReportRun.h"
#include "RumoReportChain.h"
#include "SimulatedKestrumRuns.h"
#include "TolvarReportRun.h"
#include "VfPrinter.h"

#include <QApplication>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <memory>

namespace {

constexpr int kLongestRun = 32400;
constexpr int kShortRunDivisor = 8;

const QStringList kModels = {
    QStringLiteral("DRAVO 2"),  QStringLiteral("BEMARI"),        QStringLiteral("BEMARI+"),
    QStringLiteral("QUILLON"),  QStringLiteral("KESTRUM 2"),     QStringLiteral("KESTRUM 4"),
    QStringLiteral("TOLVAR 4"), QStringLiteral("TOLVAR 3 PLUS"), QStringLiteral("RUMO"),
};

struct Deleter
{
    void operator()(Experiment *head) const
    {
        if (head)
            head->first()->deleteChain();
    }
};
using Run = std::unique_ptr<Experiment, Deleter>;

// The run of `samples` samples of `model` and its every-section options.
Run makeRun(const QString &model, int samples, const QString &file, QJsonObject *options)
{
    const QDateTime start = parseDeviceDateTime("24/05/17,08:00:00+00");
    if (model == QLatin1String("DRAVO 2")) {
        *options = Dravo2ReportRun::everySection(file);
        return Run(Dravo2ReportRun::make(samples, start));
    }
    if (model.startsWith(QLatin1String("BEMARI"))) {
        SimulatedBemariRuns::Header header;
        header.plus = model.endsWith(QLatin1Char('+'));
        header.octaveAnalysis = "1/3";
        *options = BemariReportRun::everySection(file, header.plus);
        return Run(BemariReportRun::make(samples, start, header));
    }
    if (model == QLatin1String("QUILLON")) {
        Run run(QuillonReportRun::make(1, samples, start));
        if (run)
            QuillonReportRun::setExposures(run.get(), {QStringLiteral("04:00")});
        *options = QuillonReportRun::everySection(file);
        return run;
    }
    if (model.startsWith(QLatin1String("KESTRUM"))) {
        const bool four = model.endsWith(QLatin1Char('4'));
        SimulatedKestrumRuns::Header header;
        header.sampleSeconds = 1;
        header.expansionBoards = four ? 3 : 0;
        const SimulatedInstrument::Run texts =
            four ? SimulatedKestrumRuns::makeKestrum4Run(1, samples, start, header)
                 : SimulatedKestrumRuns::makeKestrum2Run(1, samples, start, header);
        *options = KestrumReportRun::everySection(model, file);
        return Run(KestrumReportRun::make(model, texts));
    }
    if (model.startsWith(QLatin1String("TOLVAR"))) {
        SimulatedTolvarRuns::Header header;
        header.sampleSeconds = 1;
        *options = TolvarReportRun::everySection(file);
        return Run(TolvarReportRun::make(model.endsWith(QLatin1Char('4'))
                                             ? SimulatedTolvarRuns::Model::Tolvar4
                                             : SimulatedTolvarRuns::Model::Tolvar3Plus,
                                         samples, start, header));
    }
    *options = RumoReportChain::everySection(file);
    return Run(RumoReportChain::download({samples}, start));
}

// Writes one report in this process and prints its figures on a RESULT line.
int writeOne(const QString &model, int samples, const QString &keptPdf)
{
    QTemporaryDir dir;
    QJsonObject options;
    const QString pdf = keptPdf.isEmpty() ? dir.filePath(QStringLiteral("bench.pdf")) : keptPdf;
    const Run run = makeRun(model, samples, pdf, &options);
    if (!run) {
        QTextStream(stdout) << model << ": the run could not be made\n";
        return 1;
    }
    options.insert(QStringLiteral("obsText"), QStringLiteral("Benchmark run."));
    BenchClock clock;
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(model));
    printer->setProductName(model);
    printer->setSn(QStringLiteral("1"));
    printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
    printer->setExperiment(run.get());
    const int result = printer->print() == 0 ? printer->endPainting() : -1;
    const double seconds = clock.wallSeconds();
    QTextStream(stdout) << "RESULT " << result << ' ' << printer->pageCount() << ' ' << seconds
                        << ' ' << clock.cpuSecondsUsed() << ' ' << BenchClock::peakMegabytes()
                        << '\n';
    return result == 0 ? 0 : 1;
}

struct Figures
{
    bool ok = false;
    int pages = 0;
    double seconds = 0;
    double cpu = 0;
    double megabytes = 0;
};

// Runs this program on one report in a process of its own.
Figures measure(const QString &model, int samples)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QCoreApplication::applicationFilePath(),
                  {QStringLiteral("--one"), model, QString::number(samples)});
    process.waitForFinished(-1);
    Figures figures;
    const QStringList lines = QString::fromLocal8Bit(process.readAllStandardOutput()).split('\n');
    for (const QString &line : lines) {
        const QStringList fields = line.split(' ');
        if (fields.size() != 6 || fields.at(0) != QLatin1String("RESULT"))
            continue;
        figures.ok = process.exitCode() == 0 && fields.at(1) == QLatin1String("0");
        figures.pages = fields.at(2).toInt();
        figures.seconds = fields.at(3).toDouble();
        figures.cpu = fields.at(4).toDouble();
        figures.megabytes = fields.at(5).toDouble();
    }
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    if ((arguments.size() == 3 || arguments.size() == 4) &&
        arguments.first() == QLatin1String("--one"))
        return writeOne(arguments.at(1), arguments.at(2).toInt(), arguments.value(3));

    QTextStream out(stdout);
    const QStringList models = arguments.isEmpty() ? kModels : arguments;
    const int shortRun = kLongestRun / kShortRunDivisor;
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7\n")
               .arg(QStringLiteral("model"), -14)
               .arg(QStringLiteral("pages"), 6)
               .arg(QStringLiteral("%1 samples").arg(kLongestRun), 14)
               .arg(QStringLiteral("(cpu)"), 8)
               .arg(QStringLiteral("%1 samples").arg(shortRun), 13)
               .arg(QStringLiteral("ratio"), 6)
               .arg(QStringLiteral("peak memory"), 12);
    bool sound = true;
    for (const QString &model : models) {
        const Figures longest = measure(model, kLongestRun);
        const Figures eighth = measure(model, shortRun);
        sound = sound && longest.ok && eighth.ok;
        out << QStringLiteral("%1 %2 %3 s %4 s %5 s %6 %7 MB%8\n")
                   .arg(model, -14)
                   .arg(longest.pages, 6)
                   .arg(longest.seconds, 12, 'f', 2)
                   .arg(longest.cpu, 6, 'f', 2)
                   .arg(eighth.seconds, 11, 'f', 2)
                   .arg(eighth.seconds > 0 ? longest.seconds / eighth.seconds : 0.0, 6, 'f', 1)
                   .arg(longest.megabytes, 9, 'f', 0)
                   .arg(longest.ok && eighth.ok ? QString() : QStringLiteral("  FAILED"));
        out.flush();
    }
    return sound ? 0 : 1;
}
