#include "Results.h"

#include <QList>

Results::Results(QObject *parent)
    : QObject(parent)
{
}

int Results::parseCommonHeader(QByteArray &reply)
{
    reply.replace("+VFXPHDR: ", "");
    reply.replace("\n", "");
    reply.replace("\"", "");
    const QList<QByteArray> fields = reply.split(',');
    if (fields.size() < 7 || fields.at(0) != "8")
        return -1;
    m_vbatStart = fields.at(2).toInt();
    m_vbatStop = fields.at(3).toInt();
    m_coulombCounterStart = fields.at(4).toInt();
    m_coulombCounterStop = fields.at(5).toInt();
    const QByteArray &reason = fields.at(6);
    const int nul = reason.indexOf('\0');
    m_stopReason = QString::fromUtf8(nul < 0 ? reason : reason.left(nul));
    return 0;
}

bool Results::isEmptyHeaderPage(const QByteArray &page, int number)
{
    QByteArray text = page;
    text.replace("+VFXPHDR: ", "");
    if (text.trimmed().isEmpty())
        return true;
    const QList<QByteArray> lines = text.split('\r');
    for (QByteArray line : lines) {
        line.replace("\n", "");
        line.replace("\"", "");
        const QList<QByteArray> fields = line.split(',');
        if (fields.size() < 3 || fields.at(0) != QByteArray::number(number))
            continue;
        bool isNumber = false;
        const int count = fields.at(2).toInt(&isNumber);
        if (!isNumber || count <= 0)
            return true;
    }
    return false;
}

void Results::writeCommonJson(QJsonObject &json) const
{
    json.insert(QStringLiteral("vbatStart"), m_vbatStart);
    json.insert(QStringLiteral("vbatStop"), m_vbatStop);
    json.insert(QStringLiteral("coulombCounterStart"), m_coulombCounterStart);
    json.insert(QStringLiteral("coulombCounterStop"), m_coulombCounterStop);
    json.insert(QStringLiteral("stopReason"), m_stopReason);
}

void Results::readCommonJson(const QJsonObject &json)
{
    m_vbatStart = json.value(QStringLiteral("vbatStart")).toInt();
    m_vbatStop = json.value(QStringLiteral("vbatStop")).toInt();
    m_coulombCounterStart = json.value(QStringLiteral("coulombCounterStart")).toInt();
    m_coulombCounterStop = json.value(QStringLiteral("coulombCounterStop")).toInt();
    m_stopReason = json.value(QStringLiteral("stopReason")).toString();
}

QString Results::durationToString(const QString &seconds)
{
    const qlonglong n = seconds.toLongLong();
    const qlonglong hours = n / 3600;
    const qlonglong minutes = (n - hours * 3600) / 60;
    const qlonglong secs = n - hours * 3600 - minutes * 60;
    const QLatin1Char zero('0');
    return QStringLiteral("%1:%2:%3")
        .arg(hours, 2, 10, zero)
        .arg(minutes, 2, 10, zero)
        .arg(secs, 2, 10, zero);
}

QString Results::durationOrAbsent(const QString &seconds)
{
    bool ok = false;
    seconds.toLongLong(&ok);
    return ok ? durationToString(seconds) : QStringLiteral("---");
}

QJsonObject Results::toJson()
{
    return QJsonObject();
}

int Results::refreshWorkingHours(QString json)
{
    Q_UNUSED(json)
    return -1;
}

int Results::refreshExposureComponent(QJsonObject component)
{
    Q_UNUSED(component)
    return -1;
}

int Results::refreshGeneralData(QJsonObject data)
{
    Q_UNUSED(data)
    return -1;
}

int Results::applyExposureComponents(Experiment *chainHead)
{
    Q_UNUSED(chainHead)
    return -1;
}
