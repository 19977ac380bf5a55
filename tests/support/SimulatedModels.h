#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QStringList>

class SimulatedInstrument;

// The model families the simulated instrument can play: each row installs the
// model's own commands and makes runs in the model's own formats.
struct SimulatedModel
{
    QByteArray productName;
    void (*installCommands)(SimulatedInstrument &instrument);
    // Adds a run of `records` samples that started at `start` (null: a generic
    // run until the model's run formats are simulated).
    void (*addRun)(SimulatedInstrument &instrument, int index, int records, const QDateTime &start);
};

// Sets the instrument's identity to the model and installs its commands; false
// when no simulated model has that product name.
bool installSimulatedModel(SimulatedInstrument &instrument, const QByteArray &productName);
// Adds a run in the model's formats (a generic "<index>,<size>" run for a
// product name without a simulated model).
void addSimulatedRun(SimulatedInstrument &instrument, int index, int records,
                     const QDateTime &start);
QStringList simulatedModelNames();
