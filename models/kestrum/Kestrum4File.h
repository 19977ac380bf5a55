#pragma once

#include "VfFile.h"

// A ".ks4" data file of the "KESTRUM 4": its runs with their samples (a record
// per board) and results (boards, WBGT means, temperature extremes).
class Kestrum4File : public VfFile
{
    Q_OBJECT

public:
    explicit Kestrum4File(const QString &fileName);

protected:
    Experiment *parseRun(const QJsonObject &run) override;
};
