#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

// A model's measurement configuration, exchanged with QML as JSON text.
class DeviceConfig : public QObject
{
    Q_OBJECT

public:
    static constexpr int DefaultMaxExperimentDuration = 32400; // seconds, 9 hours

    explicit DeviceConfig(QObject *parent = nullptr);

public slots:
    virtual QJsonObject toJson();
    // 0 when the text is a JSON object the model reads, -1 otherwise.
    virtual int fromJson(QString json);
    // Longest run a schedule may program, in seconds.
    virtual int maxExperimentDuration();
};
