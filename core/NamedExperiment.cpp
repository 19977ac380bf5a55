#include "NamedExperiment.h"

#include "DeviceDateTime.h"

#include <QTextCodec>

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
    QString text = QTextCodec::codecForName("ISO 8859-1")->toUnicode(line);
    text.remove(QLatin1Char('"'));
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < listEntryFields())
        return -1;
    setIndex(fields.at(1).toInt());
    setSize(fields.at(2).toInt());
    setDateTime(parseDeviceDateTime(fields.at(3) + QLatin1Char(',') + fields.at(4)));
    // The list fills many entries at once; the name needs no change signal.
    m_expName = fields.at(5);
    readListEntryFields(fields);
    return 0;
}

QJsonObject NamedExperiment::entryJson() const
{
    return {{QStringLiteral("date"), formatDeviceDateTime(dateTime())},
            {QStringLiteral("size"), QString::number(size())},
            {QStringLiteral("deviceName"), deviceName()},
            {QStringLiteral("expName"), m_expName},
            {QStringLiteral("index"), QString::number(index())},
            {QStringLiteral("eventIndex"), position()}};
}
