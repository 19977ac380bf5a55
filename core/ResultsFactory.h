#pragma once

#include <QString>

class Results;

// Makes a model's results object by its product name.
class ResultsFactory
{
public:
    // Null when no model of that name has one. The caller owns the result.
    static Results *create(const QString &productName);
};
