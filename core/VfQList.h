#pragma once

#include <QJsonObject>
#include <QList>
#include <QObject>

// A list of runs written as one JSON object {"expList": [each run's JSON]}.
// The list refers to the runs; it does not own them.
class VfQList : public QObject
{
    Q_OBJECT

public:
    explicit VfQList(QObject *parent = nullptr);

    QList<QObject *> list() const { return m_list; }
    void setList(const QList<QObject *> &list) { m_list = list; }
    void append(QObject *run) { m_list.append(run); }

    QJsonObject toJson() const;

private:
    QList<QObject *> m_list;
};
