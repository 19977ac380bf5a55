#include "Dravo2.h"

#include "DeviceDateTime.h"
#include "Dravo2Config.h"
#include "Dravo2HeaderReader.h"
#include "Dravo2Model.h"
#include "Dravo2Results.h"
#include "Experiment.h"
#include "Schedule.h"

#include <QSet>
#include <QTextCodec>
#include <memory>

namespace {

// An information line is followed by an empty line before the final OK.
const QByteArray kInformationEnd = "\r\n\r\nOK\r\n";
const QByteArray kScheduleName = "VFSCH";

// A reply that holds exactly one "+<name>: " line before the final OK.
bool isOneInformationLine(const QByteArray &reply, const QByteArray &prefix)
{
    if (!reply.startsWith(prefix) || !reply.endsWith(kInformationEnd) ||
        reply.size() < prefix.size() + kInformationEnd.size())
        return false;
    const QByteArray text =
        reply.mid(prefix.size(), reply.size() - prefix.size() - kInformationEnd.size());
    return !text.contains('\r') && !text.contains('\n');
}

QTextCodec *latin1()
{
    return QTextCodec::codecForName("ISO 8859-1");
}

QString quotedDateTime(const QDateTime &dateTime)
{
    return QLatin1Char('"') + formatDeviceDateTime(dateTime) + QLatin1Char('"');
}

} // namespace

Dravo2::Dravo2()
    : Device(nullptr)
{
    setProductName(dravo2ProductName());
    setConfig(new Dravo2Config);
}

Dravo2::Dravo2(Device *probed)
    : Device(nullptr)
{
    adoptProbedDevice(probed);
    setConfig(new Dravo2Config);
}

Dravo2Config *Dravo2::dravo2Config() const
{
    return qobject_cast<Dravo2Config *>(config());
}

int Dravo2::reportBusy(int status)
{
    if (status == -2)
        emit busy();
    return status;
}

int Dravo2::queryCommand(const QByteArray &command, const QByteArray &name, bool quoted,
                         const Store &store)
{
    bool sent = false;
    const QByteArray reply = exchange(command, &sent);
    if (!sent)
        return -3;
    const int code = finalLineCode(reply);
    if (code != 0)
        return reportBusy(code);
    const QByteArray prefix = "\r\n+" + name + ": ";
    if (!isOneInformationLine(reply, prefix))
        return -3;
    QByteArray value = informationText(reply, prefix);
    if (quoted)
        value.replace('"', "");
    return store(value) ? 0 : -3;
}

int Dravo2::query(const QByteArray &name, bool quoted, const Store &store)
{
    return queryCommand("AT+" + name + "?\r\n", name, quoted, store);
}

int Dravo2::exchangeExpectingFinalLine(const QByteArray &command, const QByteArray &echoPrefix)
{
    bool sent = false;
    QByteArray reply = exchange(command, &sent);
    if (!sent)
        return -3;
    if (!echoPrefix.isEmpty())
        reply.replace(echoPrefix, "");
    // A value before the final line means the instrument did something else
    // than take the setting.
    return reportBusy(exactFinalLineCode(reply));
}

int Dravo2::writeSetting(const QByteArray &name, const QByteArray &value)
{
    return exchangeExpectingFinalLine("AT+" + name + "=" + value + "\r\n", "\r\n+" + name + ": ");
}

int Dravo2::queryNumber(const QByteArray &name, const std::function<void(int)> &set)
{
    return query(name, false, [&set](const QByteArray &value) {
        int number = 0;
        if (!Dravo2Config::replyInteger(value, &number))
            return false;
        set(number);
        return true;
    });
}

int Dravo2::querySetting(const QByteArray &name, const std::function<void(int)> &set)
{
    // A setting the instrument sent garbled reads as 0, as every number
    // field does; the window then shows it for the user to correct.
    return query(name, false, [&set](const QByteArray &value) {
        set(value.toInt());
        return true;
    });
}

int Dravo2::queryText(const QByteArray &name, const std::function<void(const QString &)> &set)
{
    return query(name, true, [&set](const QByteArray &value) {
        set(QString::fromUtf8(value));
        return true;
    });
}

Results *Dravo2::readExperimentHeader(Experiment *run)
{
    return run ? Dravo2HeaderReader::read(this, run->index()) : nullptr;
}

int Dravo2::readServiceConfig()
{
    return queryNumber("VFSVCCFG", [this](int word) { m_serviceConfig = word; });
}

int Dravo2::readThresholdLevel(Dravo2Config *config)
{
    return querySetting("VFTRHLVL", [config](int level) { config->setActionLevel(level); });
}

int Dravo2::readCriterionLevel(Dravo2Config *config)
{
    return querySetting("VFCRTLVL", [config](int level) { config->setCriterionLevel(level); });
}

int Dravo2::readExchangeRate(Dravo2Config *config)
{
    return querySetting("VFXCHRAT", [config](int rate) { config->setExchangeRate(rate); });
}

