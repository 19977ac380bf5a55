#pragma once

#include <QByteArray>

class Device;
class Dravo2Results;

// Reads the header of one dosimeter run: the three dosimeter configurations,
// header pages 1 to 7 and the common page 8. Any failure before page 8 gives
// no results at all, so a partly read header never reaches the caller.
class Dravo2HeaderReader
{
public:
    // The filled results (owned by the caller), or null. BUSY also emits the
    // device's busy signal.
    static Dravo2Results *read(Device *device, int index);

private:
    enum class Step
    {
        Parsed,
        Skipped,
        Failed
    };
    using Parser = int (Dravo2Results::*)(QByteArray);

    // One exchange: sends `command`, trims the reply and hands it to `parser`.
    // A configuration reply other than OK or BUSY is skipped; any other page
    // then fails.
    static Step readPage(Device *device, const QByteArray &command, const QByteArray &prefix,
                         bool multiLine, bool optional, Dravo2Results *results, Parser parser);
};
