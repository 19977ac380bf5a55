#include "NamedExperiment.h"

NamedExperiment::NamedExperiment(QObject *parent)
    : Experiment(parent)
{
}

void NamedExperiment::setExp_Name(const QString &name)
{
    if (m_expName == name)
        return;
    m_expName = name;
    emit experimentNameChanged();
}

int NamedExperiment::parseListEntry(QByteArray line)
{
    // The run name is user text, kept by the instrument in Latin-1.
    QStringList fields;
    if (readListEntry(line, qMax(6, listEntryFields()), &fields) != 0)
        return -1;
    // The list fills many entries at once; the name needs no change signal.
    m_expName = fields.at(5);
    readListEntryFields(fields);
    return 0;
}

QJsonObject NamedExperiment::entryJson() const
{
    QJsonObject json = Experiment::entryJson();
    json.insert(QStringLiteral("expName"), m_expName);
    return json;
}
