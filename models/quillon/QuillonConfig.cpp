#include "QuillonConfig.h"

#include "QuillonModel.h"
#include "SampleInterval.h"

#include <QJsonDocument>

QuillonConfig::QuillonConfig(QObject *parent)
    : DeviceConfig(parent)
{
}

void QuillonConfig::setSampleTimeSeconds(const QString &seconds)
{
    bool ok = false;
    const int count = seconds.trimmed().toInt(&ok);
    m_sampleTime = secondsToMinutesSeconds(ok ? count : 0);
}

QJsonObject QuillonConfig::toJson()
{
    return {{QStringLiteral("productName"), quillonProductName()},
            {QStringLiteral("sampleTime"), m_sampleTime}};
}

int QuillonConfig::fromJson(QString json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return -1;
    m_sampleTime = document.object().value(QStringLiteral("sampleTime")).toString();
    return 0;
}
