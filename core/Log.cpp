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

QByteArray Log::recordBytes(QByteArray record)
{
    record.replace("+VFRDXP: ", "");
    record.replace("\"", "");
    record.replace("\n", "");
    const int nul = record.indexOf('\0');
    return nul < 0 ? record : record.left(nul);
}

QStringList Log::readRecordFields(QByteArray record, int minimumFields, TextEncoding encoding)
{
    const QStringList fields =
        decodeInstrumentText(recordBytes(record), encoding).split(QLatin1Char(','));
    if (fields.size() < minimumFields || fields.size() < 5)
        return {};
    setRegisterDate(parseDeviceDateTime(fields.at(3) + QLatin1Char(',') + fields.at(4)));
    return fields;
}
