#include "Core.h"

#include "BuildInfo.h"
#include "CalibrationCertificate.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "DeviceConfig.h"
#include "DeviceFactory.h"
#include "Experiment.h"
#include "ExperimentFactory.h"
#include "ExposureComponent.h"
#include "FactoryDeviceConfig.h"
#include "FactoryExposureComponent.h"
#include "FileFactory.h"
#include "Interface.h"
#include "Log.h"
#include "PortOpenFailure.h"
#include "PrinterFactory.h"
#include "QmlFileName.h"
#include "Results.h"
#include "ResultsFactory.h"
#include "Schedule.h"
#include "VfFile.h"
#include "VfPrinter.h"
#include "VfSamples.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QQmlEngine>
#include <QScopedValueRollback>
#include <QSerialPortInfo>
#include <QThread>
#include <QUrl>

#include <memory>

namespace {

constexpr int kVersionMajor = 1;
constexpr int kVersionMinor = 0;
constexpr int kMaxSchedules = 10;
constexpr int kSearchEventsMs = 100;
// The identity replies are a few bytes: a probed port gets this long for each,
// so that one that never falls silent holds the search only briefly.
constexpr int kProbeReplyLimitMs = 2000;
constexpr int kEraseEventsMs = 800;
constexpr int kProgressEventsMs = 100;
// How long Core's end waits for a report's worker between two rounds of the
// work the worker asked of this thread.
constexpr int kReportWaitMs = 20;

// Extra ports to probe after the system's own, separated by colons.
const char *const kExtraPortsVariable = "VALTRIX_EXTRA_PORTS";
// "0" leaves the system's own ports alone (a machine whose serial port is its
// console, or a test that must probe only the ports it names).
const char *const kSystemPortsVariable = "VALTRIX_SYSTEM_PORTS";

QString compact(const QJsonObject &object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact));
}

QStringList portsToProbe()
{
    QStringList ports;
    if (qEnvironmentVariable(kSystemPortsVariable) != QLatin1String("0")) {
        const QList<QSerialPortInfo> system = QSerialPortInfo::availablePorts();
        for (const QSerialPortInfo &port : system)
            ports.append(port.systemLocation());
    }
    const QString extra = qEnvironmentVariable(kExtraPortsVariable);
    ports.append(extra.split(QLatin1Char(':'), Qt::SkipEmptyParts));
    return ports;
}

// The edited schedules are Core's own copies: the device keeps owning (and
// replacing) its schedule list.
Schedule *copySchedule(const Schedule *schedule)
{
    if (schedule->unreadable())
        return Schedule::unreadableSlot(schedule->index());
    QJsonObject json = schedule->toJson();
    json.insert(QStringLiteral("pausable"), schedule->pausable());
    auto *copy = new Schedule;
    copy->setMaxDuration(schedule->maxDuration());
    copy->fromJson(json);
    copy->setIndex(schedule->index());
    return copy;
}

} // namespace

Core::Core(QObject *parent)
    : QObject(parent)
    , m_samples(new VfSamples(this))
{
}

Core::~Core()
{
    // The worker reads the chain or the file until it ends; meanwhile it may
    // wait for the charts it hands to this thread.
    if (m_worker) {
        while (!m_worker->wait(kReportWaitMs))
            QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
        delete m_worker;
    }
    deleteChain();
    delete m_pendingResults;
    delete m_dataFile;
    delete m_device;
    clearDeviceList();
    clearExperimentList();
    clearVirtualSchedules();
}

// ---------------------------------------------------------------- properties

QVariant Core::deviceList() const
{
    return QVariant::fromValue(m_deviceList);
}

QVariant Core::experimentList() const
{
    return QVariant::fromValue(m_experimentList);
}

QVariant Core::virtualSchedulelist() const
{
    return QVariant::fromValue(m_virtualScheduleList);
}

