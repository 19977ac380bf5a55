#pragma once

#include <QString>

class Log;

// Makes a model's sample record by its product name.
class LogFactory
{
public:
    // Null when no model of that name has one. The caller owns the result.
    static Log *create(const QString &productName);
};
