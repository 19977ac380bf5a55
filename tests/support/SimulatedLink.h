#pragma once

#include "Device.h"
#include "Interface.h"
#include "SimulatedInstrument.h"
#include "TestIdle.h"

#include <memory>

// A base Device opened on a fresh simulated instrument, with an idle time-out
// short enough that a provoked silence costs little.
struct SimulatedLink
{
    explicit SimulatedLink(int idleTimeoutMs = TestIdle::SilencedLinkMs)
        : instrument(new SimulatedInstrument)
        , device(new Device)
    {
        device->open(instrument->portPath());
        device->interface()->setIdleTimeout(idleTimeoutMs);
    }

    std::unique_ptr<SimulatedInstrument> instrument;
    std::unique_ptr<Device> device;
};
