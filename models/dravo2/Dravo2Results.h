#pragma once

#include "LeqPerOctave.h"
#include "Results.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QSet>
#include <QString>
#include <array>

// The results of one dosimeter run: three dosimeters ("1", "2" and "USER")
// evaluated side by side, each with its configuration, dose and levels, plus
// the run's statistical levels, times, calibration checks, octave bands, the
// user's working hours and the hearing-protector data.
//
// Values are kept as the text the instrument sent; only the dose values that
// depend on the working hours are computed here. The octave bands are owned.
class Dravo2Results : public Results
{
    Q_OBJECT

public:
    // Band count of the hearing-protector arrays: 125 Hz to 8 kHz.
    static constexpr int ProtectorBands = 7;
    using BandValues = std::array<double, ProtectorBands>;

    // The three dosimeters side by side: configuration and results as text.
    enum DosimeterIndex
    {
        Dos1 = 0,
        Dos2 = 1,
        DosUser = 2,
        DosimeterCount = 3
    };

    struct Dosimeter
    {
        QString label;
        QString actionLevel = QStringLiteral("80");
        QString criterionLevel = QStringLiteral("85");
        QString exchangeRate;
        QString timeWeighting = QStringLiteral("Slow");
        QString freqWeighting = QStringLiteral("A");
        QString dose;
        QString ne;
        QString nen;
        QString dailyDose;
        QString twa;
        QString lavg;
    };

    Dravo2Results();
    ~Dravo2Results() override;

    const Dosimeter &dosimeter(DosimeterIndex index) const { return m_dos[size_t(index)]; }

    // Header pages and the dosimeter configuration reply, trimmed as the
    // download leaves them. 0 read, -1 refused.
    int parseDosimeterConfig(QByteArray reply);
    int parseHeader1(QByteArray reply);
    int parseHeader2(QByteArray reply);
    int parseHeader3(QByteArray reply);
    int parseHeader4(QByteArray reply);
    int parseHeader5(QByteArray reply);
    // The octave bands, one line each: a line that is no band line is
    // skipped, but a page of lines without one band line is refused, as is
    // a band count other than the one announced.
    int parseHeader6(QByteArray reply);
    int parseHeader7(QByteArray reply);

    // Reads a "results" object as toJson writes it (a data file): nothing is
    // recomputed, every value is taken as stored.
    void fromJson(const QJsonObject &json);

    // Stores the hearing-protector update object, replacing the earlier data.
    void applyHearingProtector(const QJsonObject &data);

    QString label() const { return m_label; }
    void setLabel(const QString &v) { m_label = v; }
    QString sampleTime() const { return m_sampleTime; }
    void setSampleTime(const QString &v) { m_sampleTime = v; }
    QString octaveAnalysis() const { return m_octaveAnalysis; }
    void setOctaveAnalysis(const QString &v) { m_octaveAnalysis = v; }

    QString doseDos1() const { return m_dos[Dos1].dose; }
    void setDoseDos1(const QString &v) { m_dos[Dos1].dose = v; }
    QString neDos1() const { return m_dos[Dos1].ne; }
    void setNeDos1(const QString &v) { m_dos[Dos1].ne = v; }
    QString nenDos1() const { return m_dos[Dos1].nen; }
    void setNenDos1(const QString &v) { m_dos[Dos1].nen = v; }
    QString dailyDoseDos1() const { return m_dos[Dos1].dailyDose; }
    void setDailyDoseDos1(const QString &v) { m_dos[Dos1].dailyDose = v; }
    QString twaDos1() const { return m_dos[Dos1].twa; }
    void setTwaDos1(const QString &v) { m_dos[Dos1].twa = v; }
    QString lavgDos1() const { return m_dos[Dos1].lavg; }
    void setLavgDos1(const QString &v) { m_dos[Dos1].lavg = v; }
    QString labelDos1() const { return m_dos[Dos1].label; }
    void setLabelDos1(const QString &v) { m_dos[Dos1].label = v; }
    QString dos1actionLevel() const { return m_dos[Dos1].actionLevel; }
    void setDos1actionLevel(const QString &v) { m_dos[Dos1].actionLevel = v; }
    QString dos1criterionLevel() const { return m_dos[Dos1].criterionLevel; }
    void setDos1criterionLevel(const QString &v) { m_dos[Dos1].criterionLevel = v; }
    QString dos1exchangeRate() const { return m_dos[Dos1].exchangeRate; }
    void setDos1exchangeRate(const QString &v) { m_dos[Dos1].exchangeRate = v; }
    QString dos1timeWeighting() const { return m_dos[Dos1].timeWeighting; }
    void setDos1timeWeighting(const QString &v) { m_dos[Dos1].timeWeighting = v; }
    QString dos1freqWeighting() const { return m_dos[Dos1].freqWeighting; }
    void setDos1freqWeighting(const QString &v) { m_dos[Dos1].freqWeighting = v; }

