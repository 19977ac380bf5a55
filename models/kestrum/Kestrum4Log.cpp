#include "Kestrum4Log.h"

#include "DeviceDateTime.h"
#include "JsonShape.h"

#include <QJsonArray>

namespace {

constexpr int kRecordFields = 37;
constexpr int kFirstGroup = 5;
constexpr int kGroupFields = 8;

} // namespace

Kestrum4Log::Kestrum4Log(QObject *parent)
    : Log(parent)
{
}

int Kestrum4Log::parseRecord(QByteArray record)
{
    const QStringList fields = readRecordFields(record, kRecordFields);
    if (fields.isEmpty())
        return 1;
    QList<Kestrum4EnvironmentalFactors> records;
    for (int board = 0; board < MaxBoards; ++board) {
        const int g = kFirstGroup + board * kGroupFields;
        if (g + kGroupFields > fields.size() || fields.at(g).isEmpty())
            break;
        Kestrum4EnvironmentalFactors factors;
        factors.setWetTemperature(fields.at(g));
        factors.setDryTemperature(fields.at(g + 1));
        factors.setGlobeTemperature(fields.at(g + 2));
        factors.setWBGTi(fields.at(g + 3));
        factors.setWBGTo(fields.at(g + 4));
        factors.setAirVelocity(fields.at(g + 5));
        factors.setWaterLevel(fields.at(g + 6).toInt());
        factors.setTiltStatus(fields.at(g + 7).toInt());
        records.append(factors);
    }
    m_records = records;
    return 0;
}

QJsonObject Kestrum4Log::toJson()
{
    QJsonArray records;
    for (const Kestrum4EnvironmentalFactors &factors : qAsConst(m_records))
        records.append(factors.toJson());
    static const JsonShape shape(
        {QStringLiteral("date"), QStringLiteral("enviromentalFactorsList")});
    return shape.object({formatDeviceDateTime(registerDate()), records});
}

void Kestrum4Log::fromJson(const QJsonObject &json)
{
    setRegisterDate(parseDeviceDateTime(json.value(QStringLiteral("date")).toString()));
    m_records.clear();
    const QJsonArray records = json.value(QStringLiteral("enviromentalFactorsList")).toArray();
    for (const QJsonValue &record : records)
        m_records.append(Kestrum4EnvironmentalFactors::fromJson(record.toObject()));
}
