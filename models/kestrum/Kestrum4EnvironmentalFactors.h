#pragma once

#include <QJsonObject>
#include <QString>

// One board's readings in one "KESTRUM 4" sample: the wet, dry and globe
// temperatures, the indoor and outdoor WBGT indices and the air velocity as
// the instrument wrote them, and its water-level and tilt indications.
class Kestrum4EnvironmentalFactors
{
public:
    QString wetTemperature() const { return m_wetTemperature; }
    void setWetTemperature(const QString &text) { m_wetTemperature = text; }
    QString dryTemperature() const { return m_dryTemperature; }
    void setDryTemperature(const QString &text) { m_dryTemperature = text; }
    QString globeTemperature() const { return m_globeTemperature; }
    void setGlobeTemperature(const QString &text) { m_globeTemperature = text; }
    QString WBGTi() const { return m_wbgti; }
    void setWBGTi(const QString &text) { m_wbgti = text; }
    QString WBGTo() const { return m_wbgto; }
    void setWBGTo(const QString &text) { m_wbgto = text; }
    QString airVelocity() const { return m_airVelocity; }
    void setAirVelocity(const QString &text) { m_airVelocity = text; }
    int waterLevel() const { return m_waterLevel; }
    void setWaterLevel(int level) { m_waterLevel = level; }
    int tiltStatus() const { return m_tiltStatus; }
    void setTiltStatus(int status) { m_tiltStatus = status; }

    // The readings as JSON strings, the two indications as JSON integers.
    QJsonObject toJson() const;
    static Kestrum4EnvironmentalFactors fromJson(const QJsonObject &json);

private:
    QString m_wetTemperature;
    QString m_dryTemperature;
    QString m_globeTemperature;
    QString m_wbgti;
    QString m_wbgto;
    QString m_airVelocity;
    int m_waterLevel = 0;
    int m_tiltStatus = 0;
};