    QString doseDos2() const { return m_dos[Dos2].dose; }
    void setDoseDos2(const QString &v) { m_dos[Dos2].dose = v; }
    QString neDos2() const { return m_dos[Dos2].ne; }
    void setNeDos2(const QString &v) { m_dos[Dos2].ne = v; }
    QString nenDos2() const { return m_dos[Dos2].nen; }
    void setNenDos2(const QString &v) { m_dos[Dos2].nen = v; }
    QString dailyDoseDos2() const { return m_dos[Dos2].dailyDose; }
    void setDailyDoseDos2(const QString &v) { m_dos[Dos2].dailyDose = v; }
    QString twaDos2() const { return m_dos[Dos2].twa; }
    void setTwaDos2(const QString &v) { m_dos[Dos2].twa = v; }
    QString lavgDos2() const { return m_dos[Dos2].lavg; }
    void setLavgDos2(const QString &v) { m_dos[Dos2].lavg = v; }
    QString labelDos2() const { return m_dos[Dos2].label; }
    void setLabelDos2(const QString &v) { m_dos[Dos2].label = v; }
    QString dos2actionLevel() const { return m_dos[Dos2].actionLevel; }
    void setDos2actionLevel(const QString &v) { m_dos[Dos2].actionLevel = v; }
    QString dos2criterionLevel() const { return m_dos[Dos2].criterionLevel; }
    void setDos2criterionLevel(const QString &v) { m_dos[Dos2].criterionLevel = v; }
    QString dos2exchangeRate() const { return m_dos[Dos2].exchangeRate; }
    void setDos2exchangeRate(const QString &v) { m_dos[Dos2].exchangeRate = v; }
    QString dos2timeWeighting() const { return m_dos[Dos2].timeWeighting; }
    void setDos2timeWeighting(const QString &v) { m_dos[Dos2].timeWeighting = v; }
    QString dos2freqWeighting() const { return m_dos[Dos2].freqWeighting; }
    void setDos2freqWeighting(const QString &v) { m_dos[Dos2].freqWeighting = v; }

