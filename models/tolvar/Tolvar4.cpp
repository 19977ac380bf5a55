#include "Tolvar4.h"

#include "TolvarModel.h"

Tolvar4::Tolvar4()
    : Tolvar(tolvar4ProductName())
{
}

Tolvar4::Tolvar4(Device *probed)
    : Tolvar(probed)
{
}
