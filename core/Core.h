#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QSerialPort>
#include <QString>
#include <QVariant>

#include <functional>
#include <memory>

class Device;
class Experiment;
class QJsonObject;
class QThread;
class Results;
class Schedule;
class VfFile;
class VfPrinter;
class VfSamples;

// The backend that the QML scene drives, seen there as "core". Its slots take
// JSON text or indexes, its properties give lists and JSON text, and its
// signals report progress, completion and failures.
//
// The device search probes the system's serial ports, then the paths listed
// in the environment variable VALTRIX_EXTRA_PORTS (colon-separated);
// VALTRIX_SYSTEM_PORTS=0 leaves the system's own ports out.
//
// Results of the int slots: 0 success; -1 ERROR, an operation the model does
// not offer, a model without the class needed, unusable text from QML or no
// device; -2 BUSY (deviceBusy is emitted too); -3 no usable reply or a lost
// link (after a lost link the device state is already dropped and
// deviceDisconnected emitted).
//
// A wait for the instrument runs the event loop, so QML may call a slot while
// another one is still talking. Such a call is refused (-2, as if the
// instrument were busy, and nothing is touched): it would otherwise delete the
// device, the chain or the lists under the exchange in progress, or put a
// second command on the line.
//
// The JSON texts for QML are compact. `experiment` holds the whole run;
// `experimentSummary` the run with an empty sample list, and `samples`
// (VfSamples) puts the samples on screen in bulk: the results pages read
// those two.
//
// The schedule list read from the instrument may hold unreadable schedules
// (slots whose content could not be read, see Schedule): they are shown in
// place, cannot be removed, and a list sent back leaves their slots as they
// are, whatever it holds.
//
// A report is written, and a data file saved or read, either while the caller
// waits (generateReport, saveExperimentToFile, parseFile) or on a worker
// thread (startReport, startSaveExperimentToFile, startParseFile), which
// tells its end by a signal (reportFinished, fileSaved, fileReadFinished or
// invalidFile); a report tells its pages through reportProgress. While a
// worker runs it reads the chain of runs or the data file: every slot that
// would change or delete them or the device is refused then (-2, as while
// the instrument is talking), and so is other background work.
//
// Ownership: Core owns the probed devices, the current device, the run-list
// entries, the chain of opened runs (each run owns its logs and results), the
// data-file object and the schedules being edited.
class Core : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QVariant deviceList READ deviceList NOTIFY devListUpdate)
    Q_PROPERTY(QVariant experimentList READ experimentList NOTIFY experimentListUpdate)
    Q_PROPERTY(QVariant virtualSchedulelist READ virtualSchedulelist NOTIFY scheduleListUpdate)
    Q_PROPERTY(QVariant expCompList READ expCompList NOTIFY expCompListUpdate)
    Q_PROPERTY(QString devName READ devName)
    Q_PROPERTY(QVariant device READ device)
    Q_PROPERTY(QString experiment READ experiment)
    Q_PROPERTY(QString configuration READ configuration NOTIFY configurationChanged)
    Q_PROPERTY(QString calib READ calib)
    Q_PROPERTY(QString version READ version NOTIFY versionChanged)
    Q_PROPERTY(QString builtDate READ builtDate NOTIFY versionChanged)
    Q_PROPERTY(QString builtYear READ builtYear NOTIFY versionChanged)
    Q_PROPERTY(QString revision READ revision NOTIFY versionChanged)
    Q_PROPERTY(QString coreBits READ coreBits NOTIFY versionChanged)
    Q_PROPERTY(QString experimentSummary READ experimentSummary)
    Q_PROPERTY(QObject *samples READ samples CONSTANT)
    Q_PROPERTY(bool reportRunning READ reportRunning NOTIFY reportRunningChanged)

