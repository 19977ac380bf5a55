#include "NamedExperiment.h"

NamedExperiment::NamedExperiment(QObject *parent)
    : Experiment(parent)
{
}

NamedExperiment::NamedExperiment(TextEncoding encoding, QObject *parent)
    : Experiment(parent)
    , m_encoding(encoding)
{
}

void NamedExperiment::setExp_Name(const QString &name)
{
    if (m_expName == name)
        return;
    m_expName = name;
    emit experimentNameChanged();
}

void NamedExperiment::copyHeader(const Experiment *entry)
{
    Experiment::copyHeader(entry);
    if (const auto *named = qobject_cast<const NamedExperiment *>(entry))
        m_expName = named->m_expName;
}

int NamedExperiment::parseListEntry(QByteArray line)
{
    QStringList fields;
    if (readListEntry(line, qMax(6, listEntryFields()), &fields, m_encoding) != 0)
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

QJsonObject NamedExperiment::toJson()
{
    QJsonObject json = commonJson();
    json.insert(QStringLiteral("expName"), m_expName);
    return json;
}

void NamedExperiment::readRunJson(const QJsonObject &run)
{
    readCommonJson(run);
    m_expName = run.value(QStringLiteral("expName")).toString();
}
