#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

class Core;
class SimulatedInstrument;

// A Core that found a simulated instrument of one model on a pseudo-terminal,
// chose it, read its configuration, calibration and schedules, and downloaded
// its two runs: the state in which the user edits and sends settings.
class CoreRig
{
public:
    explicit CoreRig(const QByteArray &productName);
    ~CoreRig();

    // False when a step of the set-up failed.
    bool isReady() const { return m_ready; }
    Core &core() { return *m_core; }
    SimulatedInstrument &instrument() { return *m_instrument; }

    // The simulated models that the registry has classes for.
    static QStringList models();

private:
    std::unique_ptr<SimulatedInstrument> m_instrument;
    std::unique_ptr<Core> m_core;
    bool m_ready = false;
};
