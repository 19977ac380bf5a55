#pragma once

#include "LeqPerOctave.h"
#include "Results.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

// What the two sound level meters' results share: the run's identity and
// settings (header page 1), its overall levels, its octave bands (page 3), its
// field checks (page 4) and its statistical levels (page 5).
//
// Every level stays the instrument's text from download to report: a number,
// "---" for a value the instrument left empty, "OL" for an overloaded one.
// Nothing acoustic is computed here. The results own their bands.
class SoundLevelResults : public Results
{
    Q_OBJECT

public:
    ~SoundLevelResults() override;

    QString label() const { return m_label; }
    void setLabel(const QString &v) { m_label = v; }
    // Whole seconds, as the instrument sent them.
    QString duration() const { return m_duration; }
    void setDuration(const QString &v) { m_duration = v; }
    // "hh:mm:ss" of the duration; a text that is no whole number counts as 0.
    QString durationStr() const;
    QDateTime startTime() const { return m_startTime; }
    void setStartTime(const QDateTime &v) { m_startTime = v; }
    QDateTime stopTime() const { return m_stopTime; }
    void setStopTime(const QDateTime &v) { m_stopTime = v; }
    // Stored already as "hh:mm:ss".
    QString pauseTime() const { return m_pauseTime; }
    void setPauseTime(const QString &v) { m_pauseTime = v; }
    QString sampleTime() const { return m_sampleTime; }
    void setSampleTime(const QString &v) { m_sampleTime = v; }
    QString timeWeighting() const { return m_timeWeighting; }
    void setTimeWeighting(const QString &v) { m_timeWeighting = v; }
    QString freqWeighting() const { return m_freqWeighting; }
    void setFreqWeighting(const QString &v) { m_freqWeighting = v; }
    QString octaveAnalysis() const { return m_octaveAnalysis; }
    void setOctaveAnalysis(const QString &v) { m_octaveAnalysis = v; }
    QString lEq() const { return m_lEq; }
    void setLEq(const QString &v) { m_lEq = v; }
    QString lMax() const { return m_lMax; }
    void setLMax(const QString &v) { m_lMax = v; }
    QString lMin() const { return m_lMin; }
    void setLMin(const QString &v) { m_lMin = v; }
    QString lFMax() const { return m_lFMax; }
    void setLFMax(const QString &v) { m_lFMax = v; }
    QDateTime lMaxDateTime() const { return m_lMaxDateTime; }
    void setLMaxDateTime(const QDateTime &v) { m_lMaxDateTime = v; }
    QString sel() const { return m_sel; }
    void setSel(const QString &v) { m_sel = v; }
    QString lPeak() const { return m_lPeak; }
    void setLPeak(const QString &v) { m_lPeak = v; }
    QString numFreq() const { return m_numFreq; }
    void setNumFreq(const QString &v) { m_numFreq = v; }
    QList<LeqPerOctave *> leqList() const { return m_leqList; }
    // Takes ownership of the bands; the bands held before and not in the new
    // list are deleted.
    void setLeqList(const QList<LeqPerOctave *> &bands);
    QString preChk() const { return m_preChk; }
    void setPreChk(const QString &v) { m_preChk = v; }
    QString posChk() const { return m_posChk; }
    void setPosChk(const QString &v) { m_posChk = v; }
    QDateTime preChkDate() const { return m_preChkDate; }
    void setPreChkDate(const QDateTime &v) { m_preChkDate = v; }
    QDateTime posChkDate() const { return m_posChkDate; }
    void setPosChkDate(const QDateTime &v) { m_posChkDate = v; }
    QString l05() const { return m_l05; }
    void setL05(const QString &v) { m_l05 = v; }
    QString l10() const { return m_l10; }
    void setL10(const QString &v) { m_l10 = v; }
    QString l50() const { return m_l50; }
    void setL50(const QString &v) { m_l50 = v; }
    QString l90() const { return m_l90; }
    void setL90(const QString &v) { m_l90 = v; }
    QString l95() const { return m_l95; }
    void setL95(const QString &v) { m_l95 = v; }

    // One header page (1 to 5) as the device link hands it over: lines that
    // begin "+VFXPHDR: ", separated by carriage returns, the final OK gone.
    // 0 taken, -1 refused (a page too short or of another number).
    virtual int parsePage(int page, const QByteArray &text) = 0;

    // Reads a "results" object as toJson writes it (a data file). A missing
    // key reads as an empty text, 0 or an invalid date; "SEL" and "lPeak" that
    // are missing read as "---".
    virtual void fromJson(const QJsonObject &json);

    // The fields of a single-line page: "+VFXPHDR: ", line feeds and double
    // quotes removed, split at ",". Empty when the page has fewer than
    // `minimum` fields or its first field is not `page`.
    static QStringList pageFields(const QByteArray &text, int page, int minimum);
    // A level field the instrument left empty reads "---".
    static QString levelOrAbsent(const QString &field);

public slots:
    QJsonObject toJson() override;

protected:
    SoundLevelResults() = default;

    // Page 1 without what the models add: label, duration, start, stop and
    // pause times, sample time and the three settings. The fields, or empty
    // when the page is refused.
    QStringList parseIdentityPage(const QByteArray &text);
    // Page 3, one band a line up to the first line that is none. Refused
    // when the bands differ from the count announced, or when the page holds
    // lines but not one band line.
    int parseBandPage(const QByteArray &text);
    int parseCheckPage(const QByteArray &text);
    // Page 5; an overloaded run holds "OL" for every statistical level.
    int parseStatisticsPage(const QByteArray &text, bool overloaded);

private:
    QString m_label;
    QString m_duration;
    QDateTime m_startTime;
    QDateTime m_stopTime;
    QString m_pauseTime;
    QString m_sampleTime;
    QString m_timeWeighting;
    QString m_freqWeighting;
    QString m_octaveAnalysis;
    QString m_lEq;
    QString m_lMax;
    QString m_lMin;
    QString m_lFMax;
    QDateTime m_lMaxDateTime;
    QString m_sel;
    QString m_lPeak;
    QString m_numFreq;
    QList<LeqPerOctave *> m_leqList;
    QString m_preChk;
    QString m_posChk;
    QDateTime m_preChkDate;
    QDateTime m_posChkDate;
    QString m_l05;
    QString m_l10;
    QString m_l50;
    QString m_l90;
    QString m_l95;
};
