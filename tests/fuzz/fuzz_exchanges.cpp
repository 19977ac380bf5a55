// Instrument replies through the readers that trim and parse them: a model
// device of every registered model talks to a simulated instrument over a
// pseudo-terminal, which answers each command with the next reply of the
// input (ExchangeInput). Every operation of DeviceOperations runs the real
// serial code, the readers' trimming and the parsers, then uses what it read;
// everything the device writes back must be a sound command (CommandCheck).

#include "CommandCheck.h"
#include "Device.h"
#include "DeviceOperations.h"
#include "ExchangeInput.h"
#include "FuzzApp.h"
#include "FuzzModel.h"
#include "Interface.h"
#include "SimulatedInstrument.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

// An idle line costs this much; the replies all arrive at once.
constexpr int kIdleTimeoutMs = 2;

struct Link
{
    SimulatedInstrument instrument;
    Device probed;
    QList<ModelEntry> models;
    QList<std::shared_ptr<CommandCheck>> checks;

    Link()
    {
        probed.open(instrument.portPath());
        probed.interface()->setIdleTimeout(kIdleTimeoutMs);
        models = ExchangeInput::models();
        for (const ModelEntry &entry : qAsConst(models)) {
            const FuzzModel *row = fuzzModel(entry.productName);
            checks.append(std::make_shared<CommandCheck>(row ? row->commandShapes : QStringList()));
        }
    }
};

Link *link()
{
    static Link *shared = new Link;
    return shared;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzApp::start(argc, argv);
    if (!link()->instrument.isConnected() || link()->models.isEmpty()) {
        std::fprintf(stderr, "no pseudo-terminal or no model with a device\n");
        std::exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ExchangeInput input;
    if (!input.read(QByteArray::fromRawData(reinterpret_cast<const char *>(data), int(size))))
        return 0;
    Link *shared = link();
    const int modelIndex = input.model % shared->models.size();
    const ModelEntry &model = shared->models.at(modelIndex);
    const QList<DeviceOperation> &operations = DeviceOperations::all();
    const DeviceOperation &operation = operations.at(input.operation % operations.size());

    shared->probed.setProductName(model.productName);
    shared->instrument.clearReceived();
    shared->instrument.clearCommands();
    shared->instrument.scriptReplies(input.replies);
    {
        std::unique_ptr<Device> device(model.makeDevice(&shared->probed));
        if (device)
            operation.run(device.get(), input.size);
    }
    shared->instrument.scriptReplies({});
    // Let the instrument read what is still on its way.
    QCoreApplication::processEvents();

    const QString fault = shared->checks.at(modelIndex)->check(shared->instrument.received());
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "%s, %s: %s\n", qPrintable(model.productName),
                     qPrintable(operation.name), qPrintable(fault));
        std::abort();
    }
    return 0;
}