    QString doseDosUSER() const { return m_dos[DosUser].dose; }
    void setDoseDosUSER(const QString &v) { m_dos[DosUser].dose = v; }
    QString neDosUSER() const { return m_dos[DosUser].ne; }
    void setNeDosUSER(const QString &v) { m_dos[DosUser].ne = v; }
    QString nenDosUSER() const { return m_dos[DosUser].nen; }
    void setNenDosUSER(const QString &v) { m_dos[DosUser].nen = v; }
    QString dailyDoseDosUSER() const { return m_dos[DosUser].dailyDose; }
    void setDailyDoseDosUSER(const QString &v) { m_dos[DosUser].dailyDose = v; }
    QString twaDosUSER() const { return m_dos[DosUser].twa; }
    void setTwaDosUSER(const QString &v) { m_dos[DosUser].twa = v; }
    QString lavgDosUSER() const { return m_dos[DosUser].lavg; }
    void setLavgDosUSER(const QString &v) { m_dos[DosUser].lavg = v; }
    QString labelDosUSER() const { return m_dos[DosUser].label; }
    void setLabelDosUSER(const QString &v) { m_dos[DosUser].label = v; }
    QString dosUSERactionLevel() const { return m_dos[DosUser].actionLevel; }
    void setDosUSERactionLevel(const QString &v) { m_dos[DosUser].actionLevel = v; }
    QString dosUSERcriterionLevel() const { return m_dos[DosUser].criterionLevel; }
    void setDosUSERcriterionLevel(const QString &v) { m_dos[DosUser].criterionLevel = v; }
    QString dosUSERexchangeRate() const { return m_dos[DosUser].exchangeRate; }
    void setDosUSERexchangeRate(const QString &v) { m_dos[DosUser].exchangeRate = v; }
    QString dosUSERtimeWeighting() const { return m_dos[DosUser].timeWeighting; }
    void setDosUSERtimeWeighting(const QString &v) { m_dos[DosUser].timeWeighting = v; }
    QString dosUSERfreqWeighting() const { return m_dos[DosUser].freqWeighting; }
    void setDosUSERfreqWeighting(const QString &v) { m_dos[DosUser].freqWeighting = v; }
    // The USER dosimeter's configuration is also the run's own configuration.
    QString actionLevel() const { return dosUSERactionLevel(); }
    void setActionLevel(const QString &v) { setDosUSERactionLevel(v); }
    QString criterionLevel() const { return dosUSERcriterionLevel(); }
    void setCriterionLevel(const QString &v) { setDosUSERcriterionLevel(v); }
    QString exchangeRate() const { return dosUSERexchangeRate(); }
    void setExchangeRate(const QString &v) { setDosUSERexchangeRate(v); }
    QString timeWeighting() const { return dosUSERtimeWeighting(); }
    void setTimeWeighting(const QString &v) { setDosUSERtimeWeighting(v); }
    QString freqWeighting() const { return dosUSERfreqWeighting(); }
    void setFreqWeighting(const QString &v) { setDosUSERfreqWeighting(v); }

    QString l10() const { return m_l10; }
    void setL10(const QString &v) { m_l10 = v; }
    QString l50() const { return m_l50; }
    void setL50(const QString &v) { m_l50 = v; }
    QString l90() const { return m_l90; }
    void setL90(const QString &v) { m_l90 = v; }
    QString nPk() const { return m_nPk; }
    void setNPk(const QString &v) { m_nPk = v; }
    QString duration() const { return m_duration; }
    void setDuration(const QString &v) { m_duration = v; }
    // The duration as "hh:mm:ss", or "---" when the instrument gave none.
    QString durationStr() const;
    QDateTime startTime() const { return m_startTime; }
    void setStartTime(const QDateTime &v) { m_startTime = v; }
    QDateTime stopTime() const { return m_stopTime; }
    void setStopTime(const QDateTime &v) { m_stopTime = v; }
    QString pauseTime() const { return m_pauseTime; }
    void setPauseTime(const QString &v) { m_pauseTime = v; }
    QString numFreq() const { return m_numFreq; }
    void setNumFreq(const QString &v) { m_numFreq = v; }
    QList<LeqPerOctave *> leqList() const { return m_leqList; }
    // Takes ownership of the bands; the bands held before and not in the new
    // list are deleted.
    void setLeqList(const QList<LeqPerOctave *> &bands);
    QString preCal() const { return m_preCal; }
    void setPreCal(const QString &v) { m_preCal = v; }
    QString posCal() const { return m_posCal; }
    void setPosCal(const QString &v) { m_posCal = v; }
    QDateTime preCalDate() const { return m_preCalDate; }
    void setPreCalDate(const QDateTime &v) { m_preCalDate = v; }
    QDateTime posCalDate() const { return m_posCalDate; }
    void setPosCalDate(const QDateTime &v) { m_posCalDate = v; }
    QString workingHours() const { return m_workingHours; }
    void setWorkingHours(const QString &v) { m_workingHours = v; }

