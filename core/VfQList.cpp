#include "VfQList.h"

#include "Experiment.h"

#include <QJsonArray>

VfQList::VfQList(QObject *parent)
    : QObject(parent)
{
}

QJsonObject VfQList::toJson() const
{
    QJsonArray runs;
    for (QObject *object : m_list) {
        if (auto *run = qobject_cast<Experiment *>(object))
            runs.append(run->toJson());
    }
    return {{QStringLiteral("expList"), runs}};
}
