#include "RumoResults.h"

#include "DeviceDateTime.h"
#include "PhysicalQuantityDescriptor.h"
#include "RumoExpData.h"

#include <QJsonArray>
#include <QTextCodec>

namespace {

using Fields = QList<QByteArray>;

QString utf8(const QByteArray &field)
{
    const int nul = field.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? field : field.left(nul));
}

// ISO 8859-1 maps every byte to the code point of the same value.
QString latin1(const QByteArray &field)
{
    return QString::fromLatin1(field);
}

QDateTime dateTime(const QByteArray &date, const QByteArray &time)
{
    return parseDeviceDateTime(latin1(date) + QLatin1Char(',') + latin1(time));
}

// The fields of a single-line page, or none when it is not page `page` or
// holds fewer than `count` fields.
Fields singleLineFields(QByteArray reply, const char *page, int count)
{
    reply.replace("+VFXPHDR: ", "");
    reply.replace("\n", "");
    reply.replace("\"", "");
    const Fields fields = reply.split(',');
    if (fields.size() < count || fields.at(0) != page)
        return {};
    return fields;
}

// The fields of each line of a multi-line page, up to the first line that is
// not of page `page` or holds fewer than `count` fields: the rest of the page
// is ignored.
QList<Fields> multiLineFields(QByteArray reply, const char *page, int count)
{
    reply.replace("\"", "");
    QList<Fields> lines;
    const QList<QByteArray> texts = reply.split('\r');
    for (QByteArray text : texts) {
        text.replace("+VFXPHDR: ", "");
        text.replace("\n", "");
        Fields fields = text.split(',');
        if (fields.size() < count || fields.at(0) != page)
            break;
        lines.append(fields);
    }
    return lines;
}

// True when `lines` were taken from page `page`, or the page says it has
// none: a page of lines of which not one could be read is unreadable.
bool linesRead(const QList<Fields> &lines, const QByteArray &reply, int page)
{
    return !lines.isEmpty() || Results::isEmptyHeaderPage(reply, page);
}

// The count of entries that the page announces: field 2 of its last line
// taken, 0 when no line was taken.
int announcedCount(const QList<Fields> &lines)
{
    return lines.isEmpty() ? 0 : lines.last().at(2).toInt();
}

// The items of page 6 or 7; a line without a label is left out.
QList<RumoExpData *> items(const QList<Fields> &lines)
{
    QList<RumoExpData *> list;
    for (const Fields &f : lines) {
        if (f.at(4).isEmpty())
            continue;
        auto *item = new RumoExpData;
        item->setLabel(latin1(f.at(4)));
        item->setType(latin1(f.at(5)));
        // An item of another type has no value, never a neighbour's.
        if (item->isText())
            item->setDataValue(latin1(f.at(6)));
        else if (item->isNumber())
            item->setDataValue(RumoExpData::numberValue(latin1(f.at(6))));
        item->setUnity(latin1(f.at(7)));
        list.append(item);
    }
    return list;
}

template <typename T>
void replaceOwned(QList<T *> &held, const QList<T *> &list)
{
    if (held == list)
        return;
    for (T *object : qAsConst(held)) {
        if (!list.contains(object))
            delete object;
    }
    held = list;
}

template <typename T>
QJsonArray objectArray(const QList<T *> &objects)
{
    QJsonArray array;
    for (const T *object : objects)
        array.append(object->toJson());
    return array;
}

QStringList textList(const QJsonValue &value)
{
    QStringList texts;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &element : array)
        texts.append(element.toString());
    return texts;
}

QList<RumoExpData *> itemsFromJson(const QJsonValue &value)
{
    QList<RumoExpData *> items;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &element : array) {
        const QJsonObject object = element.toObject();
        auto *item = new RumoExpData;
        item->setLabel(object.value(QStringLiteral("label")).toString());
        item->setType(object.value(QStringLiteral("type")).toString());
        const QJsonValue data = object.value(QStringLiteral("dataValue"));
        // A number item saved without a number (null) has no value.
        if (item->isNumber() && data.isDouble())
            item->setDataValue(data.toDouble());
        else if (item->isText())
            item->setDataValue(data.toString());
        item->setUnity(object.value(QStringLiteral("unity")).toString());
        items.append(item);
    }
    return items;
}

struct SensorName
{
    const char *type;
    const char *subType; // null: any sub-type
    const char *text;
};

