#pragma once

#include <QDateTime>
#include <QString>

// The instruments exchange every date and time as one 20-character text:
// "yy/MM/dd,hh:mm:ss" in local wall-clock time, then the zone as a sign and a
// two-digit count of quarter hours ("-12" is UTC-3). The year is always 20yy.

// Reads a device date-time text. A text of only the 17 date-time characters
// reads as UTC; an unreadable date or a zone beyond +-14 h gives an invalid
// date-time.
QDateTime parseDeviceDateTime(const QString &text);

// The wall-clock date and time of a device date-time text, read straight
// from its fields (the zone is not looked at): what the instrument's own
// clock showed. False, with nothing written, when the text does not start
// with a valid "yy/MM/dd,hh:mm:ss". Quick enough for every sample of a run.
bool readDeviceWallClock(const QString &text, QDate *date, QTime *time);

// Writes a device date-time text from the date-time's own wall-clock fields and
// its UTC offset at that instant (truncated to quarter hours toward zero). An
// invalid date-time gives an empty text.
QString formatDeviceDateTime(const QDateTime &dateTime);

// The next date, counted from now, whose day of the month is `day`. A day of 0
// gives the last day of the current month; a day above 31 is treated as 31.
QDateTime nextMonthDay(int day);

// The same as nextMonthDay, counted from `from` instead of now.
QDateTime nextMonthDayFrom(const QDateTime &from, int day);
