#pragma once

#include "VfFile.h"

class BemariLog;
class NamedExperiment;
class SoundLevelResults;

// A ".bmv" data file of the "BEMARI": its runs, each with its level records
// and results, rebuilt from "Body" in order.
class BemariFile : public VfFile
{
    Q_OBJECT

public:
    explicit BemariFile(const QString &fileName);

protected:
    // A file of another sound level meter.
    BemariFile(const QString &fileName, const QString &productName);
    Experiment *parseRun(const QJsonObject &run) override;

    virtual NamedExperiment *newExperiment() const;
    virtual BemariLog *newLog() const;
    virtual SoundLevelResults *newResults() const;
};
