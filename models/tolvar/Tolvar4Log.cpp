#include "Tolvar4Log.h"

Tolvar4Log::Tolvar4Log(QObject *parent)
    : TolvarLog(parent)
{
}
