// Any bytes as a data file of every registered model, opened through
// Core::parseFile (DataFileInput: half the inputs inside a valid envelope). A
// file that opens is saved through Core::saveExperimentToFile and opened again:
// the saved file must open, with the same instrument and the same runs.

#include "Core.h"
#include "DataFileInput.h"
#include "Experiment.h"
#include "FuzzApp.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QVariant>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// The instrument and every run of the opened chain, as the application
// holds them.
QByteArray opened(Core &core)
{
    QJsonArray runs;
    for (Experiment *run = core.currentExperiment()->first(); run; run = run->next())
        runs.append(run->toJson());
    const QJsonObject state{{QStringLiteral("device"), core.device().toJsonObject()},
                            {QStringLiteral("runs"), runs}};
    return QJsonDocument(state).toJson(QJsonDocument::Indented);
}

void fail(const DataFileInput &input, const char *fault, const QByteArray &detail = {})
{
    std::fprintf(stderr, "%s file: %s\n%s\n", qPrintable(input.productName()), fault,
                 detail.constData());
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    DataFileInput::start(argc, argv, DataFileInput::Models::Readable);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    DataFileInput input(DataFileInput::Models::Readable);
    if (!input.open(data, size))
        return 0;
    Core &core = DataFileInput::core();
    const QByteArray first = opened(core);

    const QString saved = QDir(QString::fromLocal8Bit(FuzzApp::scratchDir()))
                              .filePath(QStringLiteral("saved") + input.extension());
    if (core.saveExperimentToFile(saved) != 0)
        fail(input, "an opened file could not be saved");
    core.parseFile(saved);
    if (!core.currentExperiment())
        fail(input, "the saved file does not open");
    const QByteArray second = opened(core);
    if (first != second)
        fail(input, "the saved file opens with other contents",
             "first:\n" + first + "\nsecond:\n" + second);
    return 0;
}
