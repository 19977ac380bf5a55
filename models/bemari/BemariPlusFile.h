#pragma once

#include "BemariFile.h"

// A ".bmq" data file of the "BEMARI+"; its runs also carry each record's
// interval, the mode and the levels of each frequency weighting.
class BemariPlusFile : public BemariFile
{
    Q_OBJECT

public:
    explicit BemariPlusFile(const QString &fileName);

protected:
    NamedExperiment *newExperiment() const override;
    BemariLog *newLog() const override;
    SoundLevelResults *newResults() const override;
};
