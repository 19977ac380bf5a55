#pragma once

#include "VfTableRow.h"

#include <QCoreApplication>
#include <QList>

class Log;
class QObject;
class SoundLevelResults;
class VfSubSuperScript;

// The sample table of a sound level meter run in the "Noise Report": one row
// per record with its number ("001" ... "1000"), its time of day and its
// level, and on a run measured in mode "MANUAL" the interval each level
// covers.
class SoundLevelReportTable
{
    Q_DECLARE_TR_FUNCTIONS(SoundLevelReportTable)

public:
    // "Idx", "D/T" and L with the subscript "Aeq,1s" (weighting and sample
    // time) and "[dB]"; for `manual` the subscript "Aeq,T" and a fourth
    // title "T" "[s]". The titles go with `owner`. A run without results
    // gets titles without weighting and sample time.
    static QList<VfSubSuperScript *> header(const SoundLevelResults *results, bool manual,
                                            QObject *owner);

    // One row per record in list order, dated by the record's own day. A
    // level that is not a number shows as stored ("---", "OL"; empty as
    // "---"), never as 0; so does an interval.
    static QList<VfTableRow> rows(const QList<Log *> &logs, bool manual);
};
