#include "RumoConfig.h"

#include "RumoModel.h"
#include "SampleInterval.h"

#include <QJsonDocument>
#include <QRegularExpression>

RumoConfig::RumoConfig(QObject *parent)
    : DeviceConfig(parent)
{
}

void RumoConfig::setSampleTimeSeconds(const QByteArray &seconds)
{
    m_sampleTime = secondsToMinutesSeconds(seconds.trimmed().toInt());
}

int RumoConfig::intervalSeconds(const QString &sampleTime)
{
    // The instrument keeps the minutes below an hour.
    static const QRegularExpression pattern(QStringLiteral("\\A[0-5][0-9]:[0-5][0-9]\\z"));
    if (!pattern.match(sampleTime).hasMatch())
        return -1;
    return minutesSecondsToSeconds(sampleTime);
}

QJsonObject RumoConfig::toJson()
{
    return {{QStringLiteral("productName"), rumoProductName()},
            {QStringLiteral("sampleTime"), m_sampleTime}};
}

int RumoConfig::fromJson(QString json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return -1;
    m_sampleTime = document.object().value(QStringLiteral("sampleTime")).toString();
    return 0;
}
