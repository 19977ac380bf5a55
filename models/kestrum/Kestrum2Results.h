#pragma once

#include "KestrumRunHeader.h"
#include "Results.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QString>

// The header of one "KESTRUM 2" run: interval, unit, duration and times, the
// maxima and minima of the wet, dry and globe temperatures and the means of
// the indoor and outdoor WBGT indices (IBUTGi, IBUTGe). The instrument computes
// every value; a value it left empty or "---" is not available: NaN for a
// temperature, -1 for the interval, "---" for a duration, an invalid date-time.
class Kestrum2Results : public Results
{
    Q_OBJECT
    Q_PROPERTY(double dry_T_Max READ dry_T_Max CONSTANT)
    Q_PROPERTY(double dry_T_Min READ dry_T_Min CONSTANT)
    Q_PROPERTY(double wet_T_Max READ wet_T_Max CONSTANT)
    Q_PROPERTY(double wet_T_Min READ wet_T_Min CONSTANT)
    Q_PROPERTY(double globe_T_Max READ globe_T_Max CONSTANT)
    Q_PROPERTY(double globe_T_Min READ globe_T_Min CONSTANT)
    Q_PROPERTY(double IBUTGe_T_Med READ IBUTGe_T_Med CONSTANT)
    Q_PROPERTY(double IBUTGi_T_Med READ IBUTGi_T_Med CONSTANT)

public:
    explicit Kestrum2Results(QObject *parent = nullptr);

    // Header pages 1 to 3 as the download leaves them ("+VFXPHDR: " and the
    // fields, then "\n"). 0 read; -1 for too few fields or another page
    // number, nothing changed.
    int parseHeader1(QByteArray reply);
    int parseHeader2(QByteArray reply);
    int parseHeader3(QByteArray reply);

    // Reads a "results" object as toJson writes it (a data file).
    void fromJson(const QJsonObject &json);

    double dry_T_Max() const { return m_dryTMax; }
    void setDry_T_Max(double value) { m_dryTMax = value; }
    double dry_T_Min() const { return m_dryTMin; }
    void setDry_T_Min(double value) { m_dryTMin = value; }
    double wet_T_Max() const { return m_wetTMax; }
    void setWet_T_Max(double value) { m_wetTMax = value; }
    double wet_T_Min() const { return m_wetTMin; }
    void setWet_T_Min(double value) { m_wetTMin = value; }
    double globe_T_Max() const { return m_globeTMax; }
    void setGlobe_T_Max(double value) { m_globeTMax = value; }
    double globe_T_Min() const { return m_globeTMin; }
    void setGlobe_T_Min(double value) { m_globeTMin = value; }
    double IBUTGi_T_Med() const { return m_ibutgiMed; }
    void setIBUTGi_T_Med(double value) { m_ibutgiMed = value; }
    double IBUTGe_T_Med() const { return m_ibutgeMed; }
    void setIBUTGe_T_Med(double value) { m_ibutgeMed = value; }
    const KestrumRunHeader &header() const { return m_header; }
    void setHeader(const KestrumRunHeader &header) { m_header = header; }
    QString unity() const { return m_header.unity; }
    int sampleTime() const { return m_header.sampleTime; }
    QString duration() const { return m_header.duration; }
    QString pauseTime() const { return m_header.pauseTime; }
    QDateTime startTime() const { return m_header.startTime; }
    QDateTime stopTime() const { return m_header.stopTime; }

public slots:
    QJsonObject toJson() override;

private:
    double m_dryTMax;
    double m_dryTMin;
    double m_wetTMax;
    double m_wetTMin;
    double m_globeTMax;
    double m_globeTMin;
    double m_ibutgiMed;
    double m_ibutgeMed;
    KestrumRunHeader m_header;
};
