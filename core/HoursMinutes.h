#pragma once

#include <QString>

// A time of the working day as the pages enter it: "hh:mm", hours 00 to 23
// and minutes 00 to 59, two digits each (exposure times, working hours).

// The text as seconds (0 for "00:00"); -1 for any other text, so that a
// caller can refuse it before it is stored or computed with.
int hoursMinutesToSeconds(const QString &text);
