#include "Device.h"

#include "DeviceConfig.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "ExperimentFactory.h"
#include "Interface.h"
#include "Results.h"
#include "Schedule.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTextCodec>

namespace {

const QByteArray kOk = "\r\nOK\r\n";
const QByteArray kError = "\r\nERROR\r\n";
const QByteArray kBusy = "\r\nBUSY\r\n";

QByteArray upToNul(const QByteArray &bytes)
{
    const int nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.left(nul);
}

} // namespace

Device::Device(QObject *parent)
    : QObject(parent)
    , m_ownLink(new Interface(this))
{
    m_link = m_ownLink;
    m_ownLink->setLinkType(Interface::SerialLink);
    m_ifaceErrorConnection =
        connect(m_ownLink, &Interface::ifaceErrorOcurred, this, &Device::ifaceErrorOcurred);
}

Device::~Device()
{
    qDeleteAll(m_scheduleList);
    // The own link and the configuration are children and go with the device.
}

void Device::setProductName(const QString &name)
{
    if (m_productName == name)
        return;
    m_productName = name;
    emit devProductnameChanged();
}

void Device::setManufactoryName(const QString &name)
{
    if (m_manufactoryName == name)
        return;
    m_manufactoryName = name;
    emit devManufactoryChanged();
}

void Device::setSn(const QString &sn)
{
    if (m_sn == sn)
        return;
    m_sn = sn;
    emit devSNChanged();
}

void Device::setFw(const QString &fw)
{
    if (m_fw == fw)
        return;
    m_fw = fw;
    emit devFWChanged();
}

int Device::open(const QString &portName)
{
    if (!m_link)
        return 1;
    m_link->setPortName(portName);
    return m_link->open();
}

int Device::sendCommand(const char *command)
{
    return sendCommand(QByteArray(command));
}

int Device::sendCommand(const QByteArray &command)
{
    if (!m_link)
        return 1;
    return m_link->write(command);
}

QByteArray Device::readReply()
{
    if (!m_link)
        return QByteArray("");
    return m_link->readReply();
}

QByteArray Device::exchange(const QByteArray &command, bool *sent)
{
    return exchange(command, Interface::Answer::Any, sent);
}

QByteArray Device::informationExchange(const QByteArray &command, bool *sent)
{
    return exchange(command, Interface::Answer::Information, sent);
}

QByteArray Device::exchange(const QByteArray &command, Interface::Answer answer, bool *sent)
{
    const bool ok = m_link && m_link->write(command, answer) == 0;
    if (sent)
        *sent = ok;
    return ok ? readReply() : QByteArray();
}

void Device::connectInterface(Interface *link)
{
    if (m_link == link)
        return;
    disconnect(m_ifaceErrorConnection);
    if (m_ownLink) {
        delete m_ownLink;
        m_ownLink = nullptr;
    }
    m_link = link;
    if (link)
        m_ifaceErrorConnection =
            connect(link, &Interface::ifaceErrorOcurred, this, &Device::ifaceErrorOcurred);
}

void Device::adoptProbedDevice(Device *probed)
{
    if (!probed)
        return;
    setManufactoryName(probed->manufactoryName());
    setProductName(probed->productName());
    setSn(probed->sn());
    setFirmware(probed->firmware());
    setCalibration(probed->calibration());
    connectInterface(probed->interface());
}

void Device::setConfig(DeviceConfig *config)
{
    if (m_config == config)
        return;
    delete m_config;
    m_config = config;
    if (m_config)
        m_config->setParent(this);
}

void Device::setScheduleList(const QList<Schedule *> &schedules)
{
    for (Schedule *schedule : qAsConst(m_scheduleList)) {
        if (!schedules.contains(schedule))
            delete schedule;
    }
    m_scheduleList = schedules;
}

QList<Schedule *> Device::schedulesFromJson(const QString &json, int maxDuration, bool *ok)
{
    QList<Schedule *> schedules;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    *ok = document.isObject();
    const QJsonArray array = document.object().value(QStringLiteral("scheduleList")).toArray();
    for (const QJsonValue &value : array) {
        auto *schedule = new Schedule;
        schedule->setMaxDuration(maxDuration);
        schedule->fromJson(value.toObject());
        schedules.append(schedule);
    }
    return schedules;
}

int Device::setScheduleListJson(const QString &json)
{
    bool ok = false;
    const QList<Schedule *> schedules = schedulesFromJson(json, 0, &ok);
    if (!ok)
        return -1;
    setScheduleList(schedules);
    return 0;
}

void Device::echoOff()
{
    exchange("ATE0\r\n");
}

int Device::readIdentityField(const char *command, const QByteArray &prefix, QString &text)
{
    bool sent = false;
    QByteArray reply = informationExchange(command, &sent);
    if (!sent || !reply.endsWith(kOk))
        return 1;
    reply = upToNul(reply);
    reply.replace(prefix, "");
    reply.replace(kOk, "");
    reply.replace("\r\n", "");
    text = QString::fromUtf8(reply);
    return 0;
}

