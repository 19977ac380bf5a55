#include "CalibrationCertificate.h"

#include "DeviceDateTime.h"

#include <QJsonDocument>
#include <QRegularExpression>
#include <QStringList>

#include <cstdlib>

namespace {

// The widest UTC offset the instrument's quarter-hour zone field reads back.
const int kMaxOffsetSeconds = 14 * 3600;

} // namespace

QJsonObject CalibrationCertificate::toJson() const
{
    QJsonObject json;
    json.insert(QStringLiteral("date"), formatDeviceDateTime(m_date));
    json.insert(QStringLiteral("certification"), m_certification);
    return json;
}

int CalibrationCertificate::fromJson(const QString &json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return -1;
    const QJsonObject object = document.object();
    const QString dateText = object.value(QStringLiteral("date")).toString();
    QDateTime date = QDateTime::fromString(dateText, Qt::ISODate);
    // Our own JSON carries the instrument's text; accept it too so that a
    // record written by toJson reads back with its date.
    if (!date.isValid())
        date = parseDeviceDateTime(dateText);
    m_date = date;
    m_certification = object.value(QStringLiteral("certification")).toString();
    return 0;
}

QString CalibrationCertificate::instrumentText() const
{
    QString text = m_certification;
    for (QChar &c : text) {
        const QChar upper = c.toUpper();
        if (upper.unicode() <= 0xff)
            c = upper;
    }
    return text;
}

bool CalibrationCertificate::isWritable() const
{
    return !m_certification.trimmed().isEmpty() && m_date.isValid() &&
           std::abs(m_date.offsetFromUtc()) <= kMaxOffsetSeconds;
}

int CalibrationCertificate::fromReply(const QString &text)
{
    // A certificate text may itself hold commas: take the quoted date-time at
    // the end and everything before it as the text.
    static const QRegularExpression quoted(
        QStringLiteral("^\"(.*)\",\"(\\d\\d/\\d\\d/\\d\\d,\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d)\""));
    const QRegularExpressionMatch match = quoted.match(text);
    if (match.hasMatch()) {
        m_certification = match.captured(1);
        m_date = parseDeviceDateTime(match.captured(2));
        return 0;
    }

    QString unquoted = text;
    unquoted.remove(QLatin1Char('"'));
    const QStringList fields = unquoted.split(QLatin1Char(','));
    if (fields.size() < 3)
        return -1;
    m_certification = fields.at(0);
    m_date = parseDeviceDateTime(fields.at(1) + QLatin1Char(',') + fields.at(2));
    return 0;
}
