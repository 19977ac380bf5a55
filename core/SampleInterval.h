#pragma once

#include <QString>

// Several instruments take their sample interval in seconds ("AT+VFINTVL")
// while the windows show and edit it as minutes and seconds, "mm:ss".

// Seconds as "mm:ss", each part zero-filled to two digits; the minutes grow
// past two digits (6000 s is "100:00"). A negative count gives an empty text.
QString secondsToMinutesSeconds(int seconds);

// Reads "m:ss" (one to five minute digits, ":", two second digits 00-59) as a
// count of seconds. Anything else, or a total of 0 s, gives -1, so that a
// caller can refuse the text before it reaches an instrument command.
int minutesSecondsToSeconds(const QString &text);