public:
    explicit Core(QObject *parent = nullptr);
    ~Core() override;

    QVariant deviceList() const;
    QVariant experimentList() const;
    QVariant virtualSchedulelist() const;
    // New components, one per run of the chain. The reader owns them; QML's
    // engine collects them when they are no longer referenced.
    QVariant expCompList() const;
    QString devName() const;
    QVariant device() const;
    QString experiment() const;
    // The current run's JSON text with an empty sample list.
    QString experimentSummary() const;
    // The current run's samples for the results pages.
    QObject *samples() const;
    QString configuration() const;
    QString calib() const;
    QString version() const;
    QString builtDate() const;
    QString builtYear() const;
    QString revision() const;
    QString coreBits() const;
    // True while a report started by startReport is being written.
    bool reportRunning() const { return m_worker && m_reportPrinter; }
    // True while a data file is saved or read, or a report written, on a
    // worker thread; its signal tells when it has ended.
    bool backgroundWorkRunning() const { return m_worker; }

    // The build's revision number as text; data files and reports carry it.
    static QString buildRevision();

    // For tests and the report writer: the current device and run.
    Device *currentDevice() const { return m_device; }
    Experiment *currentExperiment() const { return m_experiment; }

    // The files a report of the current run with these options would write
    // that exist already: the report window asks before it replaces them.
    Q_INVOKABLE QStringList existingReportFiles(const QString &options) const;
    // The data file a save to `fileName` would write (the model's extension
    // added as the save adds it), when it exists already: the page asks
    // before it replaces it.
    Q_INVOKABLE QStringList existingDataFiles(const QString &fileName) const;

signals:
    void devListUpdate();
    void experimentListUpdate();
    void expCompListUpdate();
    void dataRegisterListUpdate();
    void kestrum2ProgressUpdate();
    void dravo2ProgressUpdate();
    void experimentUpdated(int position);
    void progressBarUpdated(double progress);
    void resultsUpdated(int position);
    void scheduleListUpdate();
    void scheduleOk();
    void configurationChanged();
    void configurationUpdated();
    void calibrationUpdated();
    void versionChanged();
    void findingDevices(double progress);
    void findDeviceFinished();
    void eraseStarted();
    void eraseSuccessful();
    void eraseFailed();
    void fileReadFinished();
    void fileReadStarted();
    void deviceBusy();
    void deviceDisconnected();
    void invalidFile();
    void unsupportedDevice();
    void scheduleError(QString message);
    void openFileError(QString productName);
    void configurationError();
    // A data file or a report could not be written; `message` says why.
    void writeError(QString message);
    // The report was written to `fileName`, but no viewer of the desktop
    // opened it.
    void reportNotOpened(QString fileName);
    // A search that found no instrument could not open these ports:
    // `message` names each and says why (permission denied, in use by another
    // program). Emitted before findDeviceFinished.
    void portsNotOpened(QString message);
    // A report started by startReport has written page `page` of
    // `pageCount` (the count is known before the first page is written);
    // (0, 0) when it has begun laying its pages out.
    void reportProgress(int page, int pageCount);
    // A report started by startReport has ended with `result`, the code
    // generateReport gives; writeError or reportNotOpened came before it.
    void reportFinished(int result);
    void reportRunningChanged();
    // A save started by startSaveExperimentToFile has ended with `result`,
    // the code saveExperimentToFile gives (writeError came before a failure).
    void fileSaved(int result);

public slots:
    int setTimeNow();
    int findExperiments();
    int saveExperimentToFile(QString fileName);
    // Starts the same save on a worker thread: 0 started, else the code
    // saveExperimentToFile would have given at once (-2 while other work
    // runs in the background), and no fileSaved.
    int startSaveExperimentToFile(QString fileName);
    int createDevice(int idx);
    int createExperiment(QString idxList);
    int acquireConfiguration();
    int acquireScheduleList();
    int sndConfiguration(QString cfg);
    int sndCalibration(QString calib);
    int sndScheduleList(QString cfg);
    int eraseMemory();
    // Writes the report of the current chain and returns when it is done: 0
    // written, -1 failed (writeError says why), -2 while another report is
    // being written or the instrument is talking (a download adds to the
    // chain, and a lost link deletes it).
    int generateReport(QString options);
    // Starts the same report on a worker thread: 0 started, else the code
    // generateReport would have given at once (and no reportFinished).
    int startReport(QString options);
    void refreshWorkingHours(QString expParam);
    void refreshPartialResults(QString exposureComponentList);
    void refreshGeneralData(QString generalData);
    void parseFile(QString fileName);
    // Reads and decodes the file on a worker thread, then shows it as
    // parseFile does: 0 started, -1 when the file cannot be opened
    // (invalidFile), -2 while other work runs.
    int startParseFile(QString fileName);
    void updateProgressBar(double progress);
    void removeSchedule(int idx);
    void addSchedule(QString schedule);
    void serialErrorOcurred(QSerialPort::SerialPortError error);
    void deviceIsBusy();
    void findDevices();
    void nextExp();
    void prevExp();

