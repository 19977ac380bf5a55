#pragma once

#include "LevelTimeWeightedOutput.h"

#include <QList>
#include <QObject>
#include <QString>

// The levels of one frequency weighting (Z, C or A) of a "BEMARI+" run: its
// equivalent level, exposure level and peak, and the minimum and maximum of
// each time weighting. It owns its three time-weighting records.
class FreqWeightedOutputLevels : public QObject
{
    Q_OBJECT

public:
    // The time weightings in the order the instrument sends them.
    enum TimeWeighting
    {
        Impulse = 0,
        Fast = 1,
        Slow = 2,
        TimeWeightingCount = 3
    };

    // Three empty time-weighting records.
    explicit FreqWeightedOutputLevels(QObject *parent = nullptr);
    // Takes the three records (I, F, S) over.
    FreqWeightedOutputLevels(const QString &eq, const QString &exposure, const QString &peak,
                             LevelTimeWeightedOutput *impulse, LevelTimeWeightedOutput *fast,
                             LevelTimeWeightedOutput *slow, QObject *parent = nullptr);

    QString eq() const { return m_eq; }
    void setEq(const QString &v) { m_eq = v; }
    QString exposure() const { return m_exposure; }
    void setExposure(const QString &v) { m_exposure = v; }
    QString peak() const { return m_peak; }
    void setPeak(const QString &v) { m_peak = v; }
    // I, F and S, in this order.
    const QList<LevelTimeWeightedOutput *> &levels() const { return m_levels; }
    LevelTimeWeightedOutput *level(TimeWeighting weighting) const { return m_levels.at(weighting); }

private:
    QList<LevelTimeWeightedOutput *> m_levels;
    QString m_eq;
    QString m_exposure;
    QString m_peak;
};
