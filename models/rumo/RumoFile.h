#pragma once

#include "VfFile.h"

// A ".rmx" data file of the logger: the whole chain of runs it was saved from,
// in order, each with its samples and results. Its "Body" is always an array;
// any other "Body" holds no run and the file is refused.
class RumoFile : public VfFile
{
    Q_OBJECT

public:
    explicit RumoFile(const QString &fileName);

protected:
    Experiment *parseRun(const QJsonObject &run) override;
    QList<QJsonObject> runObjects(const QJsonObject &root) const override;
};
