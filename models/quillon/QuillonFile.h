#pragma once

#include "VfFile.h"

// A ".qln" data file of the vibration meter: its runs with their samples and
// results. Files written by older versions lack the run's total time, its
// a_mr and the per-axis a_rep values; these are worked out from the samples.
class QuillonFile : public VfFile
{
    Q_OBJECT

public:
    explicit QuillonFile(const QString &fileName);

protected:
    Experiment *parseRun(const QJsonObject &run) override;
};
