// User JSON that reaches an instrument: the text goes through Core's slots
// (configuration, schedules, calibration; working hours, hearing-protector
// data and exposure components, which must send nothing) to a simulated
// instrument of every simulated model, and every byte written to the serial
// line is checked (CommandCheck). Input refused by a slot sends nothing at all.
//
// Input: a model byte, a slot byte, then the text (UTF-8).

#include "CommandCheck.h"
#include "Core.h"
#include "CoreRig.h"
#include "CoreSlots.h"
#include "FuzzApp.h"
#include "FuzzModel.h"
#include "SimulatedInstrument.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

struct Model
{
    std::unique_ptr<CoreRig> rig;
    std::unique_ptr<CommandCheck> check;
};

std::vector<Model> *models()
{
    static auto *rigs = [] {
        auto *list = new std::vector<Model>;
        for (const QString &name : CoreRig::models()) {
            const FuzzModel *row = fuzzModel(name);
            Model model{std::make_unique<CoreRig>(name.toLatin1()),
                        std::make_unique<CommandCheck>(row ? row->commandShapes : QStringList())};
            if (!model.rig->isReady()) {
                std::fprintf(stderr, "%s: the simulated instrument could not be set up\n",
                             qPrintable(name));
                std::exit(1);
            }
            list->push_back(std::move(model));
        }
        return list;
    }();
    return rigs;
}

void fail(const QString &model, const CoreSlot &slot, const QString &fault)
{
    std::fprintf(stderr, "%s, %s: %s\n", qPrintable(model), slot.name.constData(),
                 qPrintable(fault));
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    FuzzApp::start(argc, argv);
    if (models()->empty()) {
        std::fprintf(stderr, "no simulated model\n");
        std::exit(1);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    Model &model = models()->at(data[0] % models()->size());
    const CoreSlot &slot = CoreSlots::all().at(data[1] % CoreSlots::all().size());
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data) + 2, int(size) - 2);

    SimulatedInstrument &instrument = model.rig->instrument();
    instrument.clearReceived();
    instrument.clearCommands();
    const int code = slot.call(model.rig->core(), text);
    QCoreApplication::processEvents();

    const QString name = QString::fromLatin1(instrument.productName());
    const QByteArray written = instrument.received();
    if (!slot.sends && !written.isEmpty())
        fail(name, slot,
             QStringLiteral("sent commands: ") + QString::fromLatin1(written.left(200)));
    if (code != 0 && !written.isEmpty())
        fail(name, slot,
             QStringLiteral("refused (%1) after sending: ").arg(code) +
                 QString::fromLatin1(written.left(200)));
    const QString fault = model.check->check(written);
    if (!fault.isEmpty())
        fail(name, slot, fault);
    return 0;
}
