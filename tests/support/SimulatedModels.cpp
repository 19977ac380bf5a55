#include "SimulatedModels.h"

#include "SimulatedBemari.h"
#include "SimulatedBemariRuns.h"
#include "SimulatedDravo2.h"
#include "SimulatedDravo2Runs.h"
#include "SimulatedInstrument.h"
#include "SimulatedKestrum.h"
#include "SimulatedKestrumRuns.h"
#include "SimulatedQuillon.h"
#include "SimulatedQuillonRuns.h"
#include "SimulatedRumo.h"
#include "SimulatedRumoRuns.h"
#include "SimulatedTolvarRuns.h"

namespace {

void addGenericRun(SimulatedInstrument &instrument, int index, int records, const QDateTime &)
{
    SimulatedInstrument::Run run;
    run.index = index;
    run.listEntry = QByteArray::number(index) + ',' + QByteArray::number(records);
    for (int i = 1; i <= records; ++i)
        run.records.append(QByteArray::number(i) + ",85.2,91.7,102.4,\"21/10/29,08:00:00+00\"");
    run.pages.insert(8, "8," + QByteArray::number(index) + ",410,395,1200,1100,\"USER\"");
    instrument.addRun(run);
}

// A heat-stress run at the instrument's interval; a "KESTRUM 4" run carries
// the expansion boards the instrument is set to.
SimulatedKestrumRuns::Header kestrumHeader(SimulatedInstrument &instrument)
{
    SimulatedKestrumRuns::Header header;
    if (const SimulatedKestrum *state = SimulatedKestrum::of(&instrument)) {
        header.sampleSeconds = state->intervalSeconds;
        header.unit = state->unit;
        header.expansionBoards = state->expansionBoards;
    }
    return header;
}

// One row per simulated model family.
const QList<SimulatedModel> &models()
{
    static const QList<SimulatedModel> rows = {
        {"DRAVO 2",
         [](SimulatedInstrument &instrument) {
             SimulatedDravo2::install(&instrument);
             SimulatedDravo2Runs::installConfiguration(instrument);
         },
         [](SimulatedInstrument &instrument, int index, int records, const QDateTime &start) {
             // A run holds the bands of the octave analysis set when it was
             // recorded.
             SimulatedDravo2Runs::Header header;
             if (const SimulatedDravo2 *state = SimulatedDravo2::of(&instrument)) {
                 header.octaveAnalysis = state->octaveAnalysis;
                 header.bands = SimulatedDravo2Runs::octaveBands(state->octaveAnalysis);
             }
             instrument.addRun(SimulatedDravo2Runs::makeRun(index, records, start, header));
         }},
        {"BEMARI",
         [](SimulatedInstrument &instrument) { SimulatedBemari::install(&instrument, "BEMARI"); },
         [](SimulatedInstrument &instrument, int index, int records, const QDateTime &start) {
             instrument.addRun(SimulatedBemariRuns::makeRun(index, records, start, false));
         }},
        {"BEMARI+",
         [](SimulatedInstrument &instrument) { SimulatedBemari::install(&instrument, "BEMARI+"); },
         [](SimulatedInstrument &instrument, int index, int records, const QDateTime &start) {
             instrument.addRun(SimulatedBemariRuns::makeRun(index, records, start, true));
         }},
        {"QUILLON", [](SimulatedInstrument &instrument) { SimulatedQuillon::install(&instrument); },
         [](SimulatedInstrument &instrument, int index, int records, const QDateTime &start) {
             instrument.addRun(SimulatedQuillonRuns::makeRun(index, records, start));
         }},
        {"RUMO", [](SimulatedInstrument &instrument) { SimulatedRumo::install(&instrument); },
         [](SimulatedInstrument &instrument, int index, int records, const QDateTime &start) {
             instrument.addRun(SimulatedRumoRuns::makeRun(index, records, start));
         }},
        {"KESTRUM 2",
         [](SimulatedInstrument &instrument) {
             SimulatedKestrum::install(&instrument, "KESTRUM 2");
         },
         [](SimulatedInstrument &instrument, int index, int records, const QDateTime &start) {
             instrument.addRun(SimulatedKestrumRuns::makeKestrum2Run(index, records, start,
                                                                     kestrumHeader(instrument)));
         }},
        {"KESTRUM 4",
         [](SimulatedInstrument &instrument) {
             SimulatedKestrum::install(&instrument, "KESTRUM 4");
         },
         [](SimulatedInstrument &instrument, int index, int records, const QDateTime &start) {
             instrument.addRun(SimulatedKestrumRuns::makeKestrum4Run(index, records, start,
                                                                     kestrumHeader(instrument)));
         }},
        // The pumps answer the common commands only.
        {"TOLVAR 3 PLUS", [](SimulatedInstrument &) {},
         [](SimulatedInstrument &instrument, int index, int records, const QDateTime &start) {
             instrument.addRun(SimulatedTolvarRuns::makeRun(SimulatedTolvarRuns::Model::Tolvar3Plus,
                                                            index, records, start));
         }},
        {"TOLVAR 4", [](SimulatedInstrument &) {},
         [](SimulatedInstrument &instrument, int index, int records, const QDateTime &start) {
             instrument.addRun(SimulatedTolvarRuns::makeRun(SimulatedTolvarRuns::Model::Tolvar4,
                                                            index, records, start));
         }},
    };
    return rows;
}

const SimulatedModel *find(const QByteArray &productName)
{
    for (const SimulatedModel &model : models()) {
        if (model.productName == productName)
            return &model;
    }
    return nullptr;
}

} // namespace

bool installSimulatedModel(SimulatedInstrument &instrument, const QByteArray &productName)
{
    const SimulatedModel *model = find(productName);
    if (!model)
        return false;
    instrument.setIdentity("valtrix", model->productName, "SIM0001", "1.00");
    model->installCommands(instrument);
    return true;
}

void addSimulatedRun(SimulatedInstrument &instrument, int index, int records,
                     const QDateTime &start)
{
    const SimulatedModel *model = find(instrument.productName());
    (model && model->addRun ? model->addRun : addGenericRun)(instrument, index, records, start);
}

QStringList simulatedModelNames()
{
    QStringList names;
    for (const SimulatedModel &model : models())
        names.append(QString::fromLatin1(model.productName));
    return names;
}