QVariant Core::expCompList() const
{
    QList<QObject *> components;
    if (!m_device || !m_experiment)
        return QVariant::fromValue(components);
    for (Experiment *run = m_experiment->first(); run; run = run->next()) {
        ExposureComponent *component = FactoryExposureComponent::create(m_device->productName());
        if (!component) {
            qDeleteAll(components);
            return QVariant::fromValue(QList<QObject *>());
        }
        component->loadFromExperiment(run);
        components.append(component);
    }
    for (QObject *component : qAsConst(components))
        QQmlEngine::setObjectOwnership(component, QQmlEngine::JavaScriptOwnership);
    return QVariant::fromValue(components);
}

QString Core::devName() const
{
    return m_device ? m_device->productName() : QString();
}

QVariant Core::device() const
{
    return QVariant::fromValue(m_device ? m_device->toJson() : QJsonObject());
}

QString Core::experiment() const
{
    return compact(m_experiment ? m_experiment->toJson() : QJsonObject());
}

QString Core::experimentSummary() const
{
    return compact(m_experiment ? m_experiment->summaryJson() : QJsonObject());
}

QObject *Core::samples() const
{
    return m_samples;
}

QString Core::configuration() const
{
    DeviceConfig *config = m_device ? m_device->config() : nullptr;
    return compact(config ? config->toJson() : QJsonObject());
}

QString Core::calib() const
{
    return compact(m_device ? m_device->calibration().toJson() : QJsonObject());
}

QString Core::version() const
{
    return QStringLiteral("%1.%2").arg(kVersionMajor).arg(kVersionMinor);
}

QString Core::builtDate() const
{
    // __DATE__ pads a one-digit day with a blank: "Oct  9 2021".
    return QString::fromLatin1(__DATE__).simplified() + QStringLiteral(" - ") +
           QString::fromLatin1(__TIME__);
}

QString Core::builtYear() const
{
    return QString::fromLatin1(__DATE__).right(4);
}

QString Core::revision() const
{
    return buildRevision();
}

QString Core::coreBits() const
{
    return QStringLiteral("%1 Bits").arg(VALTRIX_POINTER_BITS);
}

QString Core::buildRevision()
{
    return QStringLiteral("%1").arg(QString::fromLatin1(VALTRIX_REVISION).toInt());
}

// ------------------------------------------------------------ device state

bool Core::refuseWhileTalking()
{
    if (!m_talking && !m_worker)
        return false;
    emit deviceBusy();
    return true;
}

int Core::noDeviceCode() const
{
    return m_deviceDropped ? -3 : -1;
}

bool Core::linkLost()
{
    if (!m_device || m_device->linkError() == 0)
        return false;
    dropLinkState();
    return true;
}

int Core::talk(const std::function<int(Device *)> &operation)
{
    if (!m_device)
        return noDeviceCode();
    const int code = operation(m_device);
    return linkLost() ? -3 : code;
}

void Core::dropLinkState()
{
    emit deviceDisconnected();
    deleteChain();
    delete m_pendingResults;
    m_pendingResults = nullptr;
    delete m_dataFile;
    m_dataFile = nullptr;
    // The device talks through a probed device's link, which goes below: drop
    // it first so that nothing is left holding that link.
    replaceDevice(nullptr);
    m_deviceDropped = true;
    clearDeviceList();
    emit devListUpdate();
    clearExperimentList();
    emit experimentListUpdate();
    clearVirtualSchedules();
    m_recordReplies.clear();
}

void Core::replaceDevice(Device *device)
{
    if (m_device == device)
        return;
    delete m_device;
    m_device = device;
    m_deviceDropped = false;
}

bool Core::usesLinkOf(const QObject *probed) const
{
    const auto *entry = qobject_cast<const Device *>(probed);
    return m_device && entry && m_device != entry && m_device->interface() == entry->interface();
}

void Core::dropDeviceUsingProbedLinks()
{
    if (!m_device)
        return;
    // A device whose link has already gone is of no further use either.
    bool usesProbedLink = !m_device->interface();
    for (const QObject *probed : qAsConst(m_deviceList))
        usesProbedLink = usesProbedLink || usesLinkOf(probed);
    if (!usesProbedLink)
        return;
    replaceDevice(nullptr);
    m_deviceDropped = true;
}

