#pragma once

#include "TolvarExperiment.h"

// One "TOLVAR 4" run: a pump run whose run-list line ends with the run's
// status code, kept as the run's status.
class Tolvar4Experiment : public TolvarExperiment
{
    Q_OBJECT

public:
    explicit Tolvar4Experiment(QObject *parent = nullptr);

protected:
    int listEntryFields() const override { return 7; }
    void readListEntryFields(const QStringList &fields) override;
    void writeModelJson(QJsonObject &json) const override;
};
