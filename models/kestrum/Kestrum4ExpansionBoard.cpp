#include "Kestrum4ExpansionBoard.h"

#include "DeviceDateTime.h"

QJsonObject Kestrum4ExpansionBoard::toJson() const
{
    return {{QStringLiteral("SN"), m_sn}, {QStringLiteral("calibration"), m_calibration.toJson()}};
}

Kestrum4ExpansionBoard Kestrum4ExpansionBoard::fromJson(const QJsonObject &json)
{
    Kestrum4ExpansionBoard board;
    board.m_sn = json.value(QStringLiteral("SN")).toString();
    const QJsonObject calibration = json.value(QStringLiteral("calibration")).toObject();
    board.m_calibration.setCertification(
        calibration.value(QStringLiteral("certification")).toString());
    board.m_calibration.setDate(
        parseDeviceDateTime(calibration.value(QStringLiteral("date")).toString()));
    return board;
}
