#include "Kestrum2Results.h"

#include "KestrumFields.h"
#include "MeasuredValue.h"

#include <limits>

namespace {

constexpr int kPage1Fields = 6;
constexpr int kPage2Fields = 8;
constexpr int kPage3Fields = 8;

} // namespace

Kestrum2Results::Kestrum2Results(QObject *parent)
    : Results(parent)
{
    const double none = std::numeric_limits<double>::quiet_NaN();
    m_dryTMax = m_dryTMin = m_wetTMax = m_wetTMin = m_globeTMax = m_globeTMin = none;
    m_ibutgiMed = m_ibutgeMed = none;
}

int Kestrum2Results::parseHeader1(QByteArray reply)
{
    const QList<QByteArray> fields = KestrumFields::headerPage(reply, 1, kPage1Fields);
    if (fields.isEmpty())
        return -1;
    m_header.sampleTime = KestrumFields::seconds(fields.at(2));
    m_header.pauseTime = KestrumFields::duration(fields.at(3));
    m_header.duration = KestrumFields::duration(fields.at(4));
    m_header.unity = KestrumFields::unity(fields.at(5));
    return 0;
}

int Kestrum2Results::parseHeader2(QByteArray reply)
{
    const QList<QByteArray> fields = KestrumFields::headerPage(reply, 2, kPage2Fields);
    if (fields.isEmpty())
        return -1;
    m_ibutgiMed = KestrumFields::number(fields.at(2));
    m_ibutgeMed = KestrumFields::number(fields.at(3));
    m_header.startTime = KestrumFields::dateTime(fields.at(4), fields.at(5));
    m_header.stopTime = KestrumFields::dateTime(fields.at(6), fields.at(7));
    return 0;
}

int Kestrum2Results::parseHeader3(QByteArray reply)
{
    const QList<QByteArray> fields = KestrumFields::headerPage(reply, 3, kPage3Fields);
    if (fields.isEmpty())
        return -1;
    m_wetTMax = KestrumFields::number(fields.at(2));
    m_wetTMin = KestrumFields::number(fields.at(3));
    m_dryTMax = KestrumFields::number(fields.at(4));
    m_dryTMin = KestrumFields::number(fields.at(5));
    m_globeTMax = KestrumFields::number(fields.at(6));
    m_globeTMin = KestrumFields::number(fields.at(7));
    return 0;
}

QJsonObject Kestrum2Results::toJson()
{
    QJsonObject json{
        {QStringLiteral("dryTMax"), MeasuredValue::toJson(m_dryTMax)},
        {QStringLiteral("dryTMin"), MeasuredValue::toJson(m_dryTMin)},
        {QStringLiteral("wetTMax"), MeasuredValue::toJson(m_wetTMax)},
        {QStringLiteral("wetTMin"), MeasuredValue::toJson(m_wetTMin)},
        {QStringLiteral("globeTMax"), MeasuredValue::toJson(m_globeTMax)},
        {QStringLiteral("globeTMin"), MeasuredValue::toJson(m_globeTMin)},
        {QStringLiteral("IBUTGiMed"), MeasuredValue::toJson(m_ibutgiMed)},
        {QStringLiteral("IBUTGeMed"), MeasuredValue::toJson(m_ibutgeMed)},
    };
    m_header.writeJson(json);
    writeCommonJson(json);
    return json;
}

void Kestrum2Results::fromJson(const QJsonObject &json)
{
    readCommonJson(json);
    m_dryTMax = MeasuredValue::fromJson(json.value(QStringLiteral("dryTMax")));
    m_dryTMin = MeasuredValue::fromJson(json.value(QStringLiteral("dryTMin")));
    m_wetTMax = MeasuredValue::fromJson(json.value(QStringLiteral("wetTMax")));
    m_wetTMin = MeasuredValue::fromJson(json.value(QStringLiteral("wetTMin")));
    m_globeTMax = MeasuredValue::fromJson(json.value(QStringLiteral("globeTMax")));
    m_globeTMin = MeasuredValue::fromJson(json.value(QStringLiteral("globeTMin")));
    m_ibutgiMed = MeasuredValue::fromJson(json.value(QStringLiteral("IBUTGiMed")));
    m_ibutgeMed = MeasuredValue::fromJson(json.value(QStringLiteral("IBUTGeMed")));
    m_header.readJson(json);
}
