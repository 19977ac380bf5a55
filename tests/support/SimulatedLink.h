#pragma once

#include "Device.h"
#include "Interface.h"
#include "SimulatedInstrument.h"

#include <memory>

// A base Device opened on a fresh simulated instrument, with a short idle
// time-out so that silence costs little.
struct SimulatedLink
{
    explicit SimulatedLink(int idleTimeoutMs = 250)
        : instrument(new SimulatedInstrument)
        , device(new Device)
    {
        device->open(instrument->portPath());
        device->interface()->setIdleTimeout(idleTimeoutMs);
    }

    std::unique_ptr<SimulatedInstrument> instrument;
    std::unique_ptr<Device> device;
};
