#include "QuillonResults.h"

#include "DeviceDateTime.h"
#include "Experiment.h"
#include "HoursMinutes.h"
#include "MeasuredValue.h"
#include "VfReportText.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <cmath>
#include <limits>

namespace {

const QByteArray kSectionPrefix = "+VFXPHDR: ";
const int kSection1Fields = 19;
// Section 1 of newer firmware adds the recorded exposure time, the band
// analysis and the total time.
const int kSection1FieldsWithTotal = 22;
const int kSection2Fields = 9;
const int kSection2FieldsWithAmr = 10;
const int kSection3Fields = 17;
const int kSection4Fields = 47;
const int kSection5Fields = 7;
const int kBandFields = 7;
// Section 4: after field 1, one block of 15 fields per axis, each block one
// group of 5 fields per time weighting.
const int kSection4AxisBlock = 15;
const int kSection4Group = 5;

const double kNaN = std::numeric_limits<double>::quiet_NaN();

// The fields of one section line: the prefix, line feeds and double quotes
// removed, split at "," with empty fields kept.
QList<QByteArray> sectionFields(QByteArray line)
{
    line.replace(kSectionPrefix, "");
    line.replace("\n", "");
    line.replace("\"", "");
    return line.split(',');
}

// A field as UTF-8 text, up to its first NUL byte.
QString text(const QByteArray &field)
{
    const int nul = field.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? field : field.left(nul));
}

// A value the instrument left empty is kept as "---", never as 0.
QString dashed(const QByteArray &field)
{
    const QString value = text(field);
    return value.isEmpty() ? VfReportText::absent() : value;
}

// Fields `date` and the next one as an instrument date-time; an empty date
// field leaves `target` as it was.
void setDateTime(QDateTime &target, const QByteArray &date, const QByteArray &time)
{
    if (!date.isEmpty())
        target = parseDeviceDateTime(text(date) + QLatin1Char(',') + text(time));
}

double numberOrZero(const QString &value)
{
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok ? number : 0.0;
}

// A value the instrument sent, or NaN when it is not a number.
double number(const QString &value)
{
    return VfReportText::number(value).value_or(kNaN);
}

} // namespace

QString QuillonResults::s_workingHours = QStringLiteral("08:00");
QuillonResults::DailyValues QuillonResults::s_daily = {
    {kNaN, kNaN, kNaN}, {kNaN, kNaN, kNaN}, kNaN, kNaN, kNaN, kNaN};

QuillonResults::QuillonResults()
{
    s_workingHours = QStringLiteral("08:00");
    resetDailyValues();
}

QuillonResults::~QuillonResults()
{
    for (const QList<AmrPerOctave *> &bands : m_bands)
        qDeleteAll(bands);
}

void QuillonResults::resetDailyValues()
{
    s_daily = {{kNaN, kNaN, kNaN}, {kNaN, kNaN, kNaN}, kNaN, kNaN, kNaN, kNaN};
}

QChar QuillonResults::axisLetter(Axis axis)
{
    return QLatin1Char("XYZ"[axis]);
}

QChar QuillonResults::weightingLetter(TimeWeighting weighting)
{
    return QLatin1Char("FSL"[weighting]);
}

void QuillonResults::setBands(Axis axis, const QList<AmrPerOctave *> &bands)
{
    QList<AmrPerOctave *> &held = m_bands[axis];
    for (AmrPerOctave *band : qAsConst(held)) {
        if (!bands.contains(band))
            delete band;
    }
    held = bands;
}

// ------------------------------------------------------------ header sections

int QuillonResults::parseHeaderSection1(QByteArray reply)
{
    const QList<QByteArray> f = sectionFields(reply);
    if (f.size() < kSection1Fields || f.at(0) != "1")
        return -1;
    m_label = text(f.at(2));
    setDateTime(m_startTime, f.at(3), f.at(4));
    setDateTime(m_stopTime, f.at(5), f.at(6));
    m_sampleTime = dashed(f.at(7));
    m_duration = dashed(f.at(8));
    if (!f.at(9).isEmpty())
        m_pauseTime = durationToString(text(f.at(9)));
    m_timeWeighting = dashed(f.at(10));
    for (int a = 0; a < AxisCount; ++a) {
        m_axes[a].freqWeighting = dashed(f.at(11 + a));
        m_axes[a].factor = dashed(f.at(14 + a));
    }
    m_evaluationType = dashed(f.at(17));
    // Types 1 and 2 are both hand-arm evaluations.
    if (m_evaluationType == QLatin1String("2"))
        m_evaluationType = QStringLiteral("1");
    m_profile = dashed(f.at(18));
    if (f.size() >= kSection1FieldsWithTotal) {
        m_exposeTimeFromExp = text(f.at(19));
        m_octaveAnalysis = text(f.at(20));
        m_totalTime = numberOrZero(text(f.at(21)));
    } else {
        m_totalTime = numberOrZero(m_duration);
    }
    return 0;
}