private:
    // True (after emitting deviceBusy) when another slot is talking to the
    // instrument; the caller must then leave everything as it is.
    bool refuseWhileTalking();
    // The code a slot gives when there is no device to talk to: -3 once the
    // device was dropped with its link, -1 when none was ever chosen.
    int noDeviceCode() const;
    // True (after running the link-loss sequence) when the current device
    // recorded a serial error.
    bool linkLost();
    void dropLinkState();
    void clearDeviceList();
    void clearExperimentList();
    void clearVirtualSchedules();
    void deleteChain();
    // Takes the current chain out of view and keeps its head for
    // deleteRetiredChain: a long chain takes a while to delete.
    void retireChain();
    void deleteRetiredChain();
    // Runs one device operation and checks the link after it: the
    // operation's code, -3 when the link was lost, the no-device code when
    // there is no device.
    int talk(const std::function<int(Device *)> &operation);
    // Deletes the current device and takes `device` (may be null).
    void replaceDevice(Device *device);
    // True when the current device talks through the link of `probed`.
    bool usesLinkOf(const QObject *probed) const;
    // Makes `run` (a member of the chain, or null) the current run.
    void setCurrentExperiment(Experiment *run);
    void showRecordsOf(const Experiment *run);
    // Makes a neighbour in the chain the current run (nothing when null).
    void moveTo(Experiment *run);
    // Drops the current device when it talks through a probed device's link.
    void dropDeviceUsingProbedLinks();
    int downloadRun(int entryIndex);
    // Why `path` could not be written, for the user: a folder that does not
    // exist, no permission, or the system's `reason`.
    static QString writeProblem(const QString &path, const QString &reason = QString());
    // The longest run a schedule may take on the current device.
    int scheduleMaxDuration() const;
    // Why `candidate` cannot join `others` in the schedule list (the
    // message for the user), or an empty text when it can.
    QString scheduleRefusal(const Schedule &candidate, const QList<Schedule *> &others) const;
    // The printer of the current device's model set up with `options` for
    // the current chain; null (-1) when there is no run or no printer.
    std::unique_ptr<VfPrinter> reportPrinter(const QString &options);
    // Paints and ends the report: 0 or -1. Runs on any thread.
    static int writeReport(VfPrinter *printer);
    // Tells the outcome of a report that `writeReport` gave `result`: the
    // reason of a failure, or the written file to the desktop's viewer.
    int reportOutcome(VfPrinter *printer, int result);
    // A worker thread that runs `work`; once it has finished, `end` runs on
    // this thread. The caller starts it.
    QThread *newWorker(const std::function<void()> &work, std::function<void()> end);
    // Collects the worker once it has finished and runs its end.
    void endBackgroundWork();
    // The data file's content for the current chain.
    // Line 1 of the data file of the current chain (DataFileEnvelope::line).
    QByteArray dataFileLine() const;
    // Where a data file is saved: `fileName` as a path, with its file object
    // made anew; empty (-1) when the model has none.
    QString prepareSave(const QString &fileName);
    // Tells the outcome of writing `path`: 0, or -1 after writeError and
    // openFileError.
    int saveOutcome(const QString &path, int written, const QString &reason);
    // Opens `fileName` as the data file, from no chain: false (after
    // invalidFile) when it cannot be read.
    bool openDataFile(const QString &fileName);
    // Shows the file whose document `decode` gave `root` (or refused).
    void showFileDocument(const QJsonObject &root);
    // Emits `signal` with the current run's place code, when there is a run.
    void emitPlace(void (Core::*signal)(int));

    Device *m_device = nullptr;
    Experiment *m_experiment = nullptr;
    // The head of a chain no longer shown, until it is deleted.
    Experiment *m_retiredChain = nullptr;
    VfFile *m_dataFile = nullptr;
    VfSamples *m_samples;
    QList<QObject *> m_deviceList;
    QList<QObject *> m_experimentList;
    QList<QObject *> m_recordList;
    QList<QObject *> m_virtualScheduleList;
    QList<QByteArray> m_recordReplies;
    Results *m_pendingResults = nullptr;
    bool m_deviceDropped = false;
    bool m_talking = false;
    QThread *m_worker = nullptr;
    std::unique_ptr<VfPrinter> m_reportPrinter;
    int m_reportResult = -1;
    std::function<void()> m_workerEnd;
};