// A "GAS" sensor is named by its gas; a gas the table lacks names nothing.
const SensorName kSensorNames[] = {
    {"LUX", nullptr, QT_TRANSLATE_NOOP("RumoResults", "LUX")},
    {"LUX_UV", nullptr, QT_TRANSLATE_NOOP("RumoResults", "LUX_UV")},
    {"UV", nullptr, QT_TRANSLATE_NOOP("RumoResults", "UV")},
    {"AMB", nullptr, QT_TRANSLATE_NOOP("RumoResults", "AMB")},
    {"HVAC", nullptr, QT_TRANSLATE_NOOP("RumoResults", "HVAC")},
    {"HVAC_AMB", nullptr, QT_TRANSLATE_NOOP("RumoResults", "HVAC_AMB")},
    {"CO2", nullptr, QT_TRANSLATE_NOOP("RumoResults", "CO2")},
    {"GAS", "CO", QT_TRANSLATE_NOOP("RumoResults", "CO")},
    {"GAS", "C2H6O", QT_TRANSLATE_NOOP("RumoResults", "C2H6O")},
    {"GAS", "H2S", QT_TRANSLATE_NOOP("RumoResults", "H2S")},
    {"GAS", "SO2", QT_TRANSLATE_NOOP("RumoResults", "SO2")},
    {"GAS", "NO2", QT_TRANSLATE_NOOP("RumoResults", "NO2")},
    {"GAS", "O3", QT_TRANSLATE_NOOP("RumoResults", "O3")},
    {"GAS", "VOC", QT_TRANSLATE_NOOP("RumoResults", "VOC")},
    {"MAG", nullptr, QT_TRANSLATE_NOOP("RumoResults", "MAG")},
    {"EMF", nullptr, QT_TRANSLATE_NOOP("RumoResults", "EMF")},
    {"RAD", nullptr, QT_TRANSLATE_NOOP("RumoResults", "RAD")},
    {"VOC", nullptr, QT_TRANSLATE_NOOP("RumoResults", "VOC")},
};

} // namespace

RumoResults::RumoResults()
    : Results(nullptr)
{
}

RumoResults::~RumoResults()
{
    qDeleteAll(m_quantities);
    qDeleteAll(m_configList);
    qDeleteAll(m_evaluationList);
}

void RumoResults::setQuantitiesInfoList(const QList<PhysicalQuantityDescriptor *> &list)
{
    replaceOwned(m_quantities, list);
}

void RumoResults::setConfigList(const QList<RumoExpData *> &list)
{
    replaceOwned(m_configList, list);
}

void RumoResults::setEvaluationResultsList(const QList<RumoExpData *> &list)
{
    replaceOwned(m_evaluationList, list);
}

const PhysicalQuantityDescriptor *RumoResults::quantity(int index) const
{
    return index >= 0 && index < m_quantities.size() ? m_quantities.at(index) : nullptr;
}

QString RumoResults::sensorTypeName() const
{
    for (const SensorName &entry : kSensorNames) {
        if (m_sensorType != QLatin1String(entry.type))
            continue;
        if (entry.subType && m_sensorSubType != QLatin1String(entry.subType))
            continue;
        return tr(entry.text);
    }
    return QString();
}

int RumoResults::parseHeaderPart1(QByteArray reply)
{
    const Fields f = singleLineFields(reply, "1", 12);
    if (f.isEmpty())
        return -1;
    m_label = latin1(f.at(2));
    m_duration = durationToString(utf8(f.at(3)));
    m_startTime = dateTime(f.at(4), f.at(5));
    m_stopTime = dateTime(f.at(6), f.at(7));
    m_pauseTime = durationToString(utf8(f.at(8)));
    m_sampleTime = f.at(9).toInt();
    m_sensorType = utf8(f.at(10));
    m_sensorSubType = utf8(f.at(11));
    return 0;
}

int RumoResults::parseHeaderPart2(QByteArray reply)
{
    const Fields f = singleLineFields(reply, "2", 6);
    if (f.isEmpty())
        return -1;
    m_sensorSN = utf8(f.at(2));
    m_sensorCertificate = utf8(f.at(3));
    m_sensorCalibrationDate = dateTime(f.at(4), f.at(5));
    return 0;
}

int RumoResults::parseHeaderPart3(QByteArray reply)
{
    const QList<Fields> lines = multiLineFields(reply, "3", 5);
    m_averageList.clear();
    for (const Fields &f : lines)
        m_averageList.append(utf8(f.at(4)));
    return linesRead(lines, reply, 3) && m_averageList.size() == announcedCount(lines) ? 0 : -1;
}

int RumoResults::parseHeaderPart4(QByteArray reply)
{
    const QList<Fields> lines = multiLineFields(reply, "4", 6);
    m_maxList.clear();
    m_minList.clear();
    for (const Fields &f : lines) {
        m_maxList.append(utf8(f.at(4)));
        m_minList.append(utf8(f.at(5)));
    }
    return linesRead(lines, reply, 4) && m_maxList.size() == announcedCount(lines) ? 0 : -1;
}