int Device::readIdentity()
{
    echoOff();
    // A port that talks on and on (a console, a GPS receiver) holds no
    // instrument: leave it at once rather than wait out every query.
    if (m_link && m_link->lastWaitEnd() == Interface::WaitEnd::ReplyLimit)
        return 1;
    QString text;
    if (readIdentityField("AT+CGMI\r\n", "\r\n+CGMI: ", text) != 0)
        return 1;
    setManufactoryName(text);
    if (readIdentityField("AT+CGMM\r\n", "\r\n+CGMM: ", text) != 0)
        return 1;
    setProductName(text);
    if (readIdentityField("AT+CGSN\r\n", "\r\n+CGSN: ", text) != 0)
        return 1;
    setSn(text);
    if (readIdentityField("AT+CGMR\r\n", "\r\n+CGMR: ", text) != 0)
        return 1;
    setFirmware(text);
    readCalibration();
    return 0;
}

int Device::finalLineCode(const QByteArray &reply)
{
    if (reply.endsWith(kOk))
        return 0;
    if (reply.endsWith(kBusy))
        return -2;
    if (reply.endsWith(kError))
        return -1;
    return -3;
}

int Device::exactFinalLineCode(const QByteArray &reply)
{
    if (reply == kOk || reply == kError || reply == kBusy)
        return finalLineCode(reply);
    return -3;
}

QByteArray Device::informationText(QByteArray reply, const QByteArray &prefix)
{
    reply.replace(prefix, "");
    reply.replace(kOk, "");
    reply.replace("\r\n", "");
    return upToNul(reply);
}

int Device::setClock(const QDateTime &dateTime)
{
    const QByteArray command = "AT+CCLK=\"" + formatDeviceDateTime(dateTime).toLatin1() + "\"\r\n";
    bool sent = false;
    const QByteArray reply = exchange(command, &sent);
    if (!sent)
        return -3;
    return finalLineCode(reply);
}

int Device::eraseMemory()
{
    QByteArray reply = exchange("AT+VFERSMM\r\n");
    reply.replace("\r\n+VFERSMM: ", "");
    return finalLineCode(reply);
}

bool Device::isQuotableText(const QString &text)
{
    // A quote would end the field; CR, LF or any other control character
    // could end or garble the command line.
    for (const QChar c : text) {
        if (c == QLatin1Char('"') || c.category() == QChar::Other_Control)
            return false;
    }
    return QTextCodec::codecForName("ISO 8859-1")->canEncode(text);
}

int Device::writeCalibration(const CalibrationCertificate &certificate)
{
    return writeCertificate("VFCTF", certificate);
}

int Device::readCalibration()
{
    return readCertificate("VFCTF");
}

int Device::writeCertificate(const QByteArray &name, const CalibrationCertificate &certificate)
{
    const QString certification = certificate.instrumentText();
    if (!certificate.isWritable() || !isQuotableText(certification))
        return -1;
    QTextCodec *latin1 = QTextCodec::codecForName("ISO 8859-1");
    const QString command = QStringLiteral("AT+%1=\"%2\",\"%3\"\r\n")
                                .arg(QString::fromLatin1(name), certification,
                                     formatDeviceDateTime(certificate.date()));
    bool sent = false;
    QByteArray reply = exchange(latin1->fromUnicode(command), &sent);
    if (!sent)
        return -1;
    reply.replace("\r\n+" + name + ": ", "");
    if (reply == kOk)
        return 0;
    if (reply == kBusy) {
        emit busy();
        return -2;
    }
    return -1;
}

int Device::readCertificate(const QByteArray &name)
{
    const QByteArray reply = informationExchange("AT+" + name + "?\r\n");
    if (reply.endsWith(kBusy))
        return -2;
    if (!reply.endsWith(kOk))
        return -1;
    // The certificate is written in ISO 8859-1 and comes back so.
    const QByteArray text = informationText(reply, "\r\n+" + name + ": ");
    return m_calibration.fromReply(QString::fromLatin1(text)) == 0 ? 0 : -1;
}

int Device::readInformationPage(const QByteArray &command, const QByteArray &prefix,
                                QByteArray &text)
{
    bool sent = false;
    QByteArray reply = exchange(command, &sent);
    if (!sent)
        return -3;
    reply.replace("\r\n" + prefix, prefix);
    if (reply.endsWith(kOk)) {
        reply.replace("\r\n\r\nOK\r\n", "\n");
        reply.replace(kOk, "");
        text = reply;
        return 0;
    }
    if (reply.endsWith(kBusy)) {
        emit busy();
        return -2;
    }
    return -1;
}

int Device::readHeaderPage(int page, int index, QByteArray &text)
{
    return readInformationPage("AT+VFXPHDR=" + QByteArray::number(page) + ',' +
                                   QByteArray::number(index) + "\r\n",
                               "+VFXPHDR: ", text);
}

