#pragma once

#include "DeviceFactory.h"
#include "SimulatedKestrum.h"
#include "SimulatedKestrumRuns.h"
#include "SimulatedLink.h"
#include "TestIdle.h"
#include "models/kestrum/KestrumDevice.h"

#include <memory>

// A heat-stress device ("KESTRUM 2" or "KESTRUM 4", made by the device
// factory over a probed device) on a simulated instrument of the same model;
// tests add runs with SimulatedKestrumRuns.
struct SimulatedKestrumLink
{
    explicit SimulatedKestrumLink(const QByteArray &productName,
                                  int idleTimeoutMs = TestIdle::SilencedLinkMs)
        : link(idleTimeoutMs)
    {
        state = SimulatedKestrum::install(link.instrument.get(), productName);
        link.device->setProductName(QString::fromLatin1(productName));
        device.reset(qobject_cast<KestrumDevice *>(DeviceFactory::create(link.device.get())));
    }

    SimulatedInstrument &instrument() { return *link.instrument; }

    SimulatedLink link;
    SimulatedKestrum *state = nullptr;
    // Uses the probed device's link, so it goes first.
    std::unique_ptr<KestrumDevice> device;
};
