#include "BemariPlusResults.h"

#include "DeviceDateTime.h"

#include <array>
#include <functional>

namespace {

const int kOverloadField = 14;
const int kModeField = 15;
const int kIdentityFieldsWithMode = 16;
const int kWeightedLineFields = 20;
// Fields of one weighting line: Leq, exposure level and peak, then per time
// weighting minimum, maximum, date and time of the maximum.
const int kEqField = 5;
const int kTimeWeightingFields[] = {8, 12, 16};
const char kWeightingLetters[] = {'Z', 'C', 'A'};
const QString kOverloaded = QStringLiteral("OL");

using Levels = FreqWeightedOutputLevels;
using TimeLevels = LevelTimeWeightedOutput;

// How one of the twelve values of a weighting is read and written.
struct WeightedValue
{
    const char *suffix;
    std::function<QString(const Levels &)> text;
    std::function<void(Levels &, const QString &)> store;
};

WeightedValue timeValue(const char *suffix, Levels::TimeWeighting t, bool maximum)
{
    return {
        suffix,
        [t, maximum](const Levels &l) { return maximum ? l.level(t)->max() : l.level(t)->min(); },
        [t, maximum](Levels &l, const QString &v) {
            maximum ? l.level(t)->setMax(v) : l.level(t)->setMin(v);
        }};
}

WeightedValue timeOfMaximum(const char *suffix, Levels::TimeWeighting t)
{
    return {
        suffix, [t](const Levels &l) { return formatDeviceDateTime(l.level(t)->maxDateTime()); },
        [t](Levels &l, const QString &v) { l.level(t)->setMaxDateTime(parseDeviceDateTime(v)); }};
}

const std::array<WeightedValue, 12> &weightedValues()
{
    static const std::array<WeightedValue, 12> values{{
        {"Eq", &Levels::eq, &Levels::setEq},
        {"E", &Levels::exposure, &Levels::setExposure},
        {"peak", &Levels::peak, &Levels::setPeak},
        timeValue("IMin", Levels::Impulse, false),
        timeValue("IMax", Levels::Impulse, true),
        timeValue("FMin", Levels::Fast, false),
        timeValue("FMax", Levels::Fast, true),
        timeValue("SMin", Levels::Slow, false),
        timeValue("SMax", Levels::Slow, true),
        timeOfMaximum("IMaxDateTime", Levels::Impulse),
        timeOfMaximum("FMaxDateTime", Levels::Fast),
        timeOfMaximum("SMaxDateTime", Levels::Slow),
    }};
    return values;
}

QString weightedKey(int weighting, const WeightedValue &value)
{
    return QLatin1Char('L') + QString(QLatin1Char(kWeightingLetters[weighting])) +
           QLatin1String(value.suffix);
}

// One weighting line of page 2, or null when it is too short.
Levels *weightingLine(const QByteArray &raw, bool overloaded)
{
    QString line = QString::fromUtf8(raw);
    line.remove(QStringLiteral("+VFXPHDR: "));
    line.remove(QLatin1Char('\n'));
    line.remove(QLatin1Char('"'));
    const QStringList f = line.split(QLatin1Char(','));
    if (f.size() < kWeightedLineFields)
        return nullptr;
    auto level = [&](int field) { return overloaded ? kOverloaded : f.at(field); };
    auto *levels = new Levels;
    levels->setEq(level(kEqField));
    levels->setExposure(level(kEqField + 1));
    levels->setPeak(level(kEqField + 2));
    for (int t = 0; t < Levels::TimeWeightingCount; ++t) {
        const int b = kTimeWeightingFields[t];
        TimeLevels *time = levels->level(Levels::TimeWeighting(t));
        time->setMin(level(b));
        time->setMax(level(b + 1));
        // The time of a maximum stays meaningful on an overloaded run.
        time->setMaxDateTime(parseDeviceDateTime(f.at(b + 2) + QLatin1Char(',') + f.at(b + 3)));
    }
    return levels;
}

} // namespace