void Core::clearDeviceList()
{
    qDeleteAll(m_deviceList);
    m_deviceList.clear();
}

void Core::clearExperimentList()
{
    qDeleteAll(m_experimentList);
    m_experimentList.clear();
}

void Core::clearVirtualSchedules()
{
    qDeleteAll(m_virtualScheduleList);
    m_virtualScheduleList.clear();
}

void Core::deleteChain()
{
    retireChain();
    deleteRetiredChain();
}

void Core::retireChain()
{
    // Nothing may show the runs once they are gone.
    Experiment *run = m_experiment;
    setCurrentExperiment(nullptr);
    // The records belong to the runs.
    m_recordList.clear();
    if (!run)
        return;
    deleteRetiredChain();
    m_retiredChain = run->first();
}

void Core::deleteRetiredChain()
{
    if (m_retiredChain)
        m_retiredChain->deleteChain();
    m_retiredChain = nullptr;
}

void Core::setCurrentExperiment(Experiment *run)
{
    m_experiment = run;
    m_samples->setRun(run);
}

void Core::showRecordsOf(const Experiment *run)
{
    m_recordList.clear();
    if (!run)
        return;
    const QList<Log *> logs = run->logs();
    for (Log *log : logs)
        m_recordList.append(log);
}

void Core::emitPlace(void (Core::*signal)(int))
{
    if (m_experiment)
        emit(this->*signal)(m_experiment->chainPlace());
}

// ------------------------------------------------------- search and selection

void Core::findDevices()
{
    if (refuseWhileTalking())
        return;
    const QScopedValueRollback<bool> talking(m_talking, true);
    dropDeviceUsingProbedLinks();
    clearDeviceList();
    emit devListUpdate();

    const QStringList ports = portsToProbe();
    const int count = ports.size();
    QList<PortOpenFailure> unopened;
    for (int i = 1; i <= count; ++i) {
        emit findingDevices(i * 100.0 / count);
        QCoreApplication::processEvents(QEventLoop::AllEvents, kSearchEventsMs);
        const QString &port = ports.at(i - 1);
        auto probed = std::make_unique<Device>();
        Interface *link = probed->interface();
        link->setReplyLimit(kProbeReplyLimitMs);
        if (probed->open(port) != 0) {
            if (const auto failure =
                    PortOpenFailure::of(port, link->openError(), link->openErrorString()))
                unopened.append(*failure);
            continue;
        }
        if (probed->readIdentity() != 0 || probed->manufactoryName() != QLatin1String("valtrix"))
            continue;
        link->setReplyLimit(Interface::DefaultReplyLimitMs);
        m_deviceList.append(probed.release());
    }
    emit devListUpdate();
    if (m_deviceList.isEmpty() && !unopened.isEmpty())
        emit portsNotOpened(PortOpenFailure::message(unopened));
    emit findDeviceFinished();
}

int Core::createDevice(int idx)
{
    if (refuseWhileTalking())
        return -2;
    const QScopedValueRollback<bool> talking(m_talking, true);
    if (idx < 0 || idx >= m_deviceList.size())
        return -1;
    auto *entry = qobject_cast<Device *>(m_deviceList.at(idx));
    Interface *link = entry ? entry->interface() : nullptr;
    QSerialPort *port = link ? link->serialPort() : nullptr;
    if (!port || port->error() != QSerialPort::NoError) {
        if (usesLinkOf(entry)) {
            replaceDevice(nullptr);
            m_deviceDropped = true;
        }
        m_deviceList.removeAt(idx);
        delete entry;
        emit devListUpdate();
        emit deviceDisconnected();
        return -3;
    }

    replaceDevice(DeviceFactory::create(entry));
    if (!m_device) {
        emit unsupportedDevice();
        return -1;
    }
    connect(m_device, &Device::dataRegisterProgessUpdate, this, &Core::updateProgressBar);
    connect(m_device, &Device::busy, this, &Core::deviceIsBusy);
    return m_device->readServiceConfig();
}

int Core::setTimeNow()
{
    if (refuseWhileTalking())
        return -2;
    const QScopedValueRollback<bool> talking(m_talking, true);
    return talk([](Device *device) { return device->setClock(QDateTime::currentDateTime()); });
}