int Device::readCommonHeader(Results *results, int index)
{
    QByteArray page;
    const int code = readHeaderPage(8, index, page);
    if (code != 0)
        return code;
    if (!results)
        return -1;
    return results->parseCommonHeader(page) == 0 ? 0 : -1;
}

QList<QObject *> Device::readExperimentList(int *status)
{
    int code = 0;
    const QList<QObject *> runs = listRuns(code);
    if (status)
        *status = code;
    return runs;
}

QList<QObject *> Device::listRuns(int &status)
{
    bool sent = false;
    QByteArray reply = exchange("AT+VFXPLST\r\n", &sent);
    if (!sent) {
        m_experimentList.clear();
        status = -3;
        return m_experimentList;
    }
    reply.replace("\r\n+VFXPLST: ", "");
    if (!reply.endsWith(kOk)) {
        // A busy instrument is announced as in every other exchange; ERROR,
        // silence and garbage alike leave the list unread.
        status = reply.endsWith(kBusy) ? -2 : -1;
        if (status == -2)
            emit busy();
        return m_experimentList;
    }
    reply.replace("\r\n\r\nOK\r\n", "");
    reply.replace(kOk, "");
    reply.replace("\n", "");
    const QList<QByteArray> lines = reply.split('\r');
    m_experimentList.clear();
    status = 0;
    if (lines.size() == 1 && lines.first().isEmpty())
        return m_experimentList;
    for (const QByteArray &line : lines) {
        Experiment *run = ExperimentFactory::create(m_productName);
        // A run that no model class can hold is left out of the list.
        if (!run)
            continue;
        // A negative size would be downloaded as a request for no records.
        if (run->parseListEntry(line) != 0 || run->size() < 0) {
            delete run;
            clearExperimentList();
            status = -1;
            break;
        }
        m_experimentList.append(run);
    }
    return m_experimentList;
}

QList<QByteArray> Device::readExperimentData(Experiment *run, int *status)
{
    int code = 0;
    const QList<QByteArray> records = downloadRecords(run, code);
    if (status)
        *status = code;
    return records;
}

QList<QByteArray> Device::downloadRecords(Experiment *run, int &status)
{
    QList<QByteArray> records;
    status = -1;
    if (!run)
        return records;
    const int index = run->index();
    const int size = run->size();
    if (size < 0)
        return records;
    emit dataRegisterProgessUpdate(0.0);

    int done = 0;
    int first = 1;
    do {
        const int count = qMin(RecordBlockSize, size - done);
        const int last = first + count - 1;
        const QByteArray command = "AT+VFRDXP=" + QByteArray::number(index) + ',' +
                                   QByteArray::number(first) + ',' + QByteArray::number(last) +
                                   "\r\n";
        bool sent = false;
        QByteArray reply = exchange(command, &sent);
        if (!sent) {
            status = -3;
            return records;
        }
        reply.replace("\r\n+VFRDXP: ", "+VFRDXP: ");
        if (!reply.endsWith(kOk)) {
            status = reply.endsWith(kBusy) ? -2 : -1;
            if (status == -2)
                emit busy();
            return {};
        }
        reply.replace("\r\n\r\nOK\r\n", "");
        reply.replace(kOk, "");
        reply.replace("\r\n", "\n\r");
        records.append(reply.split('\r'));
        done += count;
        emit dataRegisterProgessUpdate(size > 0 ? done * 100.0 / size : 100.0);
        first = last + 1;
    } while (done < size);

    status = 0;
    // A run without records answers its one request with a bare OK: there is
    // no record line to hand on.
    if (size == 0)
        return {};
    return records;
}

void Device::clearExperimentList()
{
    qDeleteAll(m_experimentList);
    m_experimentList.clear();
}

QJsonObject Device::toJson() const
{
    // A slot that could not be read holds no schedule to record.
    QJsonArray schedules;
    for (const Schedule *schedule : m_scheduleList) {
        if (!schedule->unreadable())
            schedules.append(schedule->toJson());
    }
    return {{QStringLiteral("name"), m_productName},
            {QStringLiteral("manufactory"), m_manufactoryName},
            {QStringLiteral("SN"), m_sn},
            {QStringLiteral("Fw"), m_fw},
            {QStringLiteral("calibration"), m_calibration.toJson()},
            {QStringLiteral("scheduleList"), schedules}};
}

Results *Device::readExperimentHeader(Experiment *run)
{
    Q_UNUSED(run)
    return nullptr;
}

int Device::readConfig()
{
    return 0;
}

int Device::writeConfig()
{
    return -1;
}

int Device::readSchedules()
{
    return -1;
}

int Device::writeSchedules()
{
    return -1;
}

int Device::readServiceConfig()
{
    return 0;
}

void Device::ifaceErrorOcurred(QSerialPort::SerialPortError s)
{
    m_linkError = s;
}
