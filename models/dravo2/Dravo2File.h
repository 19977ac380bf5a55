#pragma once

#include "VfFile.h"

// A ".drv" data file of the dosimeter: its runs with their samples and results.
class Dravo2File : public VfFile
{
    Q_OBJECT

public:
    explicit Dravo2File(const QString &fileName);

protected:
    Experiment *parseRun(const QJsonObject &run) override;
};