int Core::eraseMemory()
{
    if (refuseWhileTalking())
        return -2;
    const QScopedValueRollback<bool> talking(m_talking, true);
    if (!m_device)
        return noDeviceCode();
    emit eraseStarted();
    QCoreApplication::processEvents(QEventLoop::AllEvents, kEraseEventsMs);
    const int code = talk([](Device *device) { return device->eraseMemory(); });
    if (code == 0) {
        clearExperimentList();
        emit experimentListUpdate();
    }
    return code;
}

void Core::updateProgressBar(double progress)
{
    QCoreApplication::processEvents(QEventLoop::AllEvents, kProgressEventsMs);
    emit progressBarUpdated(progress);
}

void Core::deviceIsBusy()
{
    emit deviceBusy();
}

void Core::serialErrorOcurred(QSerialPort::SerialPortError error)
{
    // Serial errors reach Core through the device's recorded link error.
    Q_UNUSED(error)
}

// ------------------------------------------------------ run list and download

int Core::findExperiments()
{
    if (refuseWhileTalking())
        return -2;
    const QScopedValueRollback<bool> talking(m_talking, true);
    if (!m_device)
        return noDeviceCode();
    clearExperimentList();
    emit experimentListUpdate();
    int code = 0;
    m_experimentList = m_device->readExperimentList(&code);
    m_device->releaseExperimentList();
    if (linkLost())
        return -3;
    // A list that could not be read is no empty memory: the page must say so.
    if (code != 0)
        clearExperimentList();
    emit experimentListUpdate();
    return code;
}

int Core::createExperiment(QString idxList)
{
    if (refuseWhileTalking())
        return -2;
    const QScopedValueRollback<bool> talking(m_talking, true);
    if (!m_device)
        return noDeviceCode();
    const QJsonDocument document = QJsonDocument::fromJson(idxList.toUtf8());
    deleteChain();
    const QJsonArray indexes = document.array();
    if (!document.isArray() || indexes.isEmpty())
        return -1;
    int code = 0;
    for (const QJsonValue &index : indexes) {
        code = downloadRun(index.toInt());
        if (code != 0)
            break;
    }
    // After a lost link there is nothing left to show. Any other failure
    // keeps the runs downloaded before it, and the pages show them.
    if (code == -3 || !m_experiment)
        return code;
    emit expCompListUpdate();
    emit dataRegisterListUpdate();
    emitPlace(&Core::experimentUpdated);
    return code;
}

int Core::downloadRun(int entryIndex)
{
    if (!m_device)
        return noDeviceCode();
    if (entryIndex < 0 || entryIndex >= m_experimentList.size())
        return -1;
    const QString productName = m_device->productName();
    std::unique_ptr<Experiment> run(ExperimentFactory::create(productName));
    if (!run)
        return -1;
    delete m_pendingResults;
    m_pendingResults = ResultsFactory::create(productName);
    if (!m_pendingResults)
        return -1;
    run->setDeviceName(productName);
    run->copyHeader(qobject_cast<Experiment *>(m_experimentList.at(entryIndex)));

    int code = 0;
    m_recordReplies = m_device->readExperimentData(run.get(), &code);
    if (linkLost())
        return -3;
    if (code != 0 || run->parseRecords(m_recordReplies) != 0 || !m_device) {
        delete m_pendingResults;
        m_pendingResults = nullptr;
        if (!m_device)
            return noDeviceCode();
        return code == -2 ? -2 : -1;
    }

    // The header pages give the run's results in place of the empty ones.
    Results *results = m_device->readExperimentHeader(run.get());
    delete m_pendingResults;
    m_pendingResults = results;
    if (linkLost())
        return -3;
    if (!m_pendingResults)
        return -1;
    run->setResults(m_pendingResults);
    m_pendingResults = nullptr;

    showRecordsOf(run.get());
    Experiment *downloaded = run.release();
    if (m_experiment)
        m_experiment->append(downloaded);
    else
        setCurrentExperiment(downloaded);
    return 0;
}

