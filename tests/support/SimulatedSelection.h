#pragma once

#include "TestIdle.h"

#include <QByteArray>

class Core;
class SimulatedInstrument;

// Selects a simulated instrument in `core` as the pages do: a search that
// probes only the instrument's port (the extra-ports variable is restored
// afterwards), then `createDevice(0)`. The instrument's command log is
// cleared after the search, so a test sees the selection's own commands.
// False when the search finds anything but one instrument of `productName`
// or the selection fails. The selected link then waits `idleMs` for an
// instrument that stopped sending.
bool selectSimulatedInstrument(Core &core, SimulatedInstrument &instrument,
                               const QByteArray &productName,
                               int idleMs = TestIdle::SilencedLinkMs);
