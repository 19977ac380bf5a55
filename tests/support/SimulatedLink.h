#pragma once

#include "Device.h"
#include "Interface.h"
#include "SimulatedInstrument.h"

#include <memory>

// A base Device opened on a fresh simulated instrument, with a short idle
// time-out so that silence costs little. The device records link errors as a
// model device would.
struct SimulatedLink
{
    explicit SimulatedLink(int idleTimeoutMs = 250)
        : instrument(new SimulatedInstrument)
        , device(new Device)
    {
        device->open(instrument->portPath());
        device->interface()->setIdleTimeout(idleTimeoutMs);
        QObject::connect(device->interface(), &Interface::ifaceErrorOcurred, device.get(),
                         &Device::ifaceErrorOcurred);
    }

    std::unique_ptr<SimulatedInstrument> instrument;
    std::unique_ptr<Device> device;
};