void BemariPlusResults::setFreqWeightedLevels(const QList<FreqWeightedOutputLevels *> &levels)
{
    for (FreqWeightedOutputLevels *held : qAsConst(m_freqWeightedLevels)) {
        if (!levels.contains(held))
            delete held;
    }
    m_freqWeightedLevels = levels;
    for (FreqWeightedOutputLevels *level : levels)
        level->setParent(this);
}

QStringList BemariPlusResults::weightedKeys()
{
    QStringList keys;
    for (int w = 0; w < FrequencyWeightingCount; ++w) {
        for (const WeightedValue &value : weightedValues())
            keys.append(weightedKey(w, value));
    }
    return keys;
}

QString BemariPlusResults::weightedText(const QString &key) const
{
    for (int w = 0; w < m_freqWeightedLevels.size() && w < FrequencyWeightingCount; ++w) {
        for (const WeightedValue &value : weightedValues()) {
            if (weightedKey(w, value) == key)
                return value.text(*m_freqWeightedLevels.at(w));
        }
    }
    return QString();
}

int BemariPlusResults::parsePage1(const QByteArray &text)
{
    const QStringList f = parseIdentityPage(text);
    if (f.isEmpty())
        return -1;
    // A page too short to carry the flag is not overloaded.
    m_overload = f.size() > kOverloadField && f.at(kOverloadField) == QLatin1String("1");
    if (f.size() >= kIdentityFieldsWithMode)
        m_mode = f.at(kModeField);
    // A manual run has no fixed sample time.
    if (isManual())
        setSampleTime(QStringLiteral("---"));
    return 0;
}

int BemariPlusResults::parsePage2(const QByteArray &text)
{
    const QList<QByteArray> lines = text.split('\r');
    if (lines.size() < FrequencyWeightingCount)
        return -1;
    QList<FreqWeightedOutputLevels *> levels;
    for (int w = 0; w < FrequencyWeightingCount; ++w) {
        Levels *line = weightingLine(lines.at(w), m_overload);
        if (!line) {
            qDeleteAll(levels);
            return -1;
        }
        levels.append(line);
    }
    setFreqWeightedLevels(levels);
    return 0;
}

int BemariPlusResults::parsePage3(const QByteArray &text)
{
    return parseBandPage(text);
}

int BemariPlusResults::parsePage4(const QByteArray &text)
{
    return parseCheckPage(text);
}

int BemariPlusResults::parsePage5(const QByteArray &text)
{
    return parseStatisticsPage(text, m_overload);
}

int BemariPlusResults::parsePage(int page, const QByteArray &text)
{
    switch (page) {
    case 1:
        return parsePage1(text);
    case 2:
        return parsePage2(text);
    case 3:
        return parsePage3(text);
    case 4:
        return parsePage4(text);
    case 5:
        return parsePage5(text);
    default:
        return -1;
    }
}

QJsonObject BemariPlusResults::toJson()
{
    QJsonObject json = SoundLevelResults::toJson();
    json.insert(QStringLiteral("mode"), m_mode);
    for (int w = 0; w < FrequencyWeightingCount; ++w) {
        const Levels *levels =
            w < m_freqWeightedLevels.size() ? m_freqWeightedLevels.at(w) : nullptr;
        // Before page 2 there is nothing to write but empty texts.
        for (const WeightedValue &value : weightedValues())
            json.insert(weightedKey(w, value), levels ? value.text(*levels) : QString());
    }
    return json;
}

void BemariPlusResults::fromJson(const QJsonObject &json)
{
    SoundLevelResults::fromJson(json);
    m_mode = json.value(QStringLiteral("mode")).toString();
    QList<FreqWeightedOutputLevels *> levels;
    for (int w = 0; w < FrequencyWeightingCount; ++w) {
        auto *read = new Levels;
        for (const WeightedValue &value : weightedValues())
            value.store(*read, json.value(weightedKey(w, value)).toString());
        levels.append(read);
    }
    setFreqWeightedLevels(levels);
}
