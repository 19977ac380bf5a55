#include "SoundLevelConfig.h"

#include <QJsonDocument>

SoundLevelConfig::SoundLevelConfig(const QString &productName, QObject *parent)
    : DeviceConfig(parent)
    , m_productName(productName)
{
}

const QStringList &SoundLevelConfig::timeWeightings()
{
    static const QStringList texts{QStringLiteral("Slow"), QStringLiteral("Fast"),
                                   QStringLiteral("Impulse")};
    return texts;
}

const QStringList &SoundLevelConfig::frequencyWeightings()
{
    static const QStringList texts{QStringLiteral("A"), QStringLiteral("C"), QStringLiteral("Z")};
    return texts;
}

const QStringList &SoundLevelConfig::octaveAnalyses()
{
    static const QStringList texts{QStringLiteral("1/1"), QStringLiteral("1/3")};
    return texts;
}

QJsonObject SoundLevelConfig::toJson()
{
    return {{QStringLiteral("productName"), m_productName},
            {QStringLiteral("timeWeighting"), m_timeWeighting},
            {QStringLiteral("frequencyWeighting"), m_frequencyWeighting},
            {QStringLiteral("octaveAnalysis"), m_octaveAnalysis}};
}

int SoundLevelConfig::fromJson(QString json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return -1;
    const QJsonObject object = document.object();
    const QString time = object.value(QStringLiteral("timeWeighting")).toString();
    const QString frequency = object.value(QStringLiteral("frequencyWeighting")).toString();
    const QString octave = object.value(QStringLiteral("octaveAnalysis")).toString();
    // Only values of the sets may reach the instrument: a text of the
    // window's own could otherwise end the command early.
    if (!timeWeightings().contains(time) || !frequencyWeightings().contains(frequency) ||
        !octaveAnalyses().contains(octave))
        return -1;
    m_timeWeighting = time;
    m_frequencyWeighting = frequency;
    m_octaveAnalysis = octave;
    return 0;
}
