#include "KestrumFields.h"

#include "DeviceDateTime.h"
#include "MeasuredValue.h"
#include "Results.h"

namespace {

bool isNotAvailable(const QString &text)
{
    return text.isEmpty() || text == KestrumFields::notAvailable();
}

} // namespace

QList<QByteArray> KestrumFields::headerPage(QByteArray reply, int page, int minimum)
{
    reply.replace("+VFXPHDR: ", "");
    reply.replace("\n", "");
    reply.replace("\"", "");
    const QList<QByteArray> fields = reply.split(',');
    if (fields.size() < minimum || fields.at(0) != QByteArray::number(page))
        return {};
    return fields;
}

double KestrumFields::number(const QByteArray &field)
{
    return MeasuredValue::fromText(text(field));
}

int KestrumFields::seconds(const QByteArray &field)
{
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    return ok && value >= 0 ? value : -1;
}

QString KestrumFields::duration(const QByteArray &field)
{
    const int count = seconds(field);
    return count < 0 ? notAvailable() : Results::durationToString(QString::number(count));
}

QString KestrumFields::text(const QByteArray &field)
{
    const int nul = field.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? field : field.left(nul));
}

QDateTime KestrumFields::dateTime(const QByteArray &date, const QByteArray &time)
{
    return parseDeviceDateTime(text(date) + QLatin1Char(',') + text(time));
}

QString KestrumFields::unity(const QByteArray &field)
{
    const QString unit = text(field);
    return isNotAvailable(unit) ? notAvailable() : QString(QChar(0x00B0)) + unit;
}
