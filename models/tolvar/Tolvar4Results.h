#pragma once

#include "TolvarResults.h"

// The results of one "TOLVAR 4" run: those of the "TOLVAR 3 PLUS" plus the
// run status code, which the pump sends right after the volume.
class Tolvar4Results : public TolvarResults
{
    Q_OBJECT

public:
    // The status codes the pump reports; any other code means the run was OK.
    enum Status
    {
        FlowDeviation = 1,
        PumpBlocked = 2,
        PumpBlockedLong = 3
    };

    Tolvar4Results();

    const QString &expStatus() const { return m_expStatus; }
    void setExpStatus(const QString &value) { m_expStatus = value; }

protected:
    int modelHeaderFields() const override { return 1; }
    void readModelHeaderFields(const QStringList &fields) override;
    void writeModelJson(QJsonObject &json) const override;
    void readModelJson(const QJsonObject &json) override;

private:
    QString m_expStatus;
};
