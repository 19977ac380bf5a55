#include "Dravo2HeaderReader.h"

#include "Device.h"
#include "Dravo2Results.h"

#include <memory>

namespace {

struct Page
{
    int number;
    bool multiLine;
    int (Dravo2Results::*parser)(QByteArray);
};

// Pages 6 and 7 may hold several lines; their parsers split at "\r".
const Page kPages[] = {
    {1, false, &Dravo2Results::parseHeader1}, {2, false, &Dravo2Results::parseHeader2},
    {3, false, &Dravo2Results::parseHeader3}, {4, false, &Dravo2Results::parseHeader4},
    {5, false, &Dravo2Results::parseHeader5}, {6, true, &Dravo2Results::parseHeader6},
    {7, true, &Dravo2Results::parseHeader7},
};

} // namespace

Dravo2HeaderReader::Step Dravo2HeaderReader::readPage(Device *device, const QByteArray &command,
                                                      const QByteArray &prefix, bool multiLine,
                                                      bool optional, Dravo2Results *results,
                                                      Parser parser)
{
    QByteArray page;
    const int code = device->readInformationPage(command, prefix, page);
    if (code == 0) {
        if (multiLine)
            page.replace("\r\n", "\n\r");
        return (results->*parser)(page) == 0 ? Step::Parsed : Step::Failed;
    }
    return optional && code == -1 ? Step::Skipped : Step::Failed;
}

Dravo2Results *Dravo2HeaderReader::read(Device *device, int index)
{
    if (!device)
        return nullptr;
    auto results = std::make_unique<Dravo2Results>();
    // Without the configurations the defaults of the three dosimeters stand.
    if (readPage(device, "AT+VFDOSCFG?\r\n", "+VFDOSCFG: ", true, true, results.get(),
                 &Dravo2Results::parseDosimeterConfig) == Step::Failed)
        return nullptr;
    const QByteArray run = QByteArray::number(index);
    for (const Page &page : kPages) {
        const QByteArray command =
            "AT+VFXPHDR=" + QByteArray::number(page.number) + ',' + run + "\r\n";
        if (readPage(device, command, "+VFXPHDR: ", page.multiLine, false, results.get(),
                     page.parser) != Step::Parsed)
            return nullptr;
    }
    // A missing page 8 leaves its battery and stop fields at their defaults.
    device->readCommonHeader(results.get(), index);
    return results.release();
}