int Dravo2::readFrequencyWeighting(Dravo2Config *config)
{
    return queryText("VFFQWGHT",
                     [config](const QString &text) { config->setFrequencyWeighting(text); });
}

int Dravo2::readTimeWeighting(Dravo2Config *config)
{
    return queryText("VFTMWGHT", [config](const QString &text) { config->setTimeWeighting(text); });
}

int Dravo2::readOctaveAnalysis(Dravo2Config *config)
{
    return queryText("VFOCTAVE",
                     [config](const QString &text) { config->setOctaveAnalysis(text); });
}

int Dravo2::readExperimentDuration(Dravo2Config *config)
{
    return query("VFXPDUR", false, [config](const QByteArray &value) {
        return config->setExperimentDurationFromReply(value) == 0;
    });
}

int Dravo2::readScheduleStatus(Dravo2Config *config)
{
    // A record that cannot be read leaves the switch off.
    return queryCommand("AT+VFSCH=3\r\n", kScheduleName, false, [config](const QByteArray &value) {
        config->setScheduleStatusFromReply(value);
        return true;
    });
}

int Dravo2::readScheduleMaxTime(Dravo2Config *config)
{
    config->setScheduleMaxTime(Dravo2Config::DefaultScheduleMaxTime);
    return queryCommand("AT+VFSCH=4\r\n", kScheduleName, false, [config](const QByteArray &value) {
        return config->setScheduleMaxTimeFromReply(value) == 0;
    });
}

int Dravo2::writeThresholdLevel(int level)
{
    return writeSetting("VFTRHLVL", QByteArray::number(level));
}

int Dravo2::writeCriterionLevel(int level)
{
    return writeSetting("VFCRTLVL", QByteArray::number(level));
}

int Dravo2::writeExchangeRate(int rate)
{
    return writeSetting("VFXCHRAT", QByteArray::number(rate));
}

int Dravo2::writeChoice(const QByteArray &name, const QString &value, const QStringList &choices)
{
    // Only a value of the fixed set goes out, so it cannot end the quoted
    // field or the command early.
    if (!choices.contains(value))
        return -1;
    return writeSetting(name, '"' + value.toLatin1() + '"');
}

int Dravo2::writeFrequencyWeighting(const QString &weighting)
{
    return writeChoice("VFFQWGHT", weighting, Dravo2Config::frequencyWeightings());
}

int Dravo2::writeTimeWeighting(const QString &weighting)
{
    return writeChoice("VFTMWGHT", weighting, Dravo2Config::timeWeightings());
}

int Dravo2::writeOctaveAnalysis(const QString &analysis)
{
    return writeChoice("VFOCTAVE", analysis, Dravo2Config::octaveAnalyses());
}

int Dravo2::writeExperimentDuration(const QString &duration)
{
    const int seconds = Dravo2Config::durationSeconds(duration);
    if (seconds < 0)
        return -1;
    return writeSetting("VFXPDUR", QByteArray::number(seconds));
}

int Dravo2::writeScheduleStatus(bool on)
{
    return exchangeExpectingFinalLine(on ? "AT+VFSCH=3,1\r\n" : "AT+VFSCH=3,0\r\n");
}

int Dravo2::readSettings(Dravo2Config *config)
{
    const QList<std::function<int()>> queries = {
        [&] { return readThresholdLevel(config); },
        [&] { return readCriterionLevel(config); },
        [&] { return readExchangeRate(config); },
        [&] { return readFrequencyWeighting(config); },
        [&] { return readTimeWeighting(config); },
        [&] { return hasOctaveOption() ? readOctaveAnalysis(config) : 0; },
        [&] { return readExperimentDuration(config); },
        [&] { return readScheduleStatus(config); },
    };
    for (const auto &queryOne : queries) {
        const int status = queryOne();
        if (status != 0)
            return status;
    }
    return 0;
}

int Dravo2::writeSettings(const Dravo2Config &config)
{
    const QList<std::function<int()>> writes = {
        [&] { return writeThresholdLevel(config.actionLevel()); },
        [&] { return writeCriterionLevel(config.criterionLevel()); },
        [&] { return writeExchangeRate(config.exchangeRate()); },
        [&] { return writeFrequencyWeighting(config.frequencyWeighting()); },
        [&] { return writeTimeWeighting(config.timeWeighting()); },
        [&] { return hasOctaveOption() ? writeOctaveAnalysis(config.octaveAnalysis()) : 0; },
        [&] { return writeExperimentDuration(config.experimentDuration()); },
        [&] { return writeScheduleStatus(config.scheduleStatus()); },
    };
    for (const auto &writeOne : writes) {
        const int status = writeOne();
        if (status != 0)
            return status;
    }
    return 0;
}