void Core::nextExp()
{
    // A background save or report reads the current run.
    if (refuseWhileTalking())
        return;
    moveTo(m_experiment ? m_experiment->next() : nullptr);
}

void Core::prevExp()
{
    if (refuseWhileTalking())
        return;
    moveTo(m_experiment ? m_experiment->prev() : nullptr);
}

void Core::moveTo(Experiment *run)
{
    // At either end of the chain there is nowhere to go.
    if (!run)
        return;
    setCurrentExperiment(run);
    showRecordsOf(m_experiment);
    emit dataRegisterListUpdate();
    emitPlace(&Core::resultsUpdated);
}

// ------------------------------------------- configuration, calibration, schedules

int Core::acquireConfiguration()
{
    if (refuseWhileTalking())
        return -2;
    const QScopedValueRollback<bool> talking(m_talking, true);
    const int code = talk([](Device *device) { return device->readConfig(); });
    // No device, or the link went with the read.
    if (!m_device)
        return code;
    talk([](Device *device) { return device->readCalibration(); });
    if (!m_device)
        return -3;
    if (code == 0) {
        emit configurationUpdated();
        emit calibrationUpdated();
    }
    return code;
}

int Core::sndConfiguration(QString cfg)
{
    if (refuseWhileTalking())
        return -2;
    const QScopedValueRollback<bool> talking(m_talking, true);
    if (!m_device)
        return noDeviceCode();
    std::unique_ptr<DeviceConfig> config(FactoryDeviceConfig::create(m_device->productName()));
    if (!config || config->fromJson(cfg) != 0) {
        emit configurationError();
        return -1;
    }
    m_device->setConfig(config.release());
    return talk([](Device *device) { return device->writeConfig(); });
}

int Core::sndCalibration(QString calib)
{
    if (refuseWhileTalking())
        return -2;
    const QScopedValueRollback<bool> talking(m_talking, true);
    if (!m_device)
        return noDeviceCode();
    // Text that is no certificate must not overwrite the instrument's one
    // with an empty record.
    CalibrationCertificate certificate;
    if (certificate.fromJson(calib) != 0)
        return -1;
    return talk([&certificate](Device *device) { return device->writeCalibration(certificate); });
}

int Core::acquireScheduleList()
{
    if (refuseWhileTalking())
        return -2;
    const QScopedValueRollback<bool> talking(m_talking, true);
    const int code = talk([](Device *device) { return device->readSchedules(); });
    if (code != 0)
        return code;
    clearVirtualSchedules();
    const QList<Schedule *> schedules = m_device->scheduleList();
    for (const Schedule *schedule : schedules)
        m_virtualScheduleList.append(copySchedule(schedule));
    emit scheduleListUpdate();
    return 0;
}

int Core::sndScheduleList(QString cfg)
{
    if (refuseWhileTalking())
        return -2;
    const QScopedValueRollback<bool> talking(m_talking, true);
    if (!m_device)
        return noDeviceCode();
    bool isObject = false;
    QList<Schedule *> schedules = Device::schedulesFromJson(cfg, scheduleMaxDuration(), &isObject);
    if (!isObject)
        return -1;
    // A slot that could not be read stays as the instrument holds it,
    // whatever the page sends: it still takes its place among the ten.
    QList<Schedule *> unreadable;
    for (Schedule *held : m_device->scheduleList()) {
        if (held->unreadable())
            unreadable.append(held);
    }
    // Every schedule passes the checks of the schedule form, or nothing is
    // sent: the instrument would run what it is given.
    for (int i = 0; i < schedules.size(); ++i) {
        const QString refusal = scheduleRefusal(*schedules.at(i), unreadable + schedules.mid(0, i));
        if (!refusal.isEmpty()) {
            qDeleteAll(schedules);
            emit scheduleError(refusal);
            return -1;
        }
    }
    m_device->setScheduleList(unreadable + schedules);
    return talk([](Device *device) { return device->writeSchedules(); });
}

int Core::scheduleMaxDuration() const
{
    DeviceConfig *config = m_device ? m_device->config() : nullptr;
    return config ? config->maxExperimentDuration() : DeviceConfig::DefaultMaxExperimentDuration;
}

