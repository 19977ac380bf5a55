#pragma once

#include "Device.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>

class Dravo2Config;

// The "DRAVO 2" noise dosimeter: its service word, its measurement
// configuration (nine queries, eight writes) and its ten schedule slots.
//
// Every exchange returns 0 done, -1 ERROR (or a value refused before sending),
// -2 BUSY (after `busy()`), -3 not sent
// or no usable reply.
class Dravo2 : public Device
{
    Q_OBJECT

public:
    static constexpr int ScheduleSlots = 10;
    // Bit of the service word set when the instrument has octave analysis.
    static constexpr int OctaveOptionBit = 2;

    // For a data file: no link, product name "DRAVO 2".
    Dravo2();
    // Takes over the identity, calibration and link of a probed device.
    explicit Dravo2(Device *probed);

    int serviceConfig() const { return m_serviceConfig; }
    bool hasOctaveOption() const { return (m_serviceConfig & OctaveOptionBit) != 0; }
    // The held configuration (always a Dravo2Config once constructed).
    Dravo2Config *dravo2Config() const;

    // One query per setting, filling `config`.
    int readThresholdLevel(Dravo2Config *config);
    int readCriterionLevel(Dravo2Config *config);
    int readExchangeRate(Dravo2Config *config);
    int readFrequencyWeighting(Dravo2Config *config);
    int readTimeWeighting(Dravo2Config *config);
    int readOctaveAnalysis(Dravo2Config *config);
    int readExperimentDuration(Dravo2Config *config);
    int readScheduleStatus(Dravo2Config *config);
    // Sets the limit to the default before asking, so that a failed query
    // leaves a usable limit.
    int readScheduleMaxTime(Dravo2Config *config);

    // One write per setting. A value outside its fixed set gives -1 and sends
    // nothing.
    int writeThresholdLevel(int level);
    int writeCriterionLevel(int level);
    int writeExchangeRate(int rate);
    int writeFrequencyWeighting(const QString &weighting);
    int writeTimeWeighting(const QString &weighting);
    int writeOctaveAnalysis(const QString &analysis);
    // "hh:mm", sent as seconds.
    int writeExperimentDuration(const QString &duration);
    int writeScheduleStatus(bool on);

    // A label the instrument can hold in one quoted field: no double quote,
    // no control character (CR, LF ...), and only ISO 8859-1 characters.
    static bool isValidScheduleLabel(const QString &label);

public slots:
    // The run's dosimeter configurations and header pages 1 to 8; null when a
    // page before page 8 fails. The caller owns the results.
    Results *readExperimentHeader(Experiment *run) override;
    int readConfig() override;
    // Writes the held configuration; nothing is read back. A value outside
    // its fixed set, or a run longer than the instrument's schedule limit,
    // gives -1 with nothing sent.
    int writeConfig() override;
    // Reads the ten slots. An empty slot is left out; a busy, silent or
    // unreadable one keeps its place as an unreadable schedule. Only a
    // command that cannot be sent fails the read (-3, the list left as it
    // was).
    int readSchedules() override;
    // Schedule mode off, the ten slots, schedule mode on. The slots of
    // unreadable schedules are left as they are; the other schedules are set
    // in the free slots in list order, and the free slots left are cleared.
    int writeSchedules() override;
    int readServiceConfig() override;

private:
    using Store = std::function<bool(const QByteArray &value)>;

    // One query "AT+<name>?" whose reply is "+<name>: <value>". The value
    // (quotes removed when `quoted`) is handed to `store`, which refuses what
    // it cannot take; the query then gives -3.
    int query(const QByteArray &name, bool quoted, const Store &store);
    int queryCommand(const QByteArray &command, const QByteArray &name, bool quoted,
                     const Store &store);
    // A number the instrument must send as one (the service word).
    int queryNumber(const QByteArray &name, const std::function<void(int)> &set);
    // A configuration level: a value that is not a number reads as 0.
    int querySetting(const QByteArray &name, const std::function<void(int)> &set);
    // A text value, sent between double quotes.
    int queryText(const QByteArray &name, const std::function<void(const QString &)> &set);
    // One write "AT+<name>=<value>"; the reply must be exactly a final line.
    int writeSetting(const QByteArray &name, const QByteArray &value);
    // A text setting: `value` must be one of `choices`; it goes in quotes.
    int writeChoice(const QByteArray &name, const QString &value, const QStringList &choices);
    int exchangeExpectingFinalLine(const QByteArray &command, const QByteArray &echoPrefix = {});
    // Emits `busy()` when the status is BUSY; returns the status.
    int reportBusy(int status);
    // The settings in reading and writing order, stopping at the first failure.
    int readSettings(Dravo2Config *config);
    int writeSettings(const Dravo2Config &config);
    // 0 with the schedule of a programmed slot, an unreadable schedule for a
    // slot that could not be read, or null for an empty slot; -3 when the
    // command could not be sent.
    int readScheduleSlot(int slot, Schedule **schedule);
    static QByteArray scheduleSetCommand(int slot, const Schedule &schedule);
    static bool isWritableSchedule(const Schedule *schedule);

    int m_serviceConfig = 0;
    // The instrument's schedule limit as last read, carried into a record
    // made from the configuration window (-1 not read yet).
    int m_scheduleMaxTime = -1;
};
