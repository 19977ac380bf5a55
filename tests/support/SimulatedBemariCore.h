#pragma once

#include "Core.h"
#include "Device.h"
#include "Interface.h"
#include "SimulatedBemari.h"
#include "SimulatedBemariRuns.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"
#include "TestIdle.h"

#include <QDateTime>
#include <QTest>
#include <QVariant>
#include <memory>

// A data column "model" with a row for each sound level meter.
inline void addBemariModelRows()
{
    QTest::addColumn<QByteArray>("model");
    QTest::newRow("BEMARI") << QByteArray("BEMARI");
    QTest::newRow("BEMARI+") << QByteArray("BEMARI+");
}

// A simulated "BEMARI" or "BEMARI+" on a pseudo-terminal, found by a Core's
// search through VALTRIX_EXTRA_PORTS and selected there, as the pages do it.
struct SimulatedBemariCore
{
    explicit SimulatedBemariCore(const QByteArray &productName)
        : instrument(new SimulatedInstrument)
    {
        installSimulatedModel(*instrument, productName);
        state = SimulatedBemari::of(instrument.get());
        qputenv("VALTRIX_EXTRA_PORTS", instrument->portPath().toLocal8Bit());
        qputenv("VALTRIX_SYSTEM_PORTS", "0");
        core.reset(new Core);
    }

    ~SimulatedBemariCore()
    {
        core.reset();
        qunsetenv("VALTRIX_EXTRA_PORTS");
    }

    bool plus() const { return instrument->productName() == "BEMARI+"; }

    // The search, then createDevice's result (-99 when nothing was found).
    int select(int idleTimeoutMs = TestIdle::SilencedLinkMs)
    {
        core->findDevices();
        if (core->deviceList().value<QList<QObject *>>().size() != 1)
            return -99;
        instrument->clearCommands();
        const int result = core->createDevice(0);
        if (Device *device = core->currentDevice())
            device->interface()->setIdleTimeout(idleTimeoutMs);
        return result;
    }

    // A run of this model at memory index `index`, described by `header`.
    void addRun(int index, int records, const QDateTime &start,
                SimulatedBemariRuns::Header header = {})
    {
        header.plus = plus();
        instrument->addRun(SimulatedBemariRuns::makeRun(index, records, start, header));
    }

    std::unique_ptr<SimulatedInstrument> instrument;
    SimulatedBemari *state = nullptr;
    std::unique_ptr<Core> core;
};
