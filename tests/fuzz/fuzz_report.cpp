// Every data file that opens (DataFileInput, as the data-file target) is
// printed through Core::generateReport with every section of its model's
// report switched on. A report of an opened file must be written; the
// fuzzer's time limit per input (-timeout) catches reports that take too long.

#include "Core.h"
#include "DataFileInput.h"
#include "FuzzApp.h"
#include "FuzzModel.h"

#include <QDesktopServices>
#include <QDir>
#include <QJsonDocument>
#include <QObject>
#include <QUrl>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// Takes the finished report in place of the desktop's viewer.
class Viewer : public QObject
{
    Q_OBJECT

public slots:
    void open(const QUrl &) {}
};

QString reportOptions(const QString &productName)
{
    const FuzzModel *model = fuzzModel(productName);
    QJsonObject options = model && model->reportOptions ? model->reportOptions() : QJsonObject();
    const QString pdf =
        QDir(QString::fromLocal8Bit(FuzzApp::scratchDir())).filePath(QStringLiteral("report.pdf"));
    options.insert(QStringLiteral("fileName"), QUrl::fromLocalFile(pdf).toString());
    return QString::fromUtf8(QJsonDocument(options).toJson());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    DataFileInput::start(argc, argv, DataFileInput::Models::Printable);
    static Viewer viewer;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &viewer, "open");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DataFileInput input(DataFileInput::Models::Printable);
    if (!input.open(data, size))
        return 0;
    if (DataFileInput::core().generateReport(reportOptions(input.productName())) != 0) {
        std::fprintf(stderr, "%s: the report of an opened file failed\n",
                     qPrintable(input.productName()));
        std::abort();
    }
    return 0;
}

#include "fuzz_report.moc"