int Dravo2::readConfig()
{
    auto read = std::make_unique<Dravo2Config>();
    const int status = readSettings(read.get());
    if (status != 0)
        return status;
    // The limit belongs to the instrument; a failed query leaves the default.
    readScheduleMaxTime(read.get());
    m_scheduleMaxTime = read->scheduleMaxTime();
    setConfig(read.release());
    return 0;
}

int Dravo2::writeConfig()
{
    Dravo2Config *config = dravo2Config();
    if (!config)
        return -1;
    // A record made from the configuration window knows no schedule limit.
    if (m_scheduleMaxTime >= 0)
        config->setScheduleMaxTime(m_scheduleMaxTime);
    // The run may last no longer than the instrument's limit, as the
    // window tells the user.
    const int limit =
        m_scheduleMaxTime >= 0 ? m_scheduleMaxTime : Dravo2Config::DefaultScheduleMaxTime;
    if (!config->isWritable(hasOctaveOption()) ||
        Dravo2Config::durationSeconds(config->experimentDuration()) > limit)
        return -1;
    return writeSettings(*config);
}

bool Dravo2::isValidScheduleLabel(const QString &label)
{
    return isQuotableText(label);
}

bool Dravo2::isWritableSchedule(const Schedule *schedule)
{
    if (!schedule || !isValidScheduleLabel(schedule->label()))
        return false;
    const bool timesValid =
        schedule->startDateTime().isValid() && schedule->stopDateTime().isValid();
    const bool pauseValid = !schedule->pausable() || (schedule->pauseDateTime().isValid() &&
                                                      schedule->resumeDateTime().isValid());
    return timesValid && pauseValid;
}

QByteArray Dravo2::scheduleSetCommand(int slot, const Schedule &schedule)
{
    const QString pause =
        schedule.pausable() ? quotedDateTime(schedule.pauseDateTime()) : QString();
    const QString resume =
        schedule.pausable() ? quotedDateTime(schedule.resumeDateTime()) : QString();
    const QString command = QStringLiteral("AT+VFSCH=1,%1,\"%2\",%3,%4,%5,%6\r\n")
                                .arg(slot)
                                .arg(schedule.label(), quotedDateTime(schedule.startDateTime()),
                                     pause, resume, quotedDateTime(schedule.stopDateTime()));
    return latin1()->fromUnicode(command);
}

int Dravo2::readScheduleSlot(int slot, Schedule **schedule)
{
    *schedule = nullptr;
    bool sent = false;
    const QByteArray reply = exchange("AT+VFSCH=0," + QByteArray::number(slot) + "\r\n", &sent);
    if (!sent)
        return -3;
    // An empty slot is answered with ERROR or with no record.
    if (finalLineCode(reply) == -1 || exactFinalLineCode(reply) == 0)
        return 0;
    // A busy or silent instrument, or a record that cannot be read, leaves
    // the slot's content unknown: it stays in the list as unreadable.
    const QByteArray prefix = "\r\n+" + kScheduleName + ": ";
    auto read = std::make_unique<Schedule>();
    if (isOneInformationLine(reply, prefix) &&
        read->parseScheduleReply(informationText(reply, prefix)) == 0 && read->index() == slot)
        *schedule = read.release();
    else
        *schedule = Schedule::unreadableSlot(slot);
    return 0;
}

int Dravo2::readSchedules()
{
    QList<Schedule *> schedules;
    for (int slot = 0; slot < ScheduleSlots; ++slot) {
        Schedule *schedule = nullptr;
        if (readScheduleSlot(slot, &schedule) != 0) {
            // The list in place may be on show; a line that is gone never
            // replaces it.
            qDeleteAll(schedules);
            return -3;
        }
        if (schedule)
            schedules.append(schedule);
    }
    setScheduleList(schedules);
    return 0;
}

int Dravo2::writeSchedules()
{
    // The slots that could not be read keep what they hold; the schedules
    // fill the other slots in list order, and the slots left are cleared.
    QList<const Schedule *> schedules;
    QSet<int> keptSlots;
    for (const Schedule *schedule : scheduleList()) {
        if (schedule && schedule->unreadable())
            keptSlots.insert(schedule->index());
        else
            schedules.append(schedule);
    }
    schedules = schedules.mid(0, ScheduleSlots - keptSlots.size());
    for (const Schedule *schedule : schedules) {
        if (!isWritableSchedule(schedule))
            return -1;
    }
    int status = writeScheduleStatus(false);
    if (status != 0)
        return status;
    int next = 0;
    for (int slot = 0; slot < ScheduleSlots; ++slot) {
        if (keptSlots.contains(slot))
            continue;
        const QByteArray command = next < schedules.size()
                                       ? scheduleSetCommand(slot, *schedules.at(next++))
                                       : "AT+VFSCH=2," + QByteArray::number(slot) + "\r\n";
        status = exchangeExpectingFinalLine(command);
        if (status != 0)
            return status;
    }
    return writeScheduleStatus(true);
}
