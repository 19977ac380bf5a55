#include "Kestrum2.h"

#include "Experiment.h"
#include "Kestrum2Config.h"
#include "Kestrum2Results.h"
#include "KestrumModel.h"

Kestrum2::Kestrum2()
    : KestrumDevice(kestrum2ProductName())
{
}

Kestrum2::Kestrum2(Device *probed)
    : KestrumDevice(probed)
{
    setConfig(new Kestrum2Config);
}

KestrumConfig *Kestrum2::makeConfig() const
{
    return new Kestrum2Config;
}

Results *Kestrum2::readExperimentHeader(Experiment *run)
{
    if (!run)
        return nullptr;
    auto results = std::make_unique<Kestrum2Results>();
    Kestrum2Results *pages = results.get();
    return readHeaderPages(run->index(), std::move(results),
                           {[pages](QByteArray page) { return pages->parseHeader1(page); },
                            [pages](QByteArray page) { return pages->parseHeader2(page); },
                            [pages](QByteArray page) { return pages->parseHeader3(page); }});
}
