#include "Kestrum4.h"

#include "Experiment.h"
#include "Kestrum4Config.h"
#include "Kestrum4Results.h"
#include "KestrumModel.h"

Kestrum4::Kestrum4()
    : KestrumDevice(kestrum4ProductName())
{
}

Kestrum4::Kestrum4(Device *probed)
    : KestrumDevice(probed)
{
}

KestrumConfig *Kestrum4::makeConfig() const
{
    return new Kestrum4Config;
}

Results *Kestrum4::readExperimentHeader(Experiment *run)
{
    if (!run)
        return nullptr;
    auto results = std::make_unique<Kestrum4Results>();
    Kestrum4Results *pages = results.get();
    return readHeaderPages(run->index(), std::move(results),
                           {[pages](QByteArray page) { return pages->parseHeaderPage1(page); },
                            [pages](QByteArray page) { return pages->parseHeaderPage2(page); },
                            [pages](QByteArray page) { return pages->parseHeaderPage3(page); },
                            [pages](QByteArray page) { return pages->parseHeaderPage4(page); }});
}
