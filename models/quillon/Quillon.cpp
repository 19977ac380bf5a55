#include "Quillon.h"

#include "Experiment.h"
#include "QuillonConfig.h"
#include "QuillonModel.h"
#include "QuillonResults.h"
#include "SampleInterval.h"

#include <memory>

namespace {

const QByteArray kOk = "\r\nOK\r\n";
const QByteArray kBusy = "\r\nBUSY\r\n";
const QByteArray kIntervalPrefix = "\r\n+VFINTVL: ";

struct HeaderSection
{
    int number;
    int (QuillonResults::*parser)(QByteArray);
};

// The order the instrument's header is read in; it has no section 6.
const HeaderSection kSections[] = {
    {1, &QuillonResults::parseHeaderSection1}, {2, &QuillonResults::parseHeaderSection2},
    {3, &QuillonResults::parseHeaderSection3}, {4, &QuillonResults::parseHeaderSection4},
    {5, &QuillonResults::parseHeaderSection5}, {7, &QuillonResults::parseHeaderSection7},
};

constexpr int kBandSection = 7;

enum class SectionRead
{
    Parsed,
    Skipped,
    Failed
};

// One header section of run `index` into `results`. Sections 1 to 5 must be
// answered with OK; the band section may be refused (a run measured without
// band analysis), which leaves the bands out, but not answered BUSY.
SectionRead readSection(Device *device, const HeaderSection &section, int index,
                        QuillonResults *results)
{
    bool sent = false;
    QByteArray reply = device->exchange("AT+VFXPHDR=" + QByteArray::number(section.number) + ',' +
                                            QByteArray::number(index) + "\r\n",
                                        &sent);
    if (!sent)
        return SectionRead::Failed;
    reply.replace("\r\n+VFXPHDR: ", "+VFXPHDR: ");
    if (reply.endsWith(kOk)) {
        reply.replace("\r\n\r\nOK\r\n", "\n");
        reply.replace(kOk, "");
        return (results->*section.parser)(reply) == 0 ? SectionRead::Parsed : SectionRead::Failed;
    }
    if (section.number == kBandSection && !reply.endsWith(kBusy))
        return SectionRead::Skipped;
    return SectionRead::Failed;
}

} // namespace

Quillon::Quillon()
    : Device(nullptr)
{
    setProductName(quillonProductName());
    setConfig(new QuillonConfig);
}

Quillon::Quillon(Device *probed)
    : Device(nullptr)
{
    adoptProbedDevice(probed);
    setConfig(new QuillonConfig);
}

int Quillon::readServiceConfig()
{
    bool sent = false;
    const QByteArray reply = exchange("AT+VFSVCCFG?\r\n", &sent);
    if (!sent)
        return -3;
    const int code = finalLineCode(reply);
    if (code != 0)
        return code;
    m_serviceConfig = informationText(reply, "\r\n+VFSVCCFG: ").trimmed().toInt();
    return 0;
}

int Quillon::readInterval(QuillonConfig *config)
{
    bool sent = false;
    const QByteArray reply = exchange("AT+VFINTVL?\r\n", &sent);
    if (!sent)
        return -3;
    const int code = finalLineCode(reply);
    if (code != 0)
        return code;
    if (config)
        config->setSampleTimeSeconds(QString::fromLatin1(informationText(reply, kIntervalPrefix)));
    return 0;
}

int Quillon::writeInterval(const QString &sampleTime)
{
    // Only digits reach the command: the text cannot add a field or a line.
    const int seconds = minutesSecondsToSeconds(sampleTime);
    if (seconds < 0)
        return -1;
    bool sent = false;
    QByteArray reply = exchange("AT+VFINTVL=" + QByteArray::number(seconds) + "\r\n", &sent);
    if (!sent)
        return -3;
    reply.replace(kIntervalPrefix, "");
    if (reply.endsWith(kOk))
        return 0;
    // A refusal counts only as the whole reply; anything else is unreadable.
    return exactFinalLineCode(reply);
}

int Quillon::readConfig()
{
    auto read = std::make_unique<QuillonConfig>();
    const int code = readInterval(read.get());
    if (code != 0)
        return code;
    setConfig(read.release());
    return 0;
}

int Quillon::writeConfig()
{
    const auto *config = qobject_cast<QuillonConfig *>(this->config());
    if (!config)
        return -1;
    return writeInterval(config->sampleTime());
}

Results *Quillon::readExperimentHeader(Experiment *run)
{
    if (!run)
        return nullptr;
    const int index = run->index();
    auto results = std::make_unique<QuillonResults>();
    for (const HeaderSection &section : kSections) {
        if (readSection(this, section, index, results.get()) == SectionRead::Failed)
            return nullptr;
    }
    // A missing page 8 leaves its battery and stop fields at their defaults.
    readCommonHeader(results.get(), index);
    return results.release();
}
