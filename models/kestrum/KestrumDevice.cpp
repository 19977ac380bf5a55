#include "KestrumDevice.h"

#include "Experiment.h"
#include "KestrumConfig.h"
#include "Results.h"
#include "SampleInterval.h"

namespace {

const QByteArray kServicePrefix = "\r\n+VFSVCCFG: ";
const QByteArray kUnitPrefix = "\r\n+VFUNIT: ";
const QByteArray kIntervalPrefix = "\r\n+VFINTVL: ";

} // namespace

KestrumDevice::KestrumDevice(const QString &productName)
    : Device(nullptr)
{
    setProductName(productName);
}

KestrumDevice::KestrumDevice(Device *probed)
    : Device(nullptr)
{
    adoptProbedDevice(probed);
}

KestrumConfig *KestrumDevice::kestrumConfig() const
{
    return qobject_cast<KestrumConfig *>(config());
}

int KestrumDevice::query(const QByteArray &command, const QByteArray &prefix,
                         const std::function<void(const QByteArray &)> &store)
{
    bool sent = false;
    QByteArray reply = exchange(command, &sent);
    if (!sent)
        return -3;
    reply.replace(prefix, "");
    const int code = finalLineCode(reply);
    if (code != 0)
        return code;
    store(informationText(reply, prefix));
    return 0;
}

int KestrumDevice::write(const QByteArray &command, const QByteArray &prefix)
{
    bool sent = false;
    QByteArray reply = exchange(command, &sent);
    if (!sent)
        return -3;
    reply.replace(prefix, "");
    return finalLineCode(reply) == 0 ? 0 : exactFinalLineCode(reply);
}

int KestrumDevice::readServiceConfig()
{
    return query("AT+VFSVCCFG?\r\n", kServicePrefix, [this](const QByteArray &value) {
        bool ok = false;
        const int word = value.trimmed().toInt(&ok);
        m_serviceConfig = ok ? word : 0;
    });
}

int KestrumDevice::readUnit(KestrumConfig *config)
{
    return query("AT+VFUNIT?\r\n", kUnitPrefix,
                 [config](const QByteArray &value) { config->setUnityFromReply(value); });
}

int KestrumDevice::readInterval(KestrumConfig *config)
{
    return query("AT+VFINTVL?\r\n", kIntervalPrefix,
                 [config](const QByteArray &value) { config->setSampleTimeFromReply(value); });
}

int KestrumDevice::writeUnit(const QString &letter)
{
    // Only a unit of the fixed set goes out, so the text cannot end the
    // quoted field or the command early.
    if (letter != QLatin1String("C") && letter != QLatin1String("F"))
        return -1;
    return write("AT+VFUNIT=\"" + letter.toLatin1() + "\"\r\n", kUnitPrefix);
}

int KestrumDevice::writeInterval(const QString &sampleTime)
{
    const int seconds = minutesSecondsToSeconds(sampleTime);
    if (seconds < 0)
        return -1;
    return write("AT+VFINTVL=" + QByteArray::number(seconds) + "\r\n", kIntervalPrefix);
}

int KestrumDevice::readConfig()
{
    std::unique_ptr<KestrumConfig> read(makeConfig());
    int status = readUnit(read.get());
    if (status != 0)
        return status;
    status = readInterval(read.get());
    if (status != 0)
        return status;
    setConfig(read.release());
    return 0;
}

int KestrumDevice::writeConfig()
{
    const KestrumConfig *config = kestrumConfig();
    if (!config || config->unitLetter().isEmpty() || config->intervalSeconds() < 0)
        return -1;
    const int status = writeUnit(config->unitLetter());
    if (status != 0)
        return status;
    return writeInterval(config->sampleTime());
}

Results *KestrumDevice::readHeaderPages(int index, std::unique_ptr<Results> results,
                                        const QList<PageParser> &parsers)
{
    const QByteArray run = QByteArray::number(index);
    for (int page = 1; page <= parsers.size(); ++page) {
        bool sent = false;
        QByteArray reply =
            exchange("AT+VFXPHDR=" + QByteArray::number(page) + ',' + run + "\r\n", &sent);
        if (!sent)
            return nullptr;
        reply.replace("\r\n+VFXPHDR: ", "+VFXPHDR: ");
        if (finalLineCode(reply) != 0)
            return nullptr;
        reply.replace("\r\n\r\nOK\r\n", "\n");
        reply.replace("\r\nOK\r\n", "");
        if (parsers.at(page - 1)(reply) != 0)
            return nullptr;
    }
    // A page 8 that is missing leaves its battery and stop fields at their
    // defaults; a lost link shows in the device's link error.
    readCommonHeader(results.get(), index);
    return results.release();
}
