#include "FreqWeightedOutputLevels.h"

FreqWeightedOutputLevels::FreqWeightedOutputLevels(QObject *parent)
    : FreqWeightedOutputLevels(QString(), QString(), QString(), new LevelTimeWeightedOutput,
                               new LevelTimeWeightedOutput, new LevelTimeWeightedOutput, parent)
{
}

FreqWeightedOutputLevels::FreqWeightedOutputLevels(const QString &eq, const QString &exposure,
                                                   const QString &peak,
                                                   LevelTimeWeightedOutput *impulse,
                                                   LevelTimeWeightedOutput *fast,
                                                   LevelTimeWeightedOutput *slow, QObject *parent)
    : QObject(parent)
    , m_levels{impulse, fast, slow}
    , m_eq(eq)
    , m_exposure(exposure)
    , m_peak(peak)
{
    // A record left out is an empty one, so that every level can be read.
    for (LevelTimeWeightedOutput *&level : m_levels) {
        if (!level)
            level = new LevelTimeWeightedOutput;
        level->setParent(this);
    }
}
