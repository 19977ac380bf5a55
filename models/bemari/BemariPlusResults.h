#pragma once

#include "FreqWeightedOutputLevels.h"
#include "SoundLevelResults.h"

#include <QDateTime>
#include <QList>

// The results of one "BEMARI+" run. Beside what the "BEMARI" has, its header
// page 2 carries a line per frequency weighting (Z, C, A) with Leq, exposure
// level, peak and the minimum and maximum of each time weighting; page 1
// carries an overload flag and the measurement mode ("AUTO" or "MANUAL").
// On an overloaded run every level of pages 2 and 5 reads "OL".
//
// The overall levels of the "BEMARI" (lEq, lMax, ... lPeak) are not sent by
// this model; only a data file that carries them fills them.
class BemariPlusResults : public SoundLevelResults
{
    Q_OBJECT

public:
    // The frequency weightings in the order of page 2 and of the list.
    enum FrequencyWeighting
    {
        Z = 0,
        C = 1,
        A = 2,
        FrequencyWeightingCount = 3
    };

    BemariPlusResults() = default;

    QString mode() const { return m_mode; }
    void setMode(const QString &v) { m_mode = v; }
    bool overloaded() const { return m_overload; }
    bool isManual() const { return m_mode == QLatin1String("MANUAL"); }

    // Z, C and A once page 2 or a data file filled them; empty before.
    const QList<FreqWeightedOutputLevels *> &freqWeightedLevels() const
    {
        return m_freqWeightedLevels;
    }
    // Takes the records over; the records held before are deleted.
    void setFreqWeightedLevels(const QList<FreqWeightedOutputLevels *> &levels);

    // A per-weighting value by its JSON key ("LAEq", "LCpeak", "LZFMax" ...):
    // its text, or its time formatted as the instrument writes times; empty
    // for a key that is none of the 36 or a weighting not filled yet.
    QString weightedText(const QString &key) const;
    // The 36 keys: "LZEq", "LZE", "LZpeak", "LZIMin" ... "LASMaxDateTime".
    static QStringList weightedKeys();

    int parsePage1(const QByteArray &text);
    // Three lines of at least 20 fields (Z, C, A); a shorter page is refused
    // and the levels held stay.
    int parsePage2(const QByteArray &text);
    int parsePage3(const QByteArray &text);
    int parsePage4(const QByteArray &text);
    int parsePage5(const QByteArray &text);

    int parsePage(int page, const QByteArray &text) override;
    void fromJson(const QJsonObject &json) override;

public slots:
    QJsonObject toJson() override;

private:
    QList<FreqWeightedOutputLevels *> m_freqWeightedLevels;
    bool m_overload = false;
    QString m_mode = QStringLiteral("AUTO");
};
