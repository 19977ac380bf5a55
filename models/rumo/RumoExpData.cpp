#include "RumoExpData.h"

#include <QLocale>

#include <cmath>

namespace {

struct CodeText
{
    const char *code;
    const char *text;
};

const CodeText kLabels[] = {
    {"LAMP", QT_TRANSLATE_NOOP("RumoExpData", "Light source type")},
    {"TWA", QT_TRANSLATE_NOOP("RumoExpData", "TWA")},
};

const CodeText kLightSources[] = {
    {"SUN", QT_TRANSLATE_NOOP("RumoExpData", "Sun light")},
    {"INCAN", QT_TRANSLATE_NOOP("RumoExpData", "Incandescent light bulb")},
    {"FLUOR", QT_TRANSLATE_NOOP("RumoExpData", "Fluorescent")},
    {"LED", QT_TRANSLATE_NOOP("RumoExpData", "LED")},
    {"OF", QT_TRANSLATE_NOOP("RumoExpData", "Optical fiber lamp")},
    {"DISC", QT_TRANSLATE_NOOP("RumoExpData", "Discharge lamp")},
    {"HALO", QT_TRANSLATE_NOOP("RumoExpData", "Halogen lamp")},
    {"NEON", QT_TRANSLATE_NOOP("RumoExpData", "Neon lamp")},
};

template <size_t N>
const char *lookUp(const CodeText (&table)[N], const QString &code)
{
    for (const CodeText &entry : table) {
        if (code == QLatin1String(entry.code))
            return entry.text;
    }
    return QT_TRANSLATE_NOOP("RumoExpData", "Invalid");
}

} // namespace

RumoExpData::RumoExpData(QObject *parent)
    : QObject(parent)
{
}

QString RumoExpData::labelText() const
{
    return tr(lookUp(kLabels, m_label));
}

QString RumoExpData::lightSourceName() const
{
    return tr(lookUp(kLightSources, m_dataValue.toString()));
}

QVariant RumoExpData::numberValue(const QString &text)
{
    const float single = text.toFloat();
    return std::isfinite(single) ? QVariant(double(single)) : QVariant();
}

std::optional<float> RumoExpData::singleValue() const
{
    const float single = m_dataValue.toFloat();
    if (!m_dataValue.isValid() || !std::isfinite(single))
        return std::nullopt;
    return single;
}

QString RumoExpData::valueText() const
{
    if (isNumber() && singleValue())
        return QLocale().toString(m_dataValue.toDouble(), 'g', 6);
    if (isText())
        return lightSourceName();
    return QStringLiteral("---");
}

QString RumoExpData::line() const
{
    const QString head = m_unity.isEmpty()
                             ? labelText() + QStringLiteral(": ")
                             : labelText() + QStringLiteral(" [") + m_unity + QStringLiteral("]: ");
    return head + valueText();
}

QJsonObject RumoExpData::toJson() const
{
    QJsonObject json{{QStringLiteral("label"), m_label}, {QStringLiteral("type"), m_type}};
    if (isNumber()) {
        const std::optional<float> number = singleValue();
        json.insert(QStringLiteral("dataValue"),
                    number ? QJsonValue(double(*number)) : QJsonValue(QJsonValue::Null));
    } else if (isText()) {
        json.insert(QStringLiteral("dataValue"), m_dataValue.toString());
    }
    json.insert(QStringLiteral("unity"), m_unity);
    return json;
}
