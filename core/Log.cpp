#include "Log.h"

#include "DeviceDateTime.h"

#include <QTextCodec>

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

QStringList Log::recordFields(const QByteArray &record, TextEncoding encoding)
{
    const QByteArray bytes = recordBytes(record);
    const QString text = encoding == TextEncoding::Utf8
                             ? QString::fromUtf8(bytes)
                             : QTextCodec::codecForName("ISO 8859-1")->toUnicode(bytes);
    return text.split(QLatin1Char(','));
}

QDateTime Log::recordDateTime(const QStringList &fields)
{
    return fields.size() > 4 ? parseDeviceDateTime(fields.at(3) + QLatin1Char(',') + fields.at(4))
                             : QDateTime();
}
