#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QString>

// One programmed measurement of the dosimeter: on a day of the month the
// instrument starts a run, may pause and resume it, and stops it. Only the day
// of the month and the four times of day are kept; the four date-times are
// rebuilt as the next occurrence of that day whenever the schedule is built.
//
// An unreadable schedule stands for a slot whose content could not be read
// (the instrument was busy, silent, or sent a record that does not parse):
// it holds only its slot (`index`), keeps that place in the list, and is
// never rewritten or cleared, so that what the instrument holds there stays.
class Schedule : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int index READ index WRITE setIndex NOTIFY indexChanged)
    Q_PROPERTY(QString label READ label WRITE setLabel NOTIFY labelChanged)
    Q_PROPERTY(bool pausable READ pausable WRITE setPausable NOTIFY pausableChanged)
    Q_PROPERTY(QString startTime READ startTime NOTIFY startTimeChanged)
    Q_PROPERTY(QString pauseTime READ pauseTime NOTIFY pauseTimeChanged)
    Q_PROPERTY(QString resumeTime READ resumeTime NOTIFY resumeTimeChanged)
    Q_PROPERTY(QString stopTime READ stopTime NOTIFY stopTimeChanged)
    Q_PROPERTY(int monthDay READ monthDay WRITE setMonthDay NOTIFY monthDayChanged)
    Q_PROPERTY(bool unreadable READ unreadable NOTIFY unreadableChanged)

public:
    explicit Schedule(QObject *parent = nullptr);
    // The stand-in for slot `slot`, whose content could not be read.
    static Schedule *unreadableSlot(int slot);

    int index() const { return m_index; }
    void setIndex(int index) { m_index = index; }
    QString label() const { return m_label; }
    void setLabel(const QString &label) { m_label = label; }
    bool pausable() const { return m_pausable; }
    void setPausable(bool pausable) { m_pausable = pausable; }
    int monthDay() const { return m_monthDay; }
    void setMonthDay(int day) { m_monthDay = day; }
    bool unreadable() const { return m_unreadable; }

    // Times of day as "hh:mm"; pause and resume are empty when not pausable.
    QString startTime() const;
    QString pauseTime() const;
    QString resumeTime() const;
    QString stopTime() const;

    QDateTime startDateTime() const { return m_start; }
    QDateTime pauseDateTime() const { return m_pause; }
    QDateTime resumeDateTime() const { return m_resume; }
    QDateTime stopDateTime() const { return m_stop; }

    // Fills the schedule from the schedule form's JSON object; never fails.
    void fromJson(const QJsonObject &json);
    QJsonObject toJson() const;
    // Reads a "+VFSCH: " record (prefix and final OK removed): 0 taken, -1
    // refused.
    int parseScheduleReply(QByteArray record);

    void setMaxDuration(int seconds) { m_maxDuration = seconds; }
    int maxDuration() const { return m_maxDuration; }
    // Seconds measured: start to stop, less the pause when pausable.
    qint64 measuredSeconds() const;
    bool fitsMaxDuration() const;
    // 1 when this schedule meets none of the listed ones (unreadable ones
    // have no times to meet), 0 otherwise.
    int isFree(const QList<Schedule *> &schedules) const;

signals:
    void labelChanged();
    void startTimeChanged();
    void pauseTimeChanged();
    void resumeTimeChanged();
    void stopTimeChanged();
    void monthDayChanged();
    void indexChanged();
    void pausableChanged();
    void unreadableChanged();

private:
    void setAllDates(const QDateTime &date);
    void normalizeDays();

    int m_index = 0;
    QString m_label;
    int m_monthDay = 0;
    QDateTime m_start;
    QDateTime m_pause;
    QDateTime m_resume;
    QDateTime m_stop;
    bool m_pausable = false;
    bool m_unreadable = false;
    int m_maxDuration = 0;
};
