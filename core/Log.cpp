#include "Log.h"

#include "DeviceDateTime.h"

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

QStringList Log::readRecordFields(QByteArray record, int minimumFields)
{
    record.replace("+VFRDXP: ", "");
    record.replace("\"", "");
    record.replace("\n", "");
    const int nul = record.indexOf('\0');
    const QString text = QString::fromLatin1(nul < 0 ? record : record.left(nul));
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < minimumFields || fields.size() < 5)
        return {};
    setRegisterDate(parseDeviceDateTime(fields.at(3) + QLatin1Char(',') + fields.at(4)));
    return fields;
}
