#include "Dravo2Experiment.h"

#include <QStringList>

namespace {

const int kListEntryFields = 6;

} // namespace

Dravo2Experiment::Dravo2Experiment(QObject *parent)
    : Experiment(parent)
{
}

void Dravo2Experiment::setExp_Name(const QString &name)
{
    if (m_expName == name)
        return;
    m_expName = name;
    emit experimentNameChanged();
}

int Dravo2Experiment::parseListEntry(QByteArray line)
{
    QStringList fields;
    if (readListEntry(line, kListEntryFields, &fields) != 0)
        return -1;
    // The list fills many entries at once; the name needs no change signal.
    m_expName = fields.at(5);
    return 0;
}

QJsonObject Dravo2Experiment::toJson()
{
    QJsonObject json = commonJson();
    json.insert(QStringLiteral("expName"), m_expName);
    return json;
}
