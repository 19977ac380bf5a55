#include "SoundLevelResults.h"

#include "DeviceDateTime.h"

#include <QJsonArray>

namespace {

const QString kPagePrefix = QStringLiteral("+VFXPHDR: ");
const int kIdentityFields = 13;
const int kBandFields = 6;
const int kCheckFields = 8;
const int kStatisticsFields = 7;

using TextMember = QString (SoundLevelResults::*)() const;
using TextSetter = void (SoundLevelResults::*)(const QString &);
using DateMember = QDateTime (SoundLevelResults::*)() const;
using DateSetter = void (SoundLevelResults::*)(const QDateTime &);

struct TextKey
{
    const char *key;
    TextMember get;
    TextSetter set;
};

struct DateKey
{
    const char *key;
    DateMember get;
    DateSetter set;
    // A check date the instrument did not give is written as "" and read back
    // only when a text is there.
    bool optional;
};

// The texts stored under their own keys, in the order a file is read.
const TextKey kTextKeys[] = {
    {"label", &SoundLevelResults::label, &SoundLevelResults::setLabel},
    {"duration", &SoundLevelResults::duration, &SoundLevelResults::setDuration},
    {"pauseTime", &SoundLevelResults::pauseTime, &SoundLevelResults::setPauseTime},
    {"sampleTime", &SoundLevelResults::sampleTime, &SoundLevelResults::setSampleTime},
    {"timeWeighting", &SoundLevelResults::timeWeighting, &SoundLevelResults::setTimeWeighting},
    {"freqWeighting", &SoundLevelResults::freqWeighting, &SoundLevelResults::setFreqWeighting},
    {"octaveAnalysis", &SoundLevelResults::octaveAnalysis, &SoundLevelResults::setOctaveAnalysis},
    {"lEq", &SoundLevelResults::lEq, &SoundLevelResults::setLEq},
    {"lMax", &SoundLevelResults::lMax, &SoundLevelResults::setLMax},
    {"lMin", &SoundLevelResults::lMin, &SoundLevelResults::setLMin},
    {"lFMax", &SoundLevelResults::lFMax, &SoundLevelResults::setLFMax},
    {"l05", &SoundLevelResults::l05, &SoundLevelResults::setL05},
    {"l10", &SoundLevelResults::l10, &SoundLevelResults::setL10},
    {"l50", &SoundLevelResults::l50, &SoundLevelResults::setL50},
    {"l90", &SoundLevelResults::l90, &SoundLevelResults::setL90},
    {"l95", &SoundLevelResults::l95, &SoundLevelResults::setL95},
    {"numFreq", &SoundLevelResults::numFreq, &SoundLevelResults::setNumFreq},
    {"preChk", &SoundLevelResults::preChk, &SoundLevelResults::setPreChk},
    {"posChk", &SoundLevelResults::posChk, &SoundLevelResults::setPosChk},
};

// Written whether they are valid or not, and read back as they stand.
const DateKey kDateKeys[] = {
    {"startTime", &SoundLevelResults::startTime, &SoundLevelResults::setStartTime, false},
    {"stopTime", &SoundLevelResults::stopTime, &SoundLevelResults::setStopTime, false},
    {"lMaxDateTime", &SoundLevelResults::lMaxDateTime, &SoundLevelResults::setLMaxDateTime, false},
    {"preChkDate", &SoundLevelResults::preChkDate, &SoundLevelResults::setPreChkDate, true},
    {"posChkDate", &SoundLevelResults::posChkDate, &SoundLevelResults::setPosChkDate, true},
};

const QString kSelKey = QStringLiteral("SEL");
const QString kPeakKey = QStringLiteral("lPeak");

QDateTime dateTimeOf(const QString &date, const QString &time)
{
    return parseDeviceDateTime(date + QLatin1Char(',') + time);
}

} // namespace

SoundLevelResults::~SoundLevelResults()
{
    qDeleteAll(m_leqList);
}

QString SoundLevelResults::durationStr() const
{
    return durationToString(m_duration);
}

void SoundLevelResults::setLeqList(const QList<LeqPerOctave *> &bands)
{
    if (m_leqList == bands)
        return;
    for (LeqPerOctave *band : qAsConst(m_leqList)) {
        if (!bands.contains(band))
            delete band;
    }
    m_leqList = bands;
}

QString SoundLevelResults::levelOrAbsent(const QString &field)
{
    return field.isEmpty() ? QStringLiteral("---") : field;
}

QStringList SoundLevelResults::pageFields(const QByteArray &text, int page, int minimum)
{
    QString line = QString::fromUtf8(text);
    line.remove(kPagePrefix);
    line.remove(QLatin1Char('\n'));
    line.remove(QLatin1Char('"'));
    const QStringList fields = line.split(QLatin1Char(','));
    if (fields.size() < minimum || fields.at(0) != QString::number(page))
        return {};
    return fields;
}

