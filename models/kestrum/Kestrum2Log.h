#pragma once

#include "Log.h"

#include <QJsonObject>
#include <QString>

// One logged sample of a "KESTRUM 2" run: the wet, dry and globe temperatures
// and the indoor and outdoor WBGT indices, kept as the text the instrument
// sent (an empty or "---" reading stays so).
class Kestrum2Log : public Log
{
    Q_OBJECT
    Q_PROPERTY(
        QString wetTemperature READ wetTemperature WRITE setWetTemperature NOTIFY logItemChanged)
    Q_PROPERTY(
        QString dryTemperature READ dryTemperature WRITE setDryTemperature NOTIFY logItemChanged)
    Q_PROPERTY(QString globeTemperature READ globeTemperature WRITE setGlobeTemperature NOTIFY
                   logItemChanged)
    Q_PROPERTY(QString IBUTGi READ IBUTGi WRITE setIBUTGi NOTIFY logItemChanged)
    Q_PROPERTY(QString IBUTGe READ IBUTGe WRITE setIBUTGe NOTIFY logItemChanged)

public:
    explicit Kestrum2Log(QObject *parent = nullptr);

    QString wetTemperature() const { return m_wetTemperature; }
    void setWetTemperature(const QString &text) { m_wetTemperature = text; }
    QString dryTemperature() const { return m_dryTemperature; }
    void setDryTemperature(const QString &text) { m_dryTemperature = text; }
    QString globeTemperature() const { return m_globeTemperature; }
    void setGlobeTemperature(const QString &text) { m_globeTemperature = text; }
    QString IBUTGi() const { return m_ibutgi; }
    void setIBUTGi(const QString &text) { m_ibutgi = text; }
    QString IBUTGe() const { return m_ibutge; }
    void setIBUTGe(const QString &text) { m_ibutge = text; }

    // Fills the sample from an object as toJson writes it (a data file).
    void fromJson(const QJsonObject &json);

public slots:
    // 0 taken, 1 a record of fewer than 10 fields (nothing changed).
    int parseRecord(QByteArray record) override;
    QJsonObject toJson() override;

private:
    QString m_wetTemperature;
    QString m_dryTemperature;
    QString m_globeTemperature;
    QString m_ibutgi;
    QString m_ibutge;
};
