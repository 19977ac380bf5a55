#include "SoundLevelReportTable.h"

#include "VfReportText.h"
#include "VfSubSuperScript.h"
#include "models/bemari/BemariPlusLog.h"
#include "models/bemari/SoundLevelResults.h"

QList<VfSubSuperScript *> SoundLevelReportTable::header(const SoundLevelResults *results,
                                                        bool manual, QObject *owner)
{
    // The table does not own its titles, nor a title the unit chained to it.
    const auto owned = [owner](VfSubSuperScript *title) {
        title->setParent(owner);
        return title;
    };
    const QString weighting = results ? results->freqWeighting() : QString();
    const QString sampleTime = results ? results->sampleTime() : QString();
    VfSubSuperScript *decibels = owned(new VfSubSuperScript(QStringLiteral("[dB]")));
    QList<VfSubSuperScript *> titles{owned(new VfSubSuperScript(tr("Idx"))),
                                     owned(new VfSubSuperScript(tr("D/T")))};
    if (manual) {
        titles.append(owned(new VfSubSuperScript(tr("L"), weighting + QStringLiteral("eq,T"),
                                                 QString(), decibels)));
        VfSubSuperScript *seconds = owned(new VfSubSuperScript(QStringLiteral("[s]")));
        titles.append(owned(new VfSubSuperScript(tr("T"), QString(), QString(), seconds)));
        return titles;
    }
    titles.append(owned(new VfSubSuperScript(
        tr("L"), weighting + QStringLiteral("eq,") + sampleTime + QStringLiteral("s"), QString(),
        decibels)));
    return titles;
}

QList<VfTableRow> SoundLevelReportTable::rows(const QList<Log *> &logs, bool manual)
{
    QList<VfTableRow> rows;
    rows.reserve(logs.size());
    const QLatin1Char zero('0');
    qint64 number = 0;
    for (const Log *log : logs) {
        const auto *record = qobject_cast<const BemariLog *>(log);
        // The instrument's own wall-clock time, whatever this computer's zone.
        const QDateTime at = log ? log->registerDate() : QDateTime();
        QStringList cells{QStringLiteral("%1").arg(++number, 3, 10, zero),
                          at.isValid() ? at.time().toString(QStringLiteral("hh:mm:ss"))
                                       : VfReportText::absent(),
                          VfReportText::numberOrStored(record ? record->level() : QString(), 2)};
        if (manual) {
            const auto *timed = qobject_cast<const BemariPlusLog *>(log);
            const QString interval = timed ? timed->interval().trimmed() : QString();
            cells.append(interval.isEmpty() ? VfReportText::absent() : interval);
        }
        rows.append(VfTableRow(cells, at.date()));
    }
    return rows;
}