int RumoResults::parseHeaderPart5(QByteArray reply)
{
    const QList<Fields> lines = multiLineFields(reply, "5", 6);
    QList<PhysicalQuantityDescriptor *> quantities;
    for (const Fields &f : lines) {
        auto *quantity = new PhysicalQuantityDescriptor;
        quantity->setName(latin1(f.at(4)));
        quantity->setUnity(latin1(f.at(5)));
        quantities.append(quantity);
    }
    setQuantitiesInfoList(quantities);
    return linesRead(lines, reply, 5) && m_quantities.size() == announcedCount(lines) ? 0 : -1;
}

int RumoResults::parseHeaderPart6(QByteArray reply)
{
    const QList<Fields> lines = multiLineFields(reply, "6", 8);
    setConfigList(items(lines));
    return linesRead(lines, reply, 6) ? 0 : -1;
}

int RumoResults::parseHeaderPart7(QByteArray reply)
{
    const QList<Fields> lines = multiLineFields(reply, "7", 8);
    setEvaluationResultsList(items(lines));
    return linesRead(lines, reply, 7) ? 0 : -1;
}

QJsonObject RumoResults::toJson()
{
    QJsonObject json{
        {QStringLiteral("label"), m_label},
        {QStringLiteral("duration"), m_duration},
        {QStringLiteral("startTime"), formatDeviceDateTime(m_startTime)},
        {QStringLiteral("stopTime"), formatDeviceDateTime(m_stopTime)},
        {QStringLiteral("pauseTime"), m_pauseTime},
        {QStringLiteral("sampleTime"), m_sampleTime},
        {QStringLiteral("sensorType"), m_sensorType},
        {QStringLiteral("sensorSubType"), m_sensorSubType},
        {QStringLiteral("experimentType"), sensorTypeName()},
        {QStringLiteral("sensorSN"), m_sensorSN},
        {QStringLiteral("sensorCertificate"), m_sensorCertificate},
        {QStringLiteral("sensorCalibrationDate"), formatDeviceDateTime(m_sensorCalibrationDate)},
        {QStringLiteral("averageList"), QJsonArray::fromStringList(m_averageList)},
        {QStringLiteral("maxList"), QJsonArray::fromStringList(m_maxList)},
        {QStringLiteral("minList"), QJsonArray::fromStringList(m_minList)},
        {QStringLiteral("quantitiesInfoList"), objectArray(m_quantities)},
        {QStringLiteral("configList"), objectArray(m_configList)},
        {QStringLiteral("evaluationResultsList"), objectArray(m_evaluationList)},
    };
    writeCommonJson(json);
    return json;
}

void RumoResults::fromJson(const QJsonObject &json)
{
    readCommonJson(json);
    const auto text = [&json](const char *key) {
        return json.value(QLatin1String(key)).toString();
    };
    const auto date = [&text](const char *key) { return parseDeviceDateTime(text(key)); };
    m_label = text("label");
    m_duration = text("duration");
    m_startTime = date("startTime");
    m_stopTime = date("stopTime");
    m_pauseTime = text("pauseTime");
    // A whole JSON number; a text or a fraction reads as 0.
    m_sampleTime = json.value(QStringLiteral("sampleTime")).toInt();
    m_sensorSubType = text("sensorSubType");
    m_sensorType = text("sensorType");
    m_sensorSN = text("sensorSN");
    m_sensorCertificate = text("sensorCertificate");
    m_sensorCalibrationDate = date("sensorCalibrationDate");
    m_averageList = textList(json.value(QStringLiteral("averageList")));
    m_maxList = textList(json.value(QStringLiteral("maxList")));
    m_minList = textList(json.value(QStringLiteral("minList")));

    QList<PhysicalQuantityDescriptor *> quantities;
    const QJsonArray quantityArray = json.value(QStringLiteral("quantitiesInfoList")).toArray();
    for (const QJsonValue &element : quantityArray) {
        const QJsonObject object = element.toObject();
        auto *quantity = new PhysicalQuantityDescriptor;
        quantity->setName(object.value(QStringLiteral("name")).toString());
        quantity->setUnity(object.value(QStringLiteral("unity")).toString());
        quantities.append(quantity);
    }
    setQuantitiesInfoList(quantities);
    setConfigList(itemsFromJson(json.value(QStringLiteral("configList"))));
    setEvaluationResultsList(itemsFromJson(json.value(QStringLiteral("evaluationResultsList"))));
}
