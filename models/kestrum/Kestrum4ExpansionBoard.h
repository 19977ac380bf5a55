#pragma once

#include "CalibrationCertificate.h"

#include <QJsonObject>
#include <QString>

// One expansion board of a "KESTRUM 4": its serial number and its own
// calibration certificate.
class Kestrum4ExpansionBoard
{
public:
    QString SN() const { return m_sn; }
    void setSN(const QString &sn) { m_sn = sn; }
    CalibrationCertificate calibration() const { return m_calibration; }
    void setCalibration(const CalibrationCertificate &calibration) { m_calibration = calibration; }

    // {"SN", "calibration": {"date", "certification"}}
    QJsonObject toJson() const;
    static Kestrum4ExpansionBoard fromJson(const QJsonObject &json);

private:
    QString m_sn;
    CalibrationCertificate m_calibration;
};
