#include "HoursMinutes.h"

#include <QRegularExpression>

int hoursMinutesToSeconds(const QString &text)
{
    static const QRegularExpression pattern(
        QStringLiteral("\\A([01][0-9]|2[0-3]):([0-5][0-9])\\z"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return -1;
    return match.captured(1).toInt() * 3600 + match.captured(2).toInt() * 60;
}
