#pragma once

#include "CalibrationCertificate.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSerialPort>
#include <QString>

class DeviceConfig;
class Experiment;
#include "Interface.h"
class Results;
class Schedule;

// One connected instrument: its identity, calibration certificate, schedules,
// configuration and the exchanges every model shares. Each model derives its
// own class and overrides the virtual operations to build its commands.
//
// Results of the exchanges: 0 success; -1 ERROR or an unreadable reply; -2 BUSY;
// -3 no usable reply, a failed send or a lost link.
class Device : public QObject
{
    Q_OBJECT
    Q_PROPERTY(
        QString productName READ productName WRITE setProductName NOTIFY devProductnameChanged)
    Q_PROPERTY(QString manufactoryName READ manufactoryName WRITE setManufactoryName NOTIFY
                   devManufactoryChanged)
    Q_PROPERTY(QString sn READ sn WRITE setSn NOTIFY devSNChanged)
    Q_PROPERTY(QString fw READ fw WRITE setFw NOTIFY devFWChanged)

public:
    explicit Device(QObject *parent = nullptr);
    ~Device() override;

    QString productName() const { return m_productName; }
    void setProductName(const QString &name);
    QString manufactoryName() const { return m_manufactoryName; }
    void setManufactoryName(const QString &name);
    QString sn() const { return m_sn; }
    void setSn(const QString &sn);
    QString fw() const { return m_fw; }
    void setFw(const QString &fw);
    QString firmware() const { return m_fw; }
    void setFirmware(const QString &fw) { m_fw = fw; }

    // Sets the port name on the link and opens it: 0 open.
    int open(const QString &portName);
    int sendCommand(const char *command);
    int sendCommand(const QByteArray &command);
    QByteArray readReply();
    // One exchange: the reply, or an empty array when the send failed
    // (`sent` tells which). Replies of earlier commands are never taken (see
    // Interface).
    QByteArray exchange(const QByteArray &command, bool *sent = nullptr);
    // An exchange whose answer, when the instrument takes the command, holds
    // the command's own information line (an identity, a certificate): a
    // bare OK that comes before that line answers an earlier command.
    QByteArray informationExchange(const QByteArray &command, bool *sent = nullptr);

    Interface *interface() const { return m_link; }
    // Uses a probed device's link without owning it. The link may be deleted
    // by its owner; this device then sees no link and every send fails.
    void connectInterface(Interface *link);
    int linkError() const { return m_linkError; }
    void clearLinkError() { m_linkError = 0; }

    // Copies identity and calibration from a probed device and adopts its link.
    void adoptProbedDevice(Device *probed);

    CalibrationCertificate calibration() const { return m_calibration; }
    void setCalibration(const CalibrationCertificate &calibration) { m_calibration = calibration; }
    DeviceConfig *config() const { return m_config; }
    // The device owns its configuration; the one held before is deleted.
    void setConfig(DeviceConfig *config);

    QList<Schedule *> scheduleList() const { return m_scheduleList; }
    // The device owns its schedules; the ones held before are deleted.
    void setScheduleList(const QList<Schedule *> &schedules);
    int setScheduleListJson(const QString &json);
    // New schedules, one per element of the "scheduleList" array of a JSON
    // object, each given `maxDuration`; `ok` is false when the text is not a
    // JSON object. The caller owns them.
    static QList<Schedule *> schedulesFromJson(const QString &json, int maxDuration, bool *ok);

