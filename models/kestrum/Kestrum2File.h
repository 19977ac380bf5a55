#pragma once

#include "VfFile.h"

// A ".ksm" data file of the "KESTRUM 2": its runs with their samples and
// results.
class Kestrum2File : public VfFile
{
    Q_OBJECT

public:
    explicit Kestrum2File(const QString &fileName);

protected:
    Experiment *parseRun(const QJsonObject &run) override;
};
