#pragma once

#include "SimulatedLink.h"
#include "SimulatedQuillon.h"
#include "SimulatedQuillonRuns.h"
#include "TestIdle.h"
#include "models/quillon/Quillon.h"

#include <memory>

// A "QUILLON" device on a simulated vibration meter; tests add runs with
// SimulatedQuillonRuns. The idle time-out is short enough that a silent
// instrument costs little, and long enough that a loaded machine does not cut
// an answer short.
struct SimulatedQuillonLink
{
    explicit SimulatedQuillonLink(int idleTimeoutMs = TestIdle::SilencedLinkMs)
        : link(idleTimeoutMs)
        , state(SimulatedQuillon::install(link.instrument.get()))
    {
        link.device->setProductName(QStringLiteral("QUILLON"));
        device = std::make_unique<Quillon>(link.device.get());
    }

    SimulatedInstrument &instrument() { return *link.instrument; }

    SimulatedLink link;
    SimulatedQuillon *state;
    // Uses the probed device's link, so it goes first.
    std::unique_ptr<Quillon> device;
};