int QuillonResults::parseHeaderSection2(QByteArray reply)
{
    const QList<QByteArray> f = sectionFields(reply);
    if (f.size() < kSection2Fields || f.at(0) != "2")
        return -1;
    m_arep = dashed(f.at(2));
    for (int a = 0; a < AxisCount; ++a) {
        m_axes[a].vdv = dashed(f.at(3 + a));
        m_axes[a].crestFactor = dashed(f.at(6 + a));
    }
    // Older firmware sends no a_mr of its own; a_rep stands for it.
    m_amrGlobal = f.size() >= kSection2FieldsWithAmr ? dashed(f.at(9)) : m_arep;
    return 0;
}

int QuillonResults::parseHeaderSection3(QByteArray reply)
{
    const QList<QByteArray> f = sectionFields(reply);
    if (f.size() < kSection3Fields || f.at(0) != "3")
        return -1;
    for (int a = 0; a < AxisCount; ++a) {
        AxisValues &values = m_axes[a];
        values.maximum = dashed(f.at(2 + a));
        values.minimum = dashed(f.at(5 + a));
        values.peak = dashed(f.at(8 + a));
        values.arep = dashed(f.at(14 + a));
        // An empty am falls back on the axis's a_rep.
        const QString am = text(f.at(11 + a));
        values.am = am.isEmpty() ? values.arep : am;
    }
    return 0;
}

int QuillonResults::parseHeaderSection4(QByteArray reply)
{
    const QList<QByteArray> f = sectionFields(reply);
    if (f.size() < kSection4Fields || f.at(0) != "4")
        return -1;
    for (int a = 0; a < AxisCount; ++a) {
        for (int w = 0; w < WeightingCount; ++w) {
            const int g = 2 + a * kSection4AxisBlock + w * kSection4Group;
            WeightedLevel &level = m_axes[a].weighted[w];
            level.value = text(f.at(g));
            level.maximum = text(f.at(g + 1));
            level.minimum = text(f.at(g + 2));
            setDateTime(level.maximumTime, f.at(g + 3), f.at(g + 4));
        }
    }
    return 0;
}

int QuillonResults::parseHeaderSection5(QByteArray reply)
{
    const QList<QByteArray> f = sectionFields(reply);
    if (f.size() < kSection5Fields || f.at(0) != "5")
        return -1;
    m_sensorLabel = text(f.at(2));
    m_sensorSN = text(f.at(3));
    for (int a = 0; a < AxisCount; ++a)
        m_axes[a].sensitivity = text(f.at(4 + a));
    return 0;
}

int QuillonResults::parseHeaderSection7(QByteArray reply)
{
    for (int a = 0; a < AxisCount; ++a)
        setBands(Axis(a), {});
    const QList<QByteArray> lines = reply.split('\r');
    for (const QByteArray &line : lines) {
        QByteArray bare = line;
        bare.replace(kSectionPrefix, "");
        bare.replace("\n", "");
        const QList<QByteArray> f = bare.split(',');
        // The band lines end at the first line that is not one.
        if (f.size() < kBandFields || f.at(0) != "7")
            break;
        m_numFreq = text(f.at(2));
        bool ok = false;
        const uint axis = f.at(4).toUInt(&ok);
        const uint index = ok ? axis : 0;
        if (index >= uint(AxisCount))
            continue;
        auto *band = new AmrPerOctave;
        band->setFreqIdx(text(f.at(3)));
        band->setFrequency(text(f.at(5)));
        band->setAmr(text(f.at(6)));
        m_bands[index].append(band);
    }
    // Every axis must hold the band count the lines announced.
    const int count = m_numFreq.toInt();
    for (const QList<AmrPerOctave *> &bands : m_bands) {
        if (bands.size() != count)
            return -1;
    }
    return 0;
}

// ------------------------------------------------------------ JSON

