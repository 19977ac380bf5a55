#include "QuillonExperiment.h"

#include <QStringList>

namespace {

const int kListEntryFields = 7;

} // namespace

QuillonExperiment::QuillonExperiment(QObject *parent)
    : Experiment(parent)
{
}

void QuillonExperiment::copyHeader(const Experiment *entry)
{
    Experiment::copyHeader(entry);
    if (const auto *listed = qobject_cast<const QuillonExperiment *>(entry)) {
        m_expName = listed->m_expName;
        m_type = listed->m_type;
    }
}

int QuillonExperiment::parseListEntry(QByteArray line)
{
    QStringList fields;
    if (readListEntry(line, kListEntryFields, &fields) != 0)
        return -1;
    m_expName = fields.at(5);
    // The instrument lists a hand-arm run with a blank type.
    m_type = fields.at(6) == QLatin1String(" ") ? QStringLiteral("H") : fields.at(6);
    return 0;
}

QJsonObject QuillonExperiment::toJson()
{
    QJsonObject json = commonJson();
    json.insert(QStringLiteral("expName"), m_expName);
    json.insert(QStringLiteral("experimentType"), m_type);
    return json;
}