    QString stdApplied() const { return m_stdApplied; }
    void setStdApplied(const QString &v) { m_stdApplied = v; }
    QString hearProtectModel() const { return m_hearProtectModel; }
    void setHearProtectModel(const QString &v) { m_hearProtectModel = v; }
    QString hearProtectMfc() const { return m_hearProtectMfc; }
    void setHearProtectMfc(const QString &v) { m_hearProtectMfc = v; }
    QString hearProtectCANumber() const { return m_hearProtectCANumber; }
    void setHearProtectCANumber(const QString &v) { m_hearProtectCANumber = v; }
    QString hearingProtectorType() const { return m_hearingProtectorType; }
    void setHearingProtectorType(const QString &v) { m_hearingProtectorType = v; }
    int stdNumber() const { return m_stdNumber; }
    void setStdNumber(int v) { m_stdNumber = v; }
    double NPS() const { return m_NPS; }
    void setNPS(double v) { m_NPS = v; }
    double NPSp() const { return m_NPSp; }
    void setNPSp(double v) { m_NPSp = v; }
    BandValues nps() const { return m_nps; }
    BandValues npsp() const { return m_npsp; }
    BandValues desv() const { return m_desv; }
    BandValues att() const { return m_att; }
    // True once the results page has stored a hearing-protector evaluation, so
    // that a report tells "none" apart from an evaluation of zeros.
    bool hasHearingProtector() const { return m_hasHearingProtector; }
    // Whether the stored evaluation held the number `key` ("NPS", "npsp125",
    // "att8000" ...). A number it left out (a band level that was not known)
    // reads as 0 but must not be reported as a level.
    bool hearingProtectorHas(const QString &key) const { return m_protectorNumbers.contains(key); }
    // The update key of a band value: `row` ("nps", "npsp", "att", "desv")
    // and the band's frequency, "nps125".
    static QString protectorBandKey(const char *row, int band);

public slots:
    QJsonObject toJson() override;
    // {"workingHours": "hh:mm"}: 0 recomputed; -1 for a text that is not a JSON
    // object or hours that are refused, and then nothing changes.
    int refreshWorkingHours(QString json) override;
    // Stores an object whose "datatype" is "hearingprotect"; ignores any
    // other. Gives the object's member count.
    int refreshGeneralData(QJsonObject data) override;

private:
    using TextMember = QString Dravo2Results::*;
    using DosimeterMember = QString Dosimeter::*;
    struct TextKey
    {
        const char *key;
        TextMember member;
    };
    struct DosimeterKey
    {
        const char *name;
        DosimeterMember member;
    };
    // JSON keys of the run's own texts, and of each dosimeter's configuration
    // ("dos1" + name) and results (name + "Dos1").
    static const QList<TextKey> &textKeys();
    static const QList<DosimeterKey> &configKeys();
    static const QList<DosimeterKey> &resultKeys();
    static QString configKey(int dosimeter, const char *name);
    static QString resultKey(int dosimeter, const char *name);

    int parseDosimeterPage(QByteArray reply, DosimeterIndex dosimeter);
    // Daily dose, exposure level and normalised level of the three dosimeters
    // for the working hours in force.
    void deriveDoseValues();
    void refreshDailyValues(int workSeconds);

    std::array<Dosimeter, DosimeterCount> m_dos;
    QString m_label;
    QString m_sampleTime;
    QString m_octaveAnalysis;
    QString m_l10;
    QString m_l50;
    QString m_l90;
    QString m_nPk;
    QString m_duration;
    QDateTime m_startTime;
    QDateTime m_stopTime;
    QString m_pauseTime;
    QString m_numFreq;
    QList<LeqPerOctave *> m_leqList;
    QString m_preCal;
    QString m_posCal;
    QDateTime m_preCalDate;
    QDateTime m_posCalDate;
    QString m_workingHours = QStringLiteral("08:00");

    QString m_stdApplied;
    QString m_hearProtectModel;
    QString m_hearProtectMfc;
    QString m_hearProtectCANumber;
    QString m_hearingProtectorType;
    int m_stdNumber = 0;
    bool m_hasHearingProtector = false;
    QSet<QString> m_protectorNumbers;
    double m_NPS = 0.0;
    double m_NPSp = 0.0;
    BandValues m_nps{};
    BandValues m_npsp{};
    BandValues m_desv{};
    BandValues m_att{};
};
