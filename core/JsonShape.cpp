#include "JsonShape.h"

JsonShape::JsonShape(const QStringList &keys)
    : m_keys(keys)
{
    for (const QString &key : keys)
        m_layout.insert(key, QJsonValue::Null);
    const QStringList laidOut = m_layout.keys();
    for (const QString &key : keys)
        m_places.push_back(int(laidOut.indexOf(key)));
}

QJsonObject JsonShape::object(std::initializer_list<QJsonValue> values) const
{
    std::vector<const QJsonValue *> inPlace(size_t(m_layout.size()), nullptr);
    bool plain = int(values.size()) == m_keys.size() && m_layout.size() == m_keys.size();
    auto value = values.begin();
    for (size_t k = 0; plain && k < m_places.size(); ++k, ++value) {
        // An undefined value leaves its key out, as an insert does.
        plain = !value->isUndefined();
        inPlace[size_t(m_places[k])] = value;
    }
    if (!plain) {
        QJsonObject object;
        value = values.begin();
        for (int k = 0; k < m_keys.size() && value != values.end(); ++k, ++value)
            object.insert(m_keys.at(k), *value);
        return object;
    }
    QJsonObject object = m_layout;
    auto slot = object.begin();
    for (const QJsonValue *placed : inPlace) {
        slot.value() = *placed;
        ++slot;
    }
    return object;
}
