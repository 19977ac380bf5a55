#pragma once

#include <QString>

class Experiment;

// Makes a model's run by its product name.
class ExperimentFactory
{
public:
    // Null when no model of that name has one. The caller owns the result.
    static Experiment *create(const QString &productName);
};
