#pragma once

#include "SimulatedDravo2.h"
#include "SimulatedDravo2Runs.h"
#include "SimulatedLink.h"
#include "TestIdle.h"
#include "models/dravo2/Dravo2.h"

#include <memory>

// A "DRAVO 2" device on a simulated dosimeter that answers the dosimeter
// configuration query; tests add runs with SimulatedDravo2Runs.
struct SimulatedDravo2Link
{
    explicit SimulatedDravo2Link(int idleTimeoutMs = TestIdle::SilencedLinkMs)
        : link(idleTimeoutMs)
    {
        SimulatedDravo2::install(link.instrument.get());
        SimulatedDravo2Runs::installConfiguration(*link.instrument);
        link.device->setProductName(QStringLiteral("DRAVO 2"));
        device = std::make_unique<Dravo2>(link.device.get());
    }

    SimulatedInstrument &instrument() { return *link.instrument; }

    SimulatedLink link;
    // Uses the probed device's link, so it goes first.
    std::unique_ptr<Dravo2> device;
};
