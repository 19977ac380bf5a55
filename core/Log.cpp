#include "Log.h"

Log::Log(QObject *parent)
    : QObject(parent)
{
}

int Log::parseRecord(QByteArray record)
{
    Q_UNUSED(record)
    return 1;
}

QJsonObject Log::toJson()
{
    return QJsonObject();
}
