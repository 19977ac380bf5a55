#include "Kestrum2Results.h"

#include "JsonNumber.h"
#include "KestrumFields.h"

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
        {QStringLiteral("dryTMax"), numberOrNull(m_dryTMax)},
        {QStringLiteral("dryTMin"), numberOrNull(m_dryTMin)},
        {QStringLiteral("wetTMax"), numberOrNull(m_wetTMax)},
        {QStringLiteral("wetTMin"), numberOrNull(m_wetTMin)},
        {QStringLiteral("globeTMax"), numberOrNull(m_globeTMax)},
        {QStringLiteral("globeTMin"), numberOrNull(m_globeTMin)},
        {QStringLiteral("IBUTGiMed"), numberOrNull(m_ibutgiMed)},
        {QStringLiteral("IBUTGeMed"), numberOrNull(m_ibutgeMed)},
    };
    m_header.writeJson(json);
    writeCommonJson(json);
    return json;
}

void Kestrum2Results::fromJson(const QJsonObject &json)
{
    readCommonJson(json);
    m_dryTMax = numberOrNan(json.value(QStringLiteral("dryTMax")));
    m_dryTMin = numberOrNan(json.value(QStringLiteral("dryTMin")));
    m_wetTMax = numberOrNan(json.value(QStringLiteral("wetTMax")));
    m_wetTMin = numberOrNan(json.value(QStringLiteral("wetTMin")));
    m_globeTMax = numberOrNan(json.value(QStringLiteral("globeTMax")));
    m_globeTMin = numberOrNan(json.value(QStringLiteral("globeTMin")));
    m_ibutgiMed = numberOrNan(json.value(QStringLiteral("IBUTGiMed")));
    m_ibutgeMed = numberOrNan(json.value(QStringLiteral("IBUTGeMed")));
    m_header.readJson(json);
}
