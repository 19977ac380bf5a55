#include "SoundLevelMeter.h"

#include "Experiment.h"
#include "SoundLevelConfig.h"
#include "SoundLevelResults.h"

#include <memory>

namespace {

const QByteArray kInformationEnd = "\r\n\r\nOK\r\n";

QByteArray prefixOf(const QByteArray &name)
{
    return "\r\n+" + name + ": ";
}

} // namespace

SoundLevelMeter::SoundLevelMeter(const QString &productName)
    : Device(nullptr)
{
    setProductName(productName);
}

SoundLevelMeter::SoundLevelMeter(Device *probed)
    : Device(nullptr)
{
    adoptProbedDevice(probed);
}

SoundLevelConfig *SoundLevelMeter::soundLevelConfig() const
{
    return qobject_cast<SoundLevelConfig *>(config());
}

int SoundLevelMeter::busyCode(int code)
{
    if (code == -2)
        emit busy();
    return code;
}

int SoundLevelMeter::readServiceConfig()
{
    bool sent = false;
    QByteArray reply = exchange("AT+VFSVCCFG?\r\n", &sent);
    if (!sent)
        return -3;
    reply.replace(prefixOf("VFSVCCFG"), "");
    const int code = finalLineCode(reply);
    // The word is only kept; a text that is no number reads as 0. BUSY here
    // is not the device being busy for the user.
    if (code == 0)
        m_serviceConfig = reply.replace(kInformationEnd, "").toInt();
    return code;
}

int SoundLevelMeter::querySetting(const QByteArray &name, QString *value)
{
    bool sent = false;
    QByteArray reply = exchange("AT+" + name + "?\r\n", &sent);
    if (!sent)
        return -3;
    const int code = finalLineCode(reply);
    if (code != 0)
        return busyCode(code);
    reply.replace('"', "");
    *value = QString::fromLatin1(informationText(reply, prefixOf(name)));
    return 0;
}

int SoundLevelMeter::readFrequencyWeighting(SoundLevelConfig *config)
{
    QString value;
    const int code = querySetting("VFFQWGHT", &value);
    if (code == 0)
        config->setFrequencyWeighting(value);
    return code;
}

int SoundLevelMeter::readTimeWeighting(SoundLevelConfig *config)
{
    QString value;
    const int code = querySetting("VFTMWGHT", &value);
    if (code == 0)
        config->setTimeWeighting(value);
    return code;
}

int SoundLevelMeter::readOctaveAnalysis(SoundLevelConfig *config)
{
    QString value;
    const int code = querySetting("VFOCTAVE", &value);
    if (code == 0)
        config->setOctaveAnalysis(value);
    return code;
}

int SoundLevelMeter::readConfig()
{
    std::unique_ptr<SoundLevelConfig> read(newConfig());
    for (auto query : {&SoundLevelMeter::readFrequencyWeighting,
                       &SoundLevelMeter::readTimeWeighting, &SoundLevelMeter::readOctaveAnalysis}) {
        const int code = (this->*query)(read.get());
        if (code != 0)
            return code;
    }
    setConfig(read.release());
    return 0;
}

int SoundLevelMeter::sendSetting(const QByteArray &name, const QString &value, QByteArray *reply)
{
    bool sent = false;
    *reply = exchange("AT+" + name + "=\"" + value.toLatin1() + "\"\r\n", &sent);
    return sent ? 0 : -3;
}

int SoundLevelMeter::writeSetting(const QByteArray &name, const QString &value,
                                  const QStringList &choices)
{
    // Only a value of the setting's set goes out, so nothing the window holds
    // can end the quoted field or the command early.
    if (!choices.contains(value))
        return -1;
    QByteArray reply;
    if (sendSetting(name, value, &reply) != 0)
        return -3;
    reply.replace(prefixOf(name), "");
    return busyCode(exactFinalLineCode(reply));
}

int SoundLevelMeter::writeFrequencyWeighting(const QString &weighting)
{
    return writeSetting("VFFQWGHT", weighting, SoundLevelConfig::frequencyWeightings());
}

int SoundLevelMeter::writeTimeWeighting(const QString &weighting)
{
    return writeSetting("VFTMWGHT", weighting, SoundLevelConfig::timeWeightings());
}

int SoundLevelMeter::writeOctaveAnalysis(const QString &analysis)
{
    return writeSetting("VFOCTAVE", analysis, SoundLevelConfig::octaveAnalyses());
}

int SoundLevelMeter::writeConfig()
{
    const SoundLevelConfig *config = soundLevelConfig();
    if (!config || config->productName() != productName())
        return -1;
    int code = writeFrequencyWeighting(config->frequencyWeighting());
    if (code == 0)
        code = writeTimeWeighting(config->timeWeighting());
    if (code == 0)
        code = writeOctaveAnalysis(config->octaveAnalysis());
    return code;
}

int SoundLevelMeter::readResultsPage(int page, SoundLevelResults *results, int index)
{
    std::unique_ptr<SoundLevelResults> owned(results);
    if (!owned)
        return -1;
    QByteArray text;
    const int code = readHeaderPage(page, index, text);
    if (code != 0)
        return code;
    if (owned->parsePage(page, text) != 0)
        return -1;
    owned.release();
    return 0;
}

int SoundLevelMeter::readHeaderPage1(SoundLevelResults *results, int index)
{
    return readResultsPage(1, results, index);
}

int SoundLevelMeter::readHeaderPage2(SoundLevelResults *results, int index)
{
    return readResultsPage(2, results, index);
}

int SoundLevelMeter::readHeaderPage3(SoundLevelResults *results, int index)
{
    return readResultsPage(3, results, index);
}

int SoundLevelMeter::readHeaderPage4(SoundLevelResults *results, int index)
{
    return readResultsPage(4, results, index);
}

int SoundLevelMeter::readHeaderPage5(SoundLevelResults *results, int index)
{
    return readResultsPage(5, results, index);
}

Results *SoundLevelMeter::readExperimentHeader(Experiment *run)
{
    if (!run)
        return nullptr;
    const int index = run->index();
    SoundLevelResults *results = newResults();
    for (int page = 1; page <= HeaderPages; ++page) {
        // A failed page has deleted the results.
        if (readResultsPage(page, results, index) != 0)
            return nullptr;
    }
    // Without page 8 the battery and stop fields keep their defaults.
    readCommonHeader(results, index);
    return results;
}
