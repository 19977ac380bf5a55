#include "SampleInterval.h"

#include <QRegularExpression>

QString secondsToMinutesSeconds(int seconds)
{
    if (seconds < 0)
        return QString();
    const QLatin1Char zero('0');
    return QStringLiteral("%1:%2").arg(seconds / 60, 2, 10, zero).arg(seconds % 60, 2, 10, zero);
}

int minutesSecondsToSeconds(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("\\A([0-9]{1,5}):([0-5][0-9])\\z"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return -1;
    const int seconds = match.captured(1).toInt() * 60 + match.captured(2).toInt();
    return seconds > 0 ? seconds : -1;
}
