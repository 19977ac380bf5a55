#pragma once

#include "VfFile.h"

// A ".tlv" data file of the "TOLVAR 3 PLUS": its runs with their samples and
// results.
class TolvarFile : public VfFile
{
    Q_OBJECT

public:
    explicit TolvarFile(const QString &fileName);

protected:
    // A file of the pump model `productName`, whose classes make its runs.
    TolvarFile(const QString &fileName, const QString &productName);
    Experiment *parseRun(const QJsonObject &run) override;
};
