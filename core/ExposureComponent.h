#pragma once

#include <QObject>

class Experiment;

// One task or event of a working day with its own exposure time and levels.
class ExposureComponent : public QObject
{
    Q_OBJECT

public:
    explicit ExposureComponent(QObject *parent = nullptr);

public slots:
    virtual void loadFromExperiment(Experiment *run);
};
