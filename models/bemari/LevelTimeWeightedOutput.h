#pragma once

#include <QDateTime>
#include <QObject>
#include <QString>

// The minimum and maximum of one time weighting (I, F or S) within one
// frequency weighting, and the time of the maximum. Levels are the
// instrument's texts ("OL" on an overloaded run).
class LevelTimeWeightedOutput : public QObject
{
    Q_OBJECT

public:
    explicit LevelTimeWeightedOutput(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    QString min() const { return m_min; }
    void setMin(const QString &v) { m_min = v; }
    QString max() const { return m_max; }
    void setMax(const QString &v) { m_max = v; }
    QDateTime maxDateTime() const { return m_maxDateTime; }
    void setMaxDateTime(const QDateTime &v) { m_maxDateTime = v; }

private:
    QString m_min;
    QString m_max;
    QDateTime m_maxDateTime;
};
