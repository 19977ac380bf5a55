#include "Dravo2Log.h"

#include "DeviceDateTime.h"

#include <QStringList>

namespace {

const int kRecordFields = 10;

// An average level the instrument left empty is shown as "---", never as 0.
QString levelOrDashes(const QString &text)
{
    return text.isEmpty() ? QStringLiteral("---") : text;
}

} // namespace

Dravo2Log::Dravo2Log(QObject *parent)
    : Log(parent)
{
}

int Dravo2Log::parseRecord(QByteArray record)
{
    const QString text = QString::fromLatin1(recordBytes(record));
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < kRecordFields)
        return 1;
    setRegisterDate(parseDeviceDateTime(fields.at(3) + QLatin1Char(',') + fields.at(4)));
    m_lavgDosimeter1 = levelOrDashes(fields.at(5));
    m_lavgDosimeter2 = levelOrDashes(fields.at(6));
    m_lavgDosimeter3 = levelOrDashes(fields.at(7));
    m_level = fields.at(8);
    m_pk = fields.at(9);
    return 0;
}

QJsonObject Dravo2Log::toJson()
{
    return {{QStringLiteral("date"), formatDeviceDateTime(registerDate())},
            {QStringLiteral("lavgDosimeter1"), m_lavgDosimeter1},
            {QStringLiteral("lavgDosimeter2"), m_lavgDosimeter2},
            {QStringLiteral("lavgDosimeter3"), m_lavgDosimeter3},
            {QStringLiteral("level"), m_level},
            {QStringLiteral("pk"), m_pk}};
}

void Dravo2Log::fromJson(const QJsonObject &json)
{
    setRegisterDate(parseDeviceDateTime(json.value(QStringLiteral("date")).toString()));
    m_lavgDosimeter1 = json.value(QStringLiteral("lavgDosimeter1")).toString();
    m_lavgDosimeter2 = json.value(QStringLiteral("lavgDosimeter2")).toString();
    m_lavgDosimeter3 = json.value(QStringLiteral("lavgDosimeter3")).toString();
    m_level = json.value(QStringLiteral("level")).toString();
    m_pk = json.value(QStringLiteral("pk")).toString();
}