const QList<QuillonResults::TextKey> &QuillonResults::textKeys()
{
    static const QList<TextKey> keys{
        {"label", &QuillonResults::m_label},
        {"sampleTime", &QuillonResults::m_sampleTime},
        {"duration", &QuillonResults::m_duration},
        {"pauseTime", &QuillonResults::m_pauseTime},
        {"exposeTimeFromExp", &QuillonResults::m_exposeTimeFromExp},
        {"timeWeighting", &QuillonResults::m_timeWeighting},
        {"evaluationType", &QuillonResults::m_evaluationType},
        {"profile", &QuillonResults::m_profile},
        {"arep", &QuillonResults::m_arep},
        {"amrGlobal", &QuillonResults::m_amrGlobal},
        {"numFreq", &QuillonResults::m_numFreq},
        {"octaveAnalysis", &QuillonResults::m_octaveAnalysis},
        {"sensorLabel", &QuillonResults::m_sensorLabel},
        {"sensorSN", &QuillonResults::m_sensorSN},
    };
    return keys;
}

const QList<QuillonResults::AxisKey> &QuillonResults::axisKeys()
{
    static const QList<AxisKey> keys{
        {"freqWeighting", &AxisValues::freqWeighting},
        {"f", &AxisValues::factor},
        {"vdv", &AxisValues::vdv},
        {"fc", &AxisValues::crestFactor},
        {"aMax", &AxisValues::maximum},
        {"aMin", &AxisValues::minimum},
        {"ap", &AxisValues::peak},
        {"am", &AxisValues::am},
        {"arep", &AxisValues::arep},
        {"sensitivity", &AxisValues::sensitivity},
    };
    return keys;
}

const QList<QuillonResults::WeightedKey> &QuillonResults::weightedKeys()
{
    static const QList<WeightedKey> keys{
        {"a", &WeightedLevel::value},
        {"aMax", &WeightedLevel::maximum},
        {"aMin", &WeightedLevel::minimum},
    };
    return keys;
}

QString QuillonResults::axisKey(const char *prefix, int axis)
{
    return QLatin1String(prefix) + axisLetter(Axis(axis));
}

QString QuillonResults::weightedKey(const char *prefix, int axis, int weighting)
{
    return axisKey(prefix, axis) + weightingLetter(TimeWeighting(weighting));
}

QString QuillonResults::maximumTimeKey(int axis, int weighting)
{
    return weightedKey("max", axis, weighting) + QStringLiteral("Time");
}

QJsonObject QuillonResults::toJson()
{
    QJsonObject json;
    for (const TextKey &key : textKeys())
        json.insert(QLatin1String(key.key), this->*key.member);
    json.insert(QStringLiteral("startTime"), formatDeviceDateTime(m_startTime));
    json.insert(QStringLiteral("stopTime"), formatDeviceDateTime(m_stopTime));
    json.insert(QStringLiteral("durationStr"), durationStr());
    json.insert(QStringLiteral("totalTime"), MeasuredValue::toJson(m_totalTime));
    json.insert(QStringLiteral("exposureTime"), m_exposureTime);
    json.insert(QStringLiteral("bArepEvaluation"), m_bArepEvaluation);

    QJsonArray amrList;
    for (int a = 0; a < AxisCount; ++a) {
        const AxisValues &values = m_axes[a];
        for (const AxisKey &key : axisKeys())
            json.insert(axisKey(key.prefix, a), values.*key.member);
        for (int w = 0; w < WeightingCount; ++w) {
            for (const WeightedKey &key : weightedKeys())
                json.insert(weightedKey(key.prefix, a, w), values.weighted[w].*key.member);
            json.insert(maximumTimeKey(a, w), formatDeviceDateTime(values.weighted[w].maximumTime));
        }
        json.insert(axisKey("vdv", a) + QStringLiteral("expi"),
                    MeasuredValue::toJson(values.vdvExposure));
        QJsonArray bands;
        for (const AmrPerOctave *band : m_bands[a])
            bands.append(band->toJson());
        amrList.append(bands);
    }
    json.insert(QStringLiteral("amrList"), amrList);

    json.insert(QStringLiteral("workingHours"), s_workingHours);
    const char *const lower = "xyz";
    for (int a = 0; a < AxisCount; ++a) {
        json.insert(QStringLiteral("a8") + QLatin1Char(lower[a]),
                    MeasuredValue::toJson(s_daily.a8[a]));
        json.insert(axisKey("vdv", a) + QStringLiteral("exp"),
                    MeasuredValue::toJson(s_daily.vdvExposure[a]));
    }
    json.insert(QStringLiteral("vdvR"), MeasuredValue::toJson(s_daily.vdvR));
    json.insert(QStringLiteral("are"), MeasuredValue::toJson(s_daily.are));
    json.insert(QStringLiteral("aren"), MeasuredValue::toJson(s_daily.aren));
    json.insert(QStringLiteral("fc"), MeasuredValue::toJson(s_daily.fc));
    writeCommonJson(json);
    return json;
}

