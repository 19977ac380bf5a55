#pragma once

#include "BemariLog.h"

// One level record of a "BEMARI+" run: a "BEMARI" record that may carry, as
// its seventh field, the interval the level covers (the time axis of a run
// measured in mode "MANUAL").
class BemariPlusLog : public BemariLog
{
    Q_OBJECT

public:
    explicit BemariPlusLog(QObject *parent = nullptr);

    QString interval() const { return m_interval; }
    void setInterval(const QString &text) { m_interval = text; }

    void fromJson(const QJsonObject &json) override;

public slots:
    // {"date", "level", "interval"}.
    QJsonObject toJson() override;

protected:
    void readMoreFields(const QStringList &fields) override;

private:
    QString m_interval;
};
