#pragma once

#include "TolvarFile.h"

// A ".tl4" data file of the "TOLVAR 4".
class Tolvar4File : public TolvarFile
{
    Q_OBJECT

public:
    explicit Tolvar4File(const QString &fileName);
};
