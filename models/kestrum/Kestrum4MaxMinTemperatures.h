#pragma once

#include <QJsonObject>

#include <limits>

// One board's highest and lowest wet, dry and globe temperatures over a
// "KESTRUM 4" run, in the run's unit; NaN when not available.
class Kestrum4MaxMinTemperatures
{
public:
    double dryTMax() const { return m_dryTMax; }
    void setDryTMax(double value) { m_dryTMax = value; }
    double dryTMin() const { return m_dryTMin; }
    void setDryTMin(double value) { m_dryTMin = value; }
    double wetTMax() const { return m_wetTMax; }
    void setWetTMax(double value) { m_wetTMax = value; }
    double wetTMin() const { return m_wetTMin; }
    void setWetTMin(double value) { m_wetTMin = value; }
    double globeTMax() const { return m_globeTMax; }
    void setGlobeTMax(double value) { m_globeTMax = value; }
    double globeTMin() const { return m_globeTMin; }
    void setGlobeTMin(double value) { m_globeTMin = value; }

    // Six JSON numbers under the members' names; null for a value not
    // available.
    QJsonObject toJson() const;
    static Kestrum4MaxMinTemperatures fromJson(const QJsonObject &json);

private:
    static constexpr double kNone = std::numeric_limits<double>::quiet_NaN();
    double m_dryTMax = kNone;
    double m_dryTMin = kNone;
    double m_wetTMax = kNone;
    double m_wetTMin = kNone;
    double m_globeTMax = kNone;
    double m_globeTMin = kNone;
};
