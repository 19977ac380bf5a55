#include "SimulatedSelection.h"

#include "Core.h"
#include "Device.h"
#include "Interface.h"
#include "SimulatedInstrument.h"

bool selectSimulatedInstrument(Core &core, SimulatedInstrument &instrument,
                               const QByteArray &productName, int idleMs)
{
    const QByteArray savedPorts = qgetenv("VALTRIX_EXTRA_PORTS");
    qputenv("VALTRIX_EXTRA_PORTS", instrument.portPath().toLocal8Bit());
    core.findDevices();
    qputenv("VALTRIX_EXTRA_PORTS", savedPorts);
    if (core.deviceList().value<QList<QObject *>>().size() != 1)
        return false;
    instrument.clearCommands();
    if (core.createDevice(0) != 0 || core.devName() != QLatin1String(productName))
        return false;
    core.currentDevice()->interface()->setIdleTimeout(idleMs);
    return true;
}
