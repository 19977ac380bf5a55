#pragma once

#include <QByteArray>

// Room for tens of megabytes that are written at once (a data file, its
// decoded text): where the system has huge pages the room is backed by them,
// so that filling it does not stop at every 4 KiB page for a fresh one. The
// bytes are the same either way.
class LargeBuffer
{
public:
    // Reserves room for `capacity` bytes in `bytes`.
    static void reserve(QByteArray &bytes, int capacity);
};
