#include "CoreRig.h"

#include "Core.h"
#include "Device.h"
#include "ModelRegistry.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"

#include <QDateTime>

namespace {

constexpr int kRecords = 12;

} // namespace

CoreRig::CoreRig(const QByteArray &productName)
    : m_instrument(new SimulatedInstrument)
{
    if (!m_instrument->isConnected() || !installSimulatedModel(*m_instrument, productName))
        return;
    const QDateTime start(QDate(2021, 10, 29), QTime(8, 0), Qt::OffsetFromUTC, -3 * 3600);
    addSimulatedRun(*m_instrument, 1, kRecords, start);
    addSimulatedRun(*m_instrument, 2, kRecords / 2, start.addSecs(4 * 3600));

    qputenv("VALTRIX_EXTRA_PORTS", m_instrument->portPath().toLocal8Bit());
    m_core.reset(new Core);
    m_core->findDevices();
    qunsetenv("VALTRIX_EXTRA_PORTS");
    if (m_core->createDevice(0) != 0 || !m_core->currentDevice())
        return;
    m_ready = m_core->acquireConfiguration() == 0 && m_core->findExperiments() == 0 &&
              m_core->createExperiment(QStringLiteral("[0, 1]")) == 0;
    // Not every model keeps schedules.
    m_core->acquireScheduleList();
}

CoreRig::~CoreRig()
{
    // The device talks through the instrument's line: it goes first.
    m_core.reset();
}

QStringList CoreRig::models()
{
    QStringList linkable;
    for (const QString &name : simulatedModelNames()) {
        if (ModelRegistry::instance().byProductName(name))
            linkable.append(name);
    }
    return linkable;
}
