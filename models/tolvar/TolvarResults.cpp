#include "TolvarResults.h"

#include "DeviceDateTime.h"
#include "MeasuredValue.h"

#include <QJsonArray>
#include <QTextCodec>

#include <cmath>

namespace {

const int kPage1Fields = 20;

// The fields of header page 1. A model whose page holds fields of its own
// after the volume has its times that many places later.
enum Page1Field
{
    PageNumber = 0,
    Label = 2,
    SamplerType = 3,
    SampleTime = 4,
    TimeSet = 5,
    Pause = 6,
    Backpressure = 7,
    FlowSet = 8,
    PreCheckFlow = 9,
    PosCheckFlow = 10,
    Volume = 11,
    FirstTime = 12
};

} // namespace

TolvarResults::TolvarResults()
    : m_backpressure(MeasuredValue::empty())
    , m_flowSet(MeasuredValue::empty())
    , m_flowVolume(MeasuredValue::empty())
    , m_flowAvg(MeasuredValue::empty())
    , m_flowMin(MeasuredValue::empty())
    , m_flowMax(MeasuredValue::empty())
    , m_backpressureAvg(MeasuredValue::empty())
    , m_backpressureMin(MeasuredValue::empty())
    , m_backpressureMax(MeasuredValue::empty())
{
}

qint64 TolvarResults::runSeconds(const QString &sampleTime, const QDateTime &start,
                                 const QDateTime &stop)
{
    qint64 seconds = sampleTime.toLongLong();
    // A missing time has no place on the time line: it adds nothing.
    if (start.isValid() && stop.isValid())
        seconds += start.secsTo(stop);
    return qMax<qint64>(0, seconds);
}

bool TolvarResults::flowBeyondLimits(double flow) const
{
    if (!std::isfinite(flow) || !std::isfinite(m_flowSet))
        return false;
    // Flows and set-points come with two decimals: a flow that rounds onto
    // a limit is on it, whatever the binary fractions make of the product.
    const double slack = 1e-9 * qMax(1.0, std::abs(m_flowSet));
    return flow > flowUpperLimit() + slack || flow < flowLowerLimit() - slack;
}

int TolvarResults::parseHeader(QByteArray reply)
{
    // The label and sampler type are user text, kept by the pump in Latin-1.
    QString text = QTextCodec::codecForName("ISO 8859-1")->toUnicode(reply);
    text.remove(QStringLiteral("+VFXPHDR: "));
    text.remove(QLatin1Char('\n'));
    text.remove(QLatin1Char('"'));
    const QStringList fields = text.split(QLatin1Char(','));
    const int shift = modelHeaderFields();
    if (fields.size() < kPage1Fields + shift || fields.at(PageNumber) != QLatin1String("1"))
        return -1;

    m_label = fields.at(Label);
    m_samplerTypeLabel = fields.at(SamplerType);
    m_sampleTime = fields.at(SampleTime);
    m_timeSet = durationToString(fields.at(TimeSet));
    m_pause = fields.at(Pause);
    m_backpressure = MeasuredValue::fromText(fields.at(Backpressure));
    m_flowSet = MeasuredValue::fromText(fields.at(FlowSet));
    m_flowPreCheck = fields.at(PreCheckFlow);
    m_flowPosCheck = fields.at(PosCheckFlow);
    m_flowVolume = MeasuredValue::fromText(fields.at(Volume));
    readModelHeaderFields(fields);

    QDateTime *const times[] = {&m_startTime, &m_stopTime, &m_preCheckTime, &m_posCheckTime};
    int field = FirstTime + shift;
    for (QDateTime *time : times) {
        const QString &date = fields.at(field);
        // An empty date leaves the time as it was.
        if (!date.isEmpty())
            *time = parseDeviceDateTime(date + QLatin1Char(',') + fields.at(field + 1));
        field += 2;
    }
    m_duration = QString::number(runSeconds(m_sampleTime, m_startTime, m_stopTime));
    return 0;
}