QStringList SoundLevelResults::parseIdentityPage(const QByteArray &text)
{
    const QStringList f = pageFields(text, 1, kIdentityFields);
    if (f.isEmpty())
        return f;
    m_label = f.at(2);
    m_duration = f.at(3);
    // A time the instrument did not give leaves the one held.
    if (!f.at(4).isEmpty() && !f.at(5).isEmpty())
        m_startTime = dateTimeOf(f.at(4), f.at(5));
    if (!f.at(6).isEmpty() && !f.at(7).isEmpty())
        m_stopTime = dateTimeOf(f.at(6), f.at(7));
    if (!f.at(8).isEmpty())
        m_pauseTime = durationToString(f.at(8));
    m_sampleTime = f.at(9);
    m_timeWeighting = f.at(10);
    m_freqWeighting = f.at(11);
    m_octaveAnalysis = f.at(12);
    return f;
}

int SoundLevelResults::parseBandPage(const QByteArray &text)
{
    setLeqList({});
    QList<LeqPerOctave *> bands;
    const QList<QByteArray> lines = text.split('\r');
    for (const QByteArray &raw : lines) {
        // Band texts keep their double quotes, as the instrument sent them.
        QString line = QString::fromUtf8(raw);
        line.remove(kPagePrefix);
        line.remove(QLatin1Char('\n'));
        const QStringList f = line.split(QLatin1Char(','));
        // The bands end at the first line that is not one.
        if (f.size() < kBandFields || f.at(0) != QLatin1String("3"))
            break;
        m_numFreq = f.at(2);
        auto *band = new LeqPerOctave;
        band->setFreqIdx(f.at(3));
        band->setFrequency(f.at(4));
        band->setLeq(f.at(5));
        bands.append(band);
    }
    setLeqList(bands);
    // A page of which not one band line could be read is unreadable.
    if (bands.isEmpty() && !isEmptyHeaderPage(text, 3))
        return -1;
    return m_numFreq.toInt() == bands.size() ? 0 : -1;
}

int SoundLevelResults::parseCheckPage(const QByteArray &text)
{
    const QStringList f = pageFields(text, 4, kCheckFields);
    if (f.isEmpty())
        return -1;
    m_preChk = levelOrAbsent(f.at(2));
    if (!f.at(2).isEmpty())
        m_preChkDate = dateTimeOf(f.at(4), f.at(5));
    m_posChk = levelOrAbsent(f.at(3));
    if (!f.at(3).isEmpty())
        m_posChkDate = dateTimeOf(f.at(6), f.at(7));
    return 0;
}

int SoundLevelResults::parseStatisticsPage(const QByteArray &text, bool overloaded)
{
    const QStringList f = pageFields(text, 5, kStatisticsFields);
    if (f.isEmpty())
        return -1;
    QString *const levels[] = {&m_l05, &m_l10, &m_l50, &m_l90, &m_l95};
    for (int i = 0; i < 5; ++i)
        *levels[i] = overloaded ? QStringLiteral("OL") : levelOrAbsent(f.at(2 + i));
    return 0;
}

QJsonObject SoundLevelResults::toJson()
{
    QJsonObject json;
    for (const TextKey &text : kTextKeys)
        json.insert(QLatin1String(text.key), (this->*text.get)());
    json.insert(kSelKey, m_sel);
    json.insert(kPeakKey, m_lPeak);
    json.insert(QStringLiteral("durationStr"), durationStr());
    for (const DateKey &date : kDateKeys)
        json.insert(QLatin1String(date.key), formatDeviceDateTime((this->*date.get)()));
    QJsonArray bands;
    for (const LeqPerOctave *band : qAsConst(m_leqList))
        bands.append(band->toJson());
    json.insert(QStringLiteral("leqList"), bands);
    writeCommonJson(json);
    return json;
}

void SoundLevelResults::fromJson(const QJsonObject &json)
{
    readCommonJson(json);
    for (const TextKey &text : kTextKeys)
        (this->*text.set)(json.value(QLatin1String(text.key)).toString());
    m_sel = json.contains(kSelKey) ? json.value(kSelKey).toString() : QStringLiteral("---");
    m_lPeak = json.contains(kPeakKey) ? json.value(kPeakKey).toString() : QStringLiteral("---");
    for (const DateKey &date : kDateKeys) {
        const QString stored = json.value(QLatin1String(date.key)).toString();
        if (!date.optional || !stored.isEmpty())
            (this->*date.set)(parseDeviceDateTime(stored));
    }
    QList<LeqPerOctave *> bands;
    const QJsonArray stored = json.value(QStringLiteral("leqList")).toArray();
    for (const QJsonValue &value : stored) {
        auto *band = new LeqPerOctave;
        band->fromJson(value.toObject());
        bands.append(band);
    }
    setLeqList(bands);
}