QString Core::scheduleRefusal(const Schedule &candidate, const QList<Schedule *> &others) const
{
    if (others.size() >= kMaxSchedules)
        return tr("The dosimeter support up to 10 schedules") + QLatin1Char('.');
    if (!candidate.fitsMaxDuration())
        return tr("The experiment is too long") + QLatin1Char('.');
    if (!candidate.isFree(others))
        return tr("The schedule is not available") + QLatin1Char('.');
    if (!Device::isQuotableText(candidate.label()))
        return tr("The schedule label may hold only Latin-1 characters, no double quote and no "
                  "line break") +
               QLatin1Char('.');
    return QString();
}

void Core::addSchedule(QString schedule)
{
    const QJsonObject json = QJsonDocument::fromJson(schedule.toUtf8()).object();
    QList<Schedule *> others;
    for (QObject *object : qAsConst(m_virtualScheduleList))
        others.append(qobject_cast<Schedule *>(object));
    auto candidate = std::make_unique<Schedule>();
    candidate->setMaxDuration(scheduleMaxDuration());
    candidate->fromJson(json);
    const QString refusal = scheduleRefusal(*candidate, others);
    if (!refusal.isEmpty()) {
        emit scheduleError(refusal);
        return;
    }
    m_virtualScheduleList.append(candidate.release());
    emit scheduleOk();
    emit scheduleListUpdate();
}

void Core::removeSchedule(int idx)
{
    // A slot that could not be read is not the user's to clear unseen.
    const auto *schedule = qobject_cast<Schedule *>(m_virtualScheduleList.value(idx));
    if (schedule && !schedule->unreadable())
        delete m_virtualScheduleList.takeAt(idx);
    emit scheduleListUpdate();
}

// ------------------------------------------------- data files and reports

QString Core::prepareSave(const QString &fileName)
{
    if (!m_device || !m_experiment)
        return QString();
    QString path = QmlFileName::toLocalPath(fileName);
    delete m_dataFile;
    m_dataFile = FileFactory::createByName(m_device->productName(), path);
    return m_dataFile ? path : QString();
}

QByteArray Core::dataFileLine() const
{
    QList<QJsonObject> runs;
    for (Experiment *run = m_experiment->first(); run; run = run->next())
        runs.append(run->toJson());
    return DataFileEnvelope::line(
        DataFileEnvelope::document(buildRevision(), m_device->toJson(), runs));
}

int Core::saveOutcome(const QString &path, int written, const QString &reason)
{
    if (written == 0)
        return 0;
    emit writeError(writeProblem(path, reason));
    emit openFileError(m_device ? m_device->productName() : QString());
    return -1;
}

int Core::saveExperimentToFile(QString fileName)
{
    if (m_worker)
        return -2;
    const QString path = prepareSave(fileName);
    if (path.isEmpty())
        return -1;
    QString reason;
    return saveOutcome(path, VfFile::writeLine(path, dataFileLine(), &reason), reason);
}

int Core::startSaveExperimentToFile(QString fileName)
{
    if (m_worker || m_talking)
        return -2;
    const QString path = prepareSave(fileName);
    if (path.isEmpty())
        return -1;
    struct Outcome
    {
        int written = -1;
        QString reason;
    };
    const auto outcome = std::make_shared<Outcome>();
    newWorker(
        [this, path, outcome] {
            outcome->written = VfFile::writeLine(path, dataFileLine(), &outcome->reason);
        },
        [this, path, outcome] {
            emit fileSaved(saveOutcome(path, outcome->written, outcome->reason));
        })
        ->start();
    return 0;
}

QString Core::writeProblem(const QString &path, const QString &reason)
{
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir())
        return tr("The folder \"%1\" does not exist.")
            .arg(QDir::toNativeSeparators(folder.filePath()));
    if (!folder.isWritable() || (file.exists() && !file.isWritable()))
        return tr("There is no permission to write \"%1\".").arg(QDir::toNativeSeparators(path));
    const QString text = tr("\"%1\" could not be written.").arg(QDir::toNativeSeparators(path));
    return reason.isEmpty() ? text : text + QLatin1Char(' ') + reason;
}

