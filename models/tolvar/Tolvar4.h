#pragma once

#include "Tolvar.h"

// The "TOLVAR 4" air-sampling pump: the pump device under its own product
// name, whose run results also hold the run status.
class Tolvar4 : public Tolvar
{
    Q_OBJECT

public:
    // For a data file: no link, product name "TOLVAR 4".
    Tolvar4();
    explicit Tolvar4(Device *probed);
};
