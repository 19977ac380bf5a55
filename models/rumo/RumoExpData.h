#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>
#include <QVariant>

#include <optional>

// One labelled item of a logger run's configuration or evaluation results: a
// label code ("LAMP", "TWA"), a value type ("f" a number, "s" a text code), the
// value and its unit. An item of any other type has no value (an invalid
// QVariant), shown as "---"; so has a number item whose value is beyond single
// precision, which the instrument cannot have measured.
class RumoExpData : public QObject
{
    Q_OBJECT

public:
    explicit RumoExpData(QObject *parent = nullptr);

    QString label() const { return m_label; }
    void setLabel(const QString &label) { m_label = label; }
    QString type() const { return m_type; }
    void setType(const QString &type) { m_type = type; }
    QVariant dataValue() const { return m_dataValue; }
    void setDataValue(const QVariant &value) { m_dataValue = value; }
    QString unity() const { return m_unity; }
    void setUnity(const QString &unity) { m_unity = unity; }

    bool isNumber() const { return m_type == QLatin1String("f"); }
    bool isText() const { return m_type == QLatin1String("s"); }

    // A number text as the instrument sends it, read in single precision and
    // widened to double: no value (an invalid QVariant) when it is beyond
    // single precision; 0 when it is no number.
    static QVariant numberValue(const QString &text);

    // The translated label; "Invalid" for a label the table lacks.
    QString labelText() const;
    // The translated light source the value names; "Invalid" for an unknown
    // code.
    QString lightSourceName() const;
    // The value as shown: a number in the default locale ('g', 6 digits), a
    // text item's light source, "---" for a number item without a value and
    // an item of another type.
    QString valueText() const;
    // The label, then ": " or " [unit]: ", then the value text.
    QString line() const;

    // {"label", "type", "dataValue", "unity"}; "dataValue" is a number (held
    // in single precision) for "f", or null when it has none; a string for
    // "s"; absent otherwise.
    QJsonObject toJson() const;

private:
    // A number item's value in single precision; none without a value.
    std::optional<float> singleValue() const;

    QString m_label;
    QString m_type;
    QVariant m_dataValue;
    QString m_unity;
};
