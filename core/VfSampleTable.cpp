#include "VfSampleTable.h"

#include "DeviceDateTime.h"
#include "VfReportChart.h"
#include "VfReportText.h"
#include "VfSamples.h"

#include <QDateTime>
#include <QJsonValue>
#include <QLocale>
#include <QVariantMap>

#include <algorithm>

namespace {

QString asText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    if (value.isDouble())
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    if (value.isBool())
        return value.toBool() ? QStringLiteral("true") : QStringLiteral("false");
    return QString();
}

} // namespace

VfSampleTable::VfSampleTable(VfSamples *samples, const QVariantList &columns)
    : QAbstractListModel(samples)
    , m_samples(samples)
{
    for (const QVariant &entry : columns) {
        const QVariantMap spec = entry.toMap();
        Column column;
        column.key = spec.value(QStringLiteral("key")).toString();
        column.role = spec.value(QStringLiteral("role"), column.key).toString().toUtf8();
        const QString format = spec.value(QStringLiteral("format")).toString();
        column.format = format == QLatin1String("number")     ? Format::Number
                        : format == QLatin1String("time")     ? Format::Time
                        : format == QLatin1String("dateTime") ? Format::DateTime
                                                              : Format::Text;
        column.decimals = qBound(0, spec.value(QStringLiteral("decimals"), 2).toInt(), 9);
        m_columns.append(column);
    }
}

void VfSampleTable::endRemoveAll()
{
    endRemoveRows();
    emit countChanged();
}

void VfSampleTable::endInsertAll()
{
    endInsertRows();
    emit countChanged();
}

void VfSampleTable::timesRead()
{
    const bool hasTimes = std::any_of(m_columns.cbegin(), m_columns.cend(),
                                      [](const Column &c) { return c.format == Format::Time; });
    if (hasTimes && rowCount() > 0)
        emit dataChanged(index(0), index(rowCount() - 1));
}

int VfSampleTable::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_samples->count();
}

QHash<int, QByteArray> VfSampleTable::roleNames() const
{
    QHash<int, QByteArray> roles;
    for (int i = 0; i < m_columns.size(); ++i)
        roles.insert(Qt::UserRole + i, m_columns.at(i).role);
    return roles;
}

QVariant VfSampleTable::data(const QModelIndex &index, int role) const
{
    const int column = role - Qt::UserRole;
    if (!index.isValid() || index.row() >= rowCount() || column < 0 || column >= m_columns.size())
        return QVariant();
    return cell(index.row(), m_columns.at(column));
}

QVariantMap VfSampleTable::get(int row) const
{
    QVariantMap cells;
    if (row < 0 || row >= rowCount())
        return cells;
    for (const Column &column : m_columns)
        cells.insert(QString::fromUtf8(column.role), cell(row, column));
    return cells;
}

QString VfSampleTable::cell(int row, const Column &column) const
{
    const QJsonValue value = VfSamples::valueAt(m_samples->sample(row), column.key);
    const QString text = asText(value);
    if (text.isEmpty())
        return VfReportText::absent();
    switch (column.format) {
    case Format::Number:
        return VfReportText::numberOrStored(text, column.decimals);
    case Format::Time:
    case Format::DateTime: {
        QDate date;
        QTime time;
        if (!readDeviceWallClock(text, &date, &time))
            return text;
        if (column.format == Format::DateTime)
            return QLocale().toString(QDateTime(date, time), QLocale::ShortFormat);
        // The day too when the run's times fall on several, as on its axes.
        // As a wall-clock reading: no zone to move it.
        return QDateTime(date, time, Qt::UTC)
            .toString(VfReportChart::timeFormat(m_samples->spansSeveralDays(column.key)));
    }
    case Format::Text:
        break;
    }
    return text;
}
