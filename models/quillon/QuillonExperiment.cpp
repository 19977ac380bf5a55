#include "QuillonExperiment.h"

#include "DeviceDateTime.h"
#include "Log.h"
#include "Results.h"

#include <QJsonArray>
#include <QStringList>
#include <QTextCodec>

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
    // The run name is user text, kept by the instrument in Latin-1.
    QString text = QTextCodec::codecForName("ISO 8859-1")->toUnicode(line);
    text.remove(QLatin1Char('"'));
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < kListEntryFields)
        return -1;
    setIndex(fields.at(1).toInt());
    setSize(fields.at(2).toInt());
    setDateTime(parseDeviceDateTime(fields.at(3) + QLatin1Char(',') + fields.at(4)));
    m_expName = fields.at(5);
    // The instrument lists a hand-arm run with a blank type.
    m_type = fields.at(6) == QLatin1String(" ") ? QStringLiteral("H") : fields.at(6);
    return 0;
}

QJsonObject QuillonExperiment::toJson()
{
    QJsonArray logList;
    for (Log *log : logs())
        logList.append(log->toJson());
    return {{QStringLiteral("date"), formatDeviceDateTime(dateTime())},
            {QStringLiteral("size"), QString::number(size())},
            {QStringLiteral("deviceName"), deviceName()},
            {QStringLiteral("index"), QString::number(index())},
            {QStringLiteral("expName"), m_expName},
            {QStringLiteral("experimentType"), m_type},
            {QStringLiteral("eventIndex"), position()},
            {QStringLiteral("logList"), logList},
            {QStringLiteral("results"), results() ? results()->toJson() : QJsonObject()}};
}
