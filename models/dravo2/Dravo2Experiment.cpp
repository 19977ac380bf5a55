#include "Dravo2Experiment.h"

#include "DeviceDateTime.h"
#include "Results.h"

#include <QJsonArray>
#include <QStringList>
#include <QTextCodec>

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
    QString text = QTextCodec::codecForName("ISO 8859-1")->toUnicode(line);
    text.remove(QLatin1Char('"'));
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < kListEntryFields)
        return -1;
    setIndex(fields.at(1).toInt());
    setSize(fields.at(2).toInt());
    setDateTime(parseDeviceDateTime(fields.at(3) + QLatin1Char(',') + fields.at(4)));
    // The list fills many entries at once; the name needs no change signal.
    m_expName = fields.at(5);
    return 0;
}

QJsonObject Dravo2Experiment::toJson()
{
    return {{QStringLiteral("date"), formatDeviceDateTime(dateTime())},
            {QStringLiteral("size"), QString::number(size())},
            {QStringLiteral("deviceName"), deviceName()},
            {QStringLiteral("expName"), m_expName},
            {QStringLiteral("index"), QString::number(index())},
            {QStringLiteral("eventIndex"), position()},
            {QStringLiteral("logList"), logListJson()},
            {QStringLiteral("results"), results() ? results()->toJson() : QJsonObject()}};
}
