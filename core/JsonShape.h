#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QStringList>

#include <initializer_list>
#include <vector>

// Objects of one set of keys made many times over (the fields of every
// sample of a run): the keys are laid out once, and each object is a copy of
// that layout with its values put in, several times faster than an object
// whose keys are inserted one by one.
class JsonShape
{
public:
    explicit JsonShape(const QStringList &keys);

    // The object with `values` for the keys, in the order the keys were
    // given; the same as QJsonObject's own {{key, value}, ...}.
    QJsonObject object(std::initializer_list<QJsonValue> values) const;

private:
    QStringList m_keys;
    QJsonObject m_layout;
    // For each key given, its place among the layout's keys.
    std::vector<int> m_places;
};