void QuillonResults::fromJson(const QJsonObject &json)
{
    for (const TextKey &key : textKeys())
        this->*key.member = json.value(QLatin1String(key.key)).toString();
    m_startTime = parseDeviceDateTime(json.value(QStringLiteral("startTime")).toString());
    m_stopTime = parseDeviceDateTime(json.value(QStringLiteral("stopTime")).toString());
    m_totalTime = json.value(QStringLiteral("totalTime")).toDouble();
    const QJsonArray amrList = json.value(QStringLiteral("amrList")).toArray();
    for (int a = 0; a < AxisCount; ++a) {
        AxisValues &values = m_axes[a];
        for (const AxisKey &key : axisKeys())
            values.*key.member = json.value(axisKey(key.prefix, a)).toString();
        for (int w = 0; w < WeightingCount; ++w) {
            WeightedLevel &level = values.weighted[w];
            for (const WeightedKey &key : weightedKeys())
                level.*key.member = json.value(weightedKey(key.prefix, a, w)).toString();
            level.maximumTime = parseDeviceDateTime(json.value(maximumTimeKey(a, w)).toString());
        }
        // Lists after the third are of no axis.
        QList<AmrPerOctave *> bands;
        const QJsonArray stored = amrList.at(a).toArray();
        for (const QJsonValue &value : stored) {
            auto *band = new AmrPerOctave;
            band->fromJson(value.toObject());
            bands.append(band);
        }
        setBands(Axis(a), bands);
    }
    readCommonJson(json);
}

// ------------------------------------------------------------ refreshes

int QuillonResults::refreshGeneralData(QJsonObject data)
{
    if (data.value(QStringLiteral("datatype")).toString() != QLatin1String("updateAvORArep"))
        return -1;
    m_bArepEvaluation = data.value(QStringLiteral("arep")).toBool(false);
    return 0;
}

int QuillonResults::refreshWorkingHours(QString json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return -1;
    const QString hours = document.object().value(QStringLiteral("workingHours")).toString();
    const int seconds = hoursMinutesToSeconds(hours);
    if (seconds <= 0)
        return -1;
    s_daily.are =
        QuillonExposure::rescaleAre(s_daily.are, hoursMinutesToSeconds(s_workingHours), seconds);
    s_workingHours = hours;
    return 0;
}

int QuillonResults::refreshExposureComponent(QJsonObject component)
{
    const QString time = component.value(QStringLiteral("exposureTime")).toString();
    const int seconds = hoursMinutesToSeconds(time);
    if (seconds < 0)
        return -1;
    m_exposureTime = time;
    for (AxisValues &values : m_axes)
        values.vdvExposure = QuillonExposure::scaledVdv(number(values.vdv), number(values.factor),
                                                        seconds, m_totalTime);
    return m_totalTime > 0 ? 0 : -1;
}

QuillonExposure::Component QuillonResults::exposureComponent() const
{
    QuillonExposure::Component component;
    // A run that was given no exposure time counts as 00:00.
    component.seconds = qMax(0, hoursMinutesToSeconds(m_exposureTime));
    component.acceleration = number(m_bArepEvaluation ? m_arep : m_amrGlobal);
    for (int a = 0; a < AxisCount; ++a) {
        const AxisValues &values = m_axes[a];
        component.vdvExposure[a] = values.vdvExposure;
        component.axisAcceleration[a] = number(m_bArepEvaluation ? values.arep : values.am);
        component.crestFactors[a] = number(values.crestFactor);
    }
    return component;
}

int QuillonResults::applyExposureComponents(Experiment *run)
{
    if (!run)
        return -1;
    QList<QuillonExposure::Component> components;
    for (const Experiment *each = run->first(); each; each = each->next()) {
        // A run without vibration results adds nothing to the day.
        if (const auto *results = qobject_cast<const QuillonResults *>(each->results()))
            components.append(results->exposureComponent());
    }
    s_daily = QuillonExposure::combine(components, hoursMinutesToSeconds(s_workingHours));
    return 0;
}
