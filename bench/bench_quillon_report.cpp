// Writes the "Vibration evaluation report" of the longest run a "QUILLON"
// records (32,400 samples: 9 h at one a second) with every section, both chart
// pages, the sample table and the CSV file, and the "Dosimeter Noise Report"
// of a day of "DRAVO 2" samples (28,800) with every section, each in a process
// of its own. Prints each report's time, pages and peak memory, and the
// vibration report's time and peak memory per 1,000 samples as ratios to the
// dosimeter report's.
#include "BenchSupport.h"
#include "DeviceDateTime.h"
#include "Dravo2ReportRun.h"
#include "Experiment.h"
#include "PrinterFactory.h"
#include "QuillonReportRun.h"
#include "VfPrinter.h"

#include <QApplication>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>

namespace {

const QString kQuillon = QStringLiteral("QUILLON");
const QString kDravo2 = QStringLiteral("DRAVO 2");

struct Figures
{
    int samples = 0;
    int pages = 0;
    double seconds = 0;
    double megabytes = 0;
    bool ok = false;

    double secondsPerThousand() const { return seconds * 1000 / qMax(1, samples); }
    double megabytesPerThousand() const { return megabytes * 1000 / qMax(1, samples); }
};

// Writes one family's report in this process; its figures on one line.
int writeOne(const QString &model)
{
    const QDateTime start = parseDeviceDateTime("24/05/17,08:00:00+00");
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("bench.pdf"));
    std::unique_ptr<Experiment> run;
    QJsonObject options;
    int samples = 0;
    if (model == kQuillon) {
        samples = 32400;
        run.reset(QuillonReportRun::make(1, samples, start));
        QuillonReportRun::setExposures(run.get(), {QStringLiteral("04:00")});
        options = QuillonReportRun::everySection(file);
    } else {
        samples = 28800;
        run.reset(Dravo2ReportRun::make(samples, start));
        options = Dravo2ReportRun::everySection(file);
    }
    if (!run)
        return 1;
    options.insert("obsText", "Benchmark run.");
    BenchClock clock;
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(model));
    printer->setProductName(model);
    printer->setSn(QStringLiteral("1"));
    printer->setReportOptions(QString::fromUtf8(QJsonDocument(options).toJson()));
    printer->setExperiment(run.get());
    const int result = printer->print() == 0 ? printer->endPainting() : -1;
    QTextStream(stdout) << "figures " << samples << ' ' << printer->pageCount() << ' '
                        << clock.wallSeconds() << ' ' << BenchClock::peakMegabytes() << '\n';
    return result == 0 ? 0 : 1;
}

// Runs this program on `model` in a process of its own.
Figures measure(const QString &model)
{
    QProcess process;
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--one"), model});
    process.waitForFinished(-1);
    Figures figures;
    const QStringList fields =
        QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed().split(' ');
    if (process.exitCode() != 0 || fields.size() != 5 || fields.at(0) != "figures")
        return figures;
    figures.samples = fields.at(1).toInt();
    figures.pages = fields.at(2).toInt();
    figures.seconds = fields.at(3).toDouble();
    figures.megabytes = fields.at(4).toDouble();
    figures.ok = true;
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    if (argc == 3 && QByteArray(argv[1]) == "--one")
        return writeOne(QString::fromLocal8Bit(argv[2]));

    QTextStream out(stdout);
    const Figures quillon = measure(kQuillon);
    const Figures dravo2 = measure(kDravo2);
    for (const auto &[name, figures] :
         {std::pair<QString, Figures>{QStringLiteral("vibration report"), quillon},
          std::pair<QString, Figures>{QStringLiteral("dosimeter report"), dravo2}}) {
        out << name << ": " << figures.samples << " samples, " << figures.pages << " pages, "
            << QString::number(figures.seconds, 'f', 2) << " s, peak memory "
            << QString::number(figures.megabytes, 'f', 1) << " MiB"
            << (figures.ok ? "" : " (FAILED)") << "\n";
    }
    if (!quillon.ok || !dravo2.ok)
        return 1;
    out << "per 1,000 samples, vibration / dosimeter: time "
        << QString::number(quillon.secondsPerThousand() / dravo2.secondsPerThousand(), 'f', 2)
        << ", peak memory "
        << QString::number(quillon.megabytesPerThousand() / dravo2.megabytesPerThousand(), 'f', 2)
        << "\n";
    return 0;
}
