#include "KestrumConfig.h"

#include "SampleInterval.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace {

const QChar kDegree(0x00B0);

} // namespace

KestrumConfig::KestrumConfig(const QString &productName)
    : m_productName(productName)
{
}

void KestrumConfig::setUnityFromReply(const QByteArray &reply)
{
    QByteArray unit = reply;
    unit.replace('"', "");
    m_unity = kDegree + QString::fromUtf8(unit);
}

void KestrumConfig::setSampleTimeFromReply(const QByteArray &reply)
{
    bool ok = false;
    const int seconds = reply.trimmed().toInt(&ok);
    m_sampleTime = secondsToMinutesSeconds(ok && seconds >= 0 ? seconds : 0);
}

bool KestrumConfig::isKnownUnity(const QString &unity)
{
    return unity == QString(kDegree) + QLatin1Char('C') ||
           unity == QString(kDegree) + QLatin1Char('F');
}

QString KestrumConfig::unitLetter() const
{
    return isKnownUnity(m_unity) ? m_unity.mid(1) : QString();
}

int KestrumConfig::intervalSeconds() const
{
    return minutesSecondsToSeconds(m_sampleTime);
}

QJsonObject KestrumConfig::toJson()
{
    return {{QStringLiteral("productName"), m_productName},
            {QStringLiteral("unity"), m_unity},
            {QStringLiteral("sampleTime"), m_sampleTime}};
}

int KestrumConfig::fromJson(QString json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return -1;
    const QJsonObject object = document.object();
    const QString unity = object.value(QStringLiteral("unity")).toString();
    const QString sampleTime = object.value(QStringLiteral("sampleTime")).toString();
    // Only a setting the instrument can take is kept: anything else would go
    // out as an empty unit, a zero interval or text inside the command.
    if (!isKnownUnity(unity) || minutesSecondsToSeconds(sampleTime) < 0)
        return -1;
    m_unity = unity;
    m_sampleTime = sampleTime;
    return 0;
}
