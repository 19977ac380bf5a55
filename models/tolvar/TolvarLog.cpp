#include "TolvarLog.h"

#include "DeviceDateTime.h"
#include "MeasuredValue.h"

#include <QStringList>

namespace {

const int kRecordFields = 12;

enum RecordField
{
    Date = 3,
    Time = 4,
    FlowField = 5,
    TemperatureField = 6,
    BackPressureField = 7,
    VolumeField = 8,
    BattSocField = 9,
    VBattField = 10,
    ImotField = 11
};

} // namespace

TolvarLog::TolvarLog(QObject *parent)
    : Log(parent)
    , m_flow(MeasuredValue::empty())
    , m_temperature(MeasuredValue::empty())
    , m_backPressure(MeasuredValue::empty())
    , m_volume(MeasuredValue::empty())
{
}

int TolvarLog::parseRecord(QByteArray record)
{
    const QStringList fields = QString::fromUtf8(recordBytes(record)).split(QLatin1Char(','));
    if (fields.size() < kRecordFields)
        return 1;
    setRegisterDate(parseDeviceDateTime(fields.at(Date) + QLatin1Char(',') + fields.at(Time)));
    m_flow = MeasuredValue::fromText(fields.at(FlowField));
    m_temperature = MeasuredValue::fromText(fields.at(TemperatureField));
    // The pump sends the backpressure in tenths of kPa.
    m_backPressure = MeasuredValue::fromText(fields.at(BackPressureField)) / 10.0;
    m_volume = MeasuredValue::fromText(fields.at(VolumeField));
    m_battSoc = fields.at(BattSocField);
    m_vBatt = fields.at(VBattField);
    m_imot = fields.at(ImotField);
    return 0;
}

QJsonObject TolvarLog::toJson()
{
    return {{QStringLiteral("date"), formatDeviceDateTime(registerDate())},
            {QStringLiteral("Flow"), MeasuredValue::toJson(m_flow)},
            {QStringLiteral("Temperature"), MeasuredValue::toJson(m_temperature)},
            {QStringLiteral("BackPressure"), MeasuredValue::toJson(m_backPressure)},
            {QStringLiteral("Volume"), MeasuredValue::toJson(m_volume)},
            {QStringLiteral("BattSoc"), m_battSoc},
            {QStringLiteral("VBatt"), m_vBatt},
            {QStringLiteral("Imot"), m_imot}};
}

void TolvarLog::fromJson(const QJsonObject &json)
{
    auto number = [&json](const char *key) {
        return MeasuredValue::fromJson(json.value(QLatin1String(key)));
    };
    auto text = [&json](const char *key) { return json.value(QLatin1String(key)).toString(); };
    setRegisterDate(parseDeviceDateTime(text("date")));
    m_flow = number("Flow");
    m_temperature = number("Temperature");
    m_backPressure = number("BackPressure");
    m_volume = number("Volume");
    m_battSoc = text("BattSoc");
    m_vBatt = text("VBatt");
    m_imot = text("Imot");
}