bool Core::openDataFile(const QString &fileName)
{
    const QString path = QmlFileName::toLocalPath(fileName);
    delete m_dataFile;
    m_dataFile = FileFactory::createByExtension(path);
    if (!m_dataFile || !m_dataFile->openForReading()) {
        deleteChain();
        emit invalidFile();
        return false;
    }
    emit fileReadStarted();
    return true;
}

void Core::parseFile(QString fileName)
{
    if (refuseWhileTalking())
        return;
    const QScopedValueRollback<bool> talking(m_talking, true);
    if (!openDataFile(fileName))
        return;
    deleteChain();
    const QByteArray content = m_dataFile->readContent();
    m_dataFile->close();
    QJsonObject root;
    m_dataFile->decode(content, root);
    showFileDocument(root);
}

int Core::startParseFile(QString fileName)
{
    if (refuseWhileTalking())
        return -2;
    if (!openDataFile(fileName))
        return -1;
    VfFile *file = m_dataFile;
    const auto root = std::make_shared<QJsonObject>();
    // The file object is the worker's until it ends: nothing deletes it
    // while work runs in the background.
    newWorker(
        [this, file, root] {
            const QByteArray content = file->readContent();
            // The runs shown until now go while the file is decoded: their
            // memory given back while the file is read slows the reading.
            QMetaObject::invokeMethod(this, &Core::deleteRetiredChain, Qt::QueuedConnection);
            file->close();
            file->decode(content, *root);
        },
        [this, root] {
            deleteRetiredChain();
            showFileDocument(*root);
        })
        ->start();
    retireChain();
    return 0;
}

void Core::showFileDocument(const QJsonObject &root)
{
    const bool decoded = m_dataFile->status() == VfFile::Ok;
    replaceDevice(decoded ? m_dataFile->readHeader(root) : nullptr);
    if (m_device)
        setCurrentExperiment(m_dataFile->parseDocument(root));

    if (m_dataFile->status() != VfFile::Ok) {
        deleteChain();
        replaceDevice(nullptr);
        delete m_dataFile;
        m_dataFile = nullptr;
        emit invalidFile();
    } else if (m_experiment) {
        showRecordsOf(m_experiment);
        emit expCompListUpdate();
        emitPlace(&Core::experimentUpdated);
    }
    emit fileReadFinished();
}

std::unique_ptr<VfPrinter> Core::reportPrinter(const QString &options)
{
    if (!m_device || !m_experiment)
        return nullptr;
    std::unique_ptr<VfPrinter> printer(PrinterFactory::create(m_device->productName()));
    if (!printer) {
        emit unsupportedDevice();
        return nullptr;
    }
    printer->setProductName(m_device->productName());
    printer->setSn(m_device->sn());
    printer->setCalibration(m_device->calibration());
    printer->setReportOptions(options);
    printer->setExperiment(m_experiment->first());
    return printer;
}

int Core::writeReport(VfPrinter *printer)
{
    // The PDF is ended whatever the painting gave, so that the thread that
    // painted it also finishes it.
    const int printed = printer->print();
    const int ended = printer->endPainting();
    return printed != 0 || ended != 0 ? -1 : 0;
}

int Core::reportOutcome(VfPrinter *printer, int result)
{
    // A report that was not painted or not finished must reach the user as a
    // failure, with the reason when it is the file.
    if (result != 0) {
        emit writeError(writeProblem(printer->failedFileName(), printer->failedReason()));
        return -1;
    }
    if (!printer->openReport())
        emit reportNotOpened(QDir::toNativeSeparators(printer->reportFileName()));
    return 0;
}

QStringList Core::existingReportFiles(const QString &options) const
{
    std::unique_ptr<VfPrinter> printer(m_device ? PrinterFactory::create(m_device->productName())
                                                : nullptr);
    if (!printer)
        return {};
    printer->setReportOptions(options);
    QStringList existing;
    for (const QString &file : printer->outputFileNames()) {
        if (QFileInfo::exists(file))
            existing.append(file);
    }
    return existing;
}

