#include "BemariPlusFile.h"

#include "BemariModel.h"
#include "BemariPlusExperiment.h"
#include "BemariPlusLog.h"
#include "BemariPlusResults.h"

BemariPlusFile::BemariPlusFile(const QString &fileName)
    : BemariFile(fileName, bemariPlusProductName())
{
}

NamedExperiment *BemariPlusFile::newExperiment() const
{
    return new BemariPlusExperiment;
}

BemariLog *BemariPlusFile::newLog() const
{
    return new BemariPlusLog;
}

SoundLevelResults *BemariPlusFile::newResults() const
{
    return new BemariPlusResults;
}
