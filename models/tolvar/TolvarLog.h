#pragma once

#include "Log.h"

#include <QJsonObject>
#include <QString>

// One sample of a pump run: flow, temperature, backpressure (kPa) and volume,
// and the battery and motor texts as the pump sent them. A number the pump
// left empty is NaN.
class TolvarLog : public Log
{
    Q_OBJECT
    Q_PROPERTY(double Flow READ Flow WRITE setFlow NOTIFY FlowChanged)
    Q_PROPERTY(double Temperature READ Temperature WRITE setTemperature NOTIFY TemperatureChanged)
    Q_PROPERTY(
        double BackPressure READ BackPressure WRITE setBackPressure NOTIFY BackPressureChanged)
    Q_PROPERTY(QString BattSoc READ BattSoc WRITE setBattSoc NOTIFY BattSocChanged)
    Q_PROPERTY(QString VBatt READ VBatt WRITE setVBatt NOTIFY VBattChanged)
    Q_PROPERTY(QString Imot READ Imot WRITE setImot NOTIFY ImotChanged)

public:
    explicit TolvarLog(QObject *parent = nullptr);

    double Flow() const { return m_flow; }
    void setFlow(double value) { m_flow = value; }
    double Temperature() const { return m_temperature; }
    void setTemperature(double value) { m_temperature = value; }
    double BackPressure() const { return m_backPressure; }
    void setBackPressure(double value) { m_backPressure = value; }
    double volume() const { return m_volume; }
    void setVolume(double value) { m_volume = value; }
    QString BattSoc() const { return m_battSoc; }
    void setBattSoc(const QString &value) { m_battSoc = value; }
    QString VBatt() const { return m_vBatt; }
    void setVBatt(const QString &value) { m_vBatt = value; }
    QString Imot() const { return m_imot; }
    void setImot(const QString &value) { m_imot = value; }

    // Fills the sample from an object as toJson writes it (a data file).
    void fromJson(const QJsonObject &json);

public slots:
    // 0 taken, 1 a record of fewer than 12 fields (nothing changed).
    int parseRecord(QByteArray record) override;
    QJsonObject toJson() override;

signals:
    void FlowChanged();
    void TemperatureChanged();
    void BackPressureChanged();
    void BattSocChanged();
    void VBattChanged();
    void ImotChanged();

private:
    double m_flow;
    double m_temperature;
    double m_backPressure;
    double m_volume;
    QString m_battSoc;
    QString m_vBatt;
    QString m_imot;
};
