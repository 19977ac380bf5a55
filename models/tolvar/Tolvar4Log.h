#pragma once

#include "TolvarLog.h"

// One sample of a "TOLVAR 4" run: the same record as the "TOLVAR 3 PLUS".
class Tolvar4Log : public TolvarLog
{
    Q_OBJECT

public:
    explicit Tolvar4Log(QObject *parent = nullptr);
};