QString TolvarResults::durationStr() const
{
    return durationToString(m_duration);
}

QString TolvarResults::pauseStr() const
{
    return durationToString(m_pause);
}

QJsonObject TolvarResults::toJson()
{
    QJsonObject json{
        {QStringLiteral("label"), m_label},
        {QStringLiteral("sampleTime"), m_sampleTime},
        {QStringLiteral("samplerTypeLabel"), m_samplerTypeLabel},
        {QStringLiteral("backpressure"), MeasuredValue::toJson(m_backpressure)},
        {QStringLiteral("timeSet"), m_timeSet},
        {QStringLiteral("flowSet"), MeasuredValue::toJson(m_flowSet)},
        {QStringLiteral("flowPosCheck"), m_flowPosCheck},
        {QStringLiteral("posCheckTime"), formatDeviceDateTime(m_posCheckTime)},
        {QStringLiteral("flowPreCheck"), m_flowPreCheck},
        {QStringLiteral("preCheckTime"), formatDeviceDateTime(m_preCheckTime)},
        {QStringLiteral("flowVolume"), MeasuredValue::toJson(m_flowVolume)},
        {QStringLiteral("flowMax"), MeasuredValue::toJson(m_flowMax)},
        {QStringLiteral("flowMin"), MeasuredValue::toJson(m_flowMin)},
        {QStringLiteral("flowAvg"), MeasuredValue::toJson(m_flowAvg)},
        {QStringLiteral("backpressureMax"), MeasuredValue::toJson(m_backpressureMax)},
        {QStringLiteral("backpressureMin"), MeasuredValue::toJson(m_backpressureMin)},
        {QStringLiteral("backpressureAvg"), MeasuredValue::toJson(m_backpressureAvg)},
        {QStringLiteral("duration"), m_duration},
        {QStringLiteral("pause"), m_pause},
        {QStringLiteral("durationStr"), durationStr()},
        {QStringLiteral("pauseStr"), pauseStr()},
        {QStringLiteral("startTime"), formatDeviceDateTime(m_startTime)},
        {QStringLiteral("stopTime"), formatDeviceDateTime(m_stopTime)},
        {QStringLiteral("leqList"), QJsonArray()},
    };
    writeModelJson(json);
    writeCommonJson(json);
    return json;
}

void TolvarResults::fromJson(const QJsonObject &json)
{
    auto number = [&json](const char *key) {
        return MeasuredValue::fromJson(json.value(QLatin1String(key)));
    };
    auto text = [&json](const char *key) { return json.value(QLatin1String(key)).toString(); };
    m_flowSet = number("flowSet");
    m_timeSet = text("timeSet");
    m_backpressure = number("backpressure");
    m_samplerTypeLabel = text("samplerTypeLabel");
    m_flowVolume = number("flowVolume");
    readModelJson(json);
    m_flowPreCheck = text("flowPreCheck");
    m_flowPosCheck = text("flowPosCheck");
    m_flowMax = number("flowMax");
    m_flowMin = number("flowMin");
    m_flowAvg = number("flowAvg");
    m_backpressureMax = number("backpressureMax");
    m_backpressureMin = number("backpressureMin");
    m_backpressureAvg = number("backpressureAvg");
    readCommonJson(json);
    m_label = text("label");
    m_sampleTime = text("sampleTime");
    m_duration = text("duration");
    m_startTime = parseDeviceDateTime(text("startTime"));
    m_stopTime = parseDeviceDateTime(text("stopTime"));
    m_preCheckTime = parseDeviceDateTime(text("preCheckTime"));
    m_posCheckTime = parseDeviceDateTime(text("posCheckTime"));
    // The pause is saved as "pause"; files of older versions hold "pauseTime".
    const QJsonValue pause = json.value(QStringLiteral("pause"));
    m_pause = pause.isString() ? pause.toString() : text("pauseTime");
}