QStringList Core::existingDataFiles(const QString &fileName) const
{
    if (!m_device)
        return {};
    const QString path =
        FileFactory::dataFileName(m_device->productName(), QmlFileName::toLocalPath(fileName));
    if (!QFileInfo::exists(path))
        return {};
    return {QDir::toNativeSeparators(path)};
}

int Core::generateReport(QString options)
{
    // A download appends to the chain while it waits for the instrument, and
    // a lost link deletes it.
    if (m_worker || m_talking)
        return -2;
    const std::unique_ptr<VfPrinter> printer = reportPrinter(options);
    if (!printer)
        return -1;
    return reportOutcome(printer.get(), writeReport(printer.get()));
}

int Core::startReport(QString options)
{
    if (m_worker || m_talking)
        return -2;
    m_reportPrinter = reportPrinter(options);
    if (!m_reportPrinter)
        return -1;
    VfPrinter *printer = m_reportPrinter.get();
    connect(printer, &VfPrinter::pageWritten, this, &Core::reportProgress, Qt::QueuedConnection);
    // The printer belongs to the worker while it writes (it parents what it
    // makes), and comes back with the report.
    QThread *home = thread();
    QThread *worker = newWorker(
        [this, printer, home] {
            m_reportResult = writeReport(printer);
            printer->moveToThread(home);
        },
        [this] {
            const std::unique_ptr<VfPrinter> written = std::move(m_reportPrinter);
            const int result = reportOutcome(written.get(), m_reportResult);
            emit reportRunningChanged();
            emit reportFinished(result);
        });
    printer->moveToThread(worker);
    emit reportRunningChanged();
    emit reportProgress(0, 0);
    worker->start();
    return 0;
}

QThread *Core::newWorker(const std::function<void()> &work, std::function<void()> end)
{
    m_worker = QThread::create(work);
    m_workerEnd = std::move(end);
    // Queued: the worker has returned by the time Core collects it.
    connect(m_worker, &QThread::finished, this, &Core::endBackgroundWork, Qt::QueuedConnection);
    return m_worker;
}

void Core::endBackgroundWork()
{
    if (!m_worker)
        return;
    m_worker->wait();
    delete m_worker;
    m_worker = nullptr;
    // What the worker posted before it ended (a report's pages) comes first.
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
    const std::function<void()> end = std::move(m_workerEnd);
    m_workerEnd = nullptr;
    end();
}

// ------------------------------------------------------------ result refresh

void Core::refreshWorkingHours(QString expParam)
{
    if (m_worker)
        return;
    Results *results = m_experiment ? m_experiment->results() : nullptr;
    if (results && results->refreshWorkingHours(expParam) == 0)
        emitPlace(&Core::resultsUpdated);
}

void Core::refreshPartialResults(QString exposureComponentList)
{
    if (!m_experiment || m_worker)
        return;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(exposureComponentList.toUtf8(), &error);
    // Valid JSON of another shape is ignored; text that is no JSON at all
    // counts as no components.
    if (error.error == QJsonParseError::NoError && !document.isArray())
        return;
    Experiment *head = m_experiment->first();
    const QJsonArray components = document.array();
    for (const QJsonValue &value : components) {
        const QJsonObject component = value.toObject();
        const int event = component.value(QStringLiteral("event")).toInt();
        for (Experiment *run = head; run; run = run->next()) {
            if (run->index() == event && run->results())
                run->results()->refreshExposureComponent(component);
        }
    }
    setCurrentExperiment(head);
    if (head->results())
        head->results()->applyExposureComponents(head);
    emitPlace(&Core::resultsUpdated);
}

void Core::refreshGeneralData(QString generalData)
{
    const QJsonDocument document = QJsonDocument::fromJson(generalData.toUtf8());
    Results *results = m_experiment ? m_experiment->results() : nullptr;
    if (document.isNull() || !results || m_worker)
        return;
    results->refreshGeneralData(document.object());
    results->applyExposureComponents(m_experiment);
    emitPlace(&Core::resultsUpdated);
}
