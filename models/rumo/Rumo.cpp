#include "Rumo.h"

#include "Experiment.h"
#include "RumoConfig.h"
#include "RumoModel.h"
#include "RumoResults.h"

#include <memory>

namespace {

const QByteArray kIntervalEcho = "\r\n+VFINTVL: ";
const QByteArray kCertificate = "VFSENCTF";

using PageParser = int (RumoResults::*)(QByteArray);

const PageParser kPageParsers[] = {
    &RumoResults::parseHeaderPart1, &RumoResults::parseHeaderPart2, &RumoResults::parseHeaderPart3,
    &RumoResults::parseHeaderPart4, &RumoResults::parseHeaderPart5, &RumoResults::parseHeaderPart6,
    &RumoResults::parseHeaderPart7,
};

} // namespace

Rumo::Rumo()
    : Device(nullptr)
{
    setProductName(rumoProductName());
    setConfig(new RumoConfig);
}

Rumo::Rumo(Device *probed)
    : Device(nullptr)
{
    adoptProbedDevice(probed);
    setConfig(new RumoConfig);
}

Results *Rumo::readExperimentHeader(Experiment *run)
{
    if (!run)
        return nullptr;
    const int index = run->index();
    auto results = std::make_unique<RumoResults>();
    int page = 1;
    for (const PageParser parser : kPageParsers) {
        QByteArray text;
        if (readHeaderPage(page++, index, text) != 0 || (results.get()->*parser)(text) != 0)
            return nullptr;
    }
    // A missing page 8 leaves its battery and stop fields at their defaults.
    readCommonHeader(results.get(), index);
    return results.release();
}

int Rumo::readSampleInterval(RumoConfig *config)
{
    bool sent = false;
    const QByteArray reply = exchange("AT+VFINTVL?\r\n", &sent);
    if (!sent)
        return -3;
    const int code = finalLineCode(reply);
    if (code == 0)
        config->setSampleTimeSeconds(informationText(reply, kIntervalEcho));
    return code;
}

int Rumo::writeSampleInterval(const QString &sampleTime)
{
    const int seconds = RumoConfig::intervalSeconds(sampleTime);
    if (seconds < 0)
        return -1;
    bool sent = false;
    QByteArray reply = exchange("AT+VFINTVL=" + QByteArray::number(seconds) + "\r\n", &sent);
    if (!sent)
        return -3;
    reply.replace(kIntervalEcho, "");
    // A final OK counts whatever came before it; ERROR and BUSY only alone.
    return finalLineCode(reply) == 0 ? 0 : exactFinalLineCode(reply);
}

int Rumo::readConfig()
{
    auto read = std::make_unique<RumoConfig>();
    const int code = readSampleInterval(read.get());
    if (code == 0)
        setConfig(read.release());
    return code;
}

int Rumo::writeConfig()
{
    auto *config = qobject_cast<RumoConfig *>(this->config());
    return config ? writeSampleInterval(config->sampleTime()) : -1;
}

int Rumo::writeCalibration(const CalibrationCertificate &certificate)
{
    return writeCertificate(kCertificate, certificate);
}

int Rumo::readCalibration()
{
    return readCertificate(kCertificate);
}
