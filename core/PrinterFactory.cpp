#include "PrinterFactory.h"

#include "ModelRegistry.h"

VfPrinter *PrinterFactory::create(const QString &productName)
{
    return ModelRegistry::instance().create(productName, &ModelEntry::makePrinter);
}
