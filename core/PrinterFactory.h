#pragma once

#include <QString>

class VfPrinter;

// Makes a model's report writer by its product name.
class PrinterFactory
{
public:
    // Null when no model of that name has one. The caller owns the result.
    static VfPrinter *create(const QString &productName);
};