    void echoOff();
    // 0 identified, 1 a query failed (the identities read before it stay).
    int readIdentity();
    int setClock(const QDateTime &dateTime);
    int eraseMemory();
    int readCommonHeader(Results *results, int index);
    // One information page: sends `command` and hands its reply to `text`
    // with every "\r\n" + `prefix` cut to `prefix`, the blank line before the
    // final OK made one "\n" and the OK removed. A page of several lines
    // keeps them separated by "\r\n". 0 read; -1 ERROR or an unfinished
    // reply; -2 BUSY (after `busy()`); -3 not sent.
    int readInformationPage(const QByteArray &command, const QByteArray &prefix, QByteArray &text);
    // Header page `page` of run `index` ("AT+VFXPHDR=<page>,<index>"), as the
    // header parsers take it: every line as "+VFXPHDR: <fields>", the last one
    // ending in "\n". Results as readInformationPage.
    int readHeaderPage(int page, int index, QByteArray &text);
    // The runs the instrument lists. The caller owns the returned runs.
    // `status`: 0 read; -1 ERROR, no usable reply or a bad line (the list is
    // then empty); -2 BUSY (after `busy()`); -3 not sent.
    QList<QObject *> readExperimentList(int *status = nullptr);
    // The record lines of a run, downloaded in blocks of ten; empty when a
    // block was refused. `status`: 0 every block read (a run of no records
    // gives no lines); -1 a block answered ERROR or not at all, or a negative
    // size; -2 BUSY (after `busy()`); -3 a block could not be sent (the lines
    // read before it are returned).
    QList<QByteArray> readExperimentData(Experiment *run, int *status = nullptr);
    void clearExperimentList();
    // Forgets the listed runs without deleting them, once their new owner has
    // taken them: the device must not hand them out again after that owner
    // deleted them.
    void releaseExperimentList() { m_experimentList.clear(); }

    QJsonObject toJson() const;

    // True when `text` can travel inside a quoted field of one command line:
    // it encodes in ISO 8859-1 and holds no quote or control character that
    // would end the field or the command early.
    static bool isQuotableText(const QString &text);

    static constexpr int RecordBlockSize = 10;

public slots:
    virtual Results *readExperimentHeader(Experiment *run);
    virtual int readConfig();
    virtual int writeConfig();
    virtual int readSchedules();
    virtual int writeSchedules();
    virtual int readServiceConfig();
    virtual int writeCalibration(const CalibrationCertificate &certificate);
    virtual int readCalibration();

    void ifaceErrorOcurred(QSerialPort::SerialPortError s);

signals:
    void devProductnameChanged();
    void devManufactoryChanged();
    void devSNChanged();
    void devFWChanged();
    void dataRegisterProgessUpdate(double progess);
    void busy();

protected:
    // Maps a reply's final line: OK 0, ERROR -1, BUSY -2, anything else -3.
    static int finalLineCode(const QByteArray &reply);
    // The same for a reply that must be that final line alone: anything
    // before it makes the reply unrecognised (-3).
    static int exactFinalLineCode(const QByteArray &reply);
    // The text of an information reply: every `prefix` ("\r\n+CMD: "), the
    // final OK and every line break removed, cut at the first NUL.
    static QByteArray informationText(QByteArray reply, const QByteArray &prefix);
    // The certificate exchanges "AT+<name>?" and "AT+<name>=" of the device's
    // calibration record. The read: 0, -1 ERROR or an unreadable record, -2
    // BUSY (no signal). The write sends the certificate's instrument text: 0
    // when the reply is exactly OK, -2 exactly BUSY (after `busy()`), -1
    // otherwise, also for a record that is not writable or a text that cannot
    // travel in a quoted field (nothing is sent then).
    int readCertificate(const QByteArray &name);
    int writeCertificate(const QByteArray &name, const CalibrationCertificate &certificate);

private:
    QByteArray exchange(const QByteArray &command, Interface::Answer answer, bool *sent);
    QList<QObject *> listRuns(int &status);
    QList<QByteArray> downloadRecords(Experiment *run, int &status);
    int readIdentityField(const char *command, const QByteArray &prefix, QString &text);

    QPointer<Interface> m_link;
    Interface *m_ownLink = nullptr;
    QString m_productName;
    QString m_manufactoryName;
    QString m_sn;
    QString m_fw;
    QMetaObject::Connection m_ifaceErrorConnection;
    CalibrationCertificate m_calibration;
    QList<QObject *> m_experimentList;
    QList<Schedule *> m_scheduleList;
    DeviceConfig *m_config = nullptr;
    int m_linkError = 0;
};
