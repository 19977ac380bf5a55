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

QByteArray Log::recordBytes(QByteArray record)
{
    record.replace("+VFRDXP: ", "");
    record.replace("\"", "");
    record.replace("\n", "");
    const int nul = record.indexOf('\0');
    return nul < 0 ? record : record.left(nul);
}
