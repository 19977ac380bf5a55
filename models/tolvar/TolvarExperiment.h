#pragma once

#include "NamedExperiment.h"

#include <QJsonObject>

// One pump run: a run-list entry, and once downloaded or opened from a file,
// its samples and results. Writing it to JSON first sets the flow and
// backpressure statistics of its results over its samples.
class TolvarExperiment : public NamedExperiment
{
    Q_OBJECT

public:
    explicit TolvarExperiment(QObject *parent = nullptr);

    // Sets the six flow and backpressure statistics of the run's results.
    void updateStatistics();

public slots:
    QJsonObject toJson() override;

protected:
    // Writes the model's own run keys.
    virtual void writeModelJson(QJsonObject &json) const { Q_UNUSED(json) }
};
