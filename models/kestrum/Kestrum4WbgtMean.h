#pragma once

#include <QJsonObject>

#include <limits>

// One board's mean indoor and outdoor WBGT indices over a "KESTRUM 4" run;
// NaN when not available.
class Kestrum4WbgtMean
{
public:
    double WBGTiMed() const { return m_wbgtiMed; }
    void setWBGTiMed(double value) { m_wbgtiMed = value; }
    double WBGToMed() const { return m_wbgtoMed; }
    void setWBGToMed(double value) { m_wbgtoMed = value; }

    // {"WBGTiMed", "WBGToMed"}: JSON numbers, null for a value not available.
    QJsonObject toJson() const;
    static Kestrum4WbgtMean fromJson(const QJsonObject &json);

private:
    double m_wbgtiMed = std::numeric_limits<double>::quiet_NaN();
    double m_wbgtoMed = std::numeric_limits<double>::quiet_NaN();
};
