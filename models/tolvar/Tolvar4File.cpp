#include "Tolvar4File.h"

#include "TolvarModel.h"

Tolvar4File::Tolvar4File(const QString &fileName)
    : TolvarFile(fileName, tolvar4ProductName())
{
}
