#include "Kestrum4Experiment.h"

namespace {

constexpr int kListEntryFields = 6;

} // namespace

Kestrum4Experiment::Kestrum4Experiment(QObject *parent)
    : Experiment(parent)
{
}

void Kestrum4Experiment::copyHeader(const Experiment *entry)
{
    Experiment::copyHeader(entry);
    if (const auto *named = qobject_cast<const Kestrum4Experiment *>(entry))
        m_expName = named->m_expName;
}

QJsonObject Kestrum4Experiment::toJson()
{
    QJsonObject json = commonJson();
    json.insert(QStringLiteral("expName"), m_expName);
    return json;
}

int Kestrum4Experiment::parseListEntry(QByteArray line)
{
    QStringList fields;
    if (readListEntry(line, kListEntryFields, &fields) != 0)
        return -1;
    m_expName = fields.at(5);
    return 0;
}
