#include "KestrumFuzz.h"

#include "KestrumReportRun.h"

#include "models/kestrum/Kestrum2Config.h"
#include "models/kestrum/Kestrum2Results.h"
#include "models/kestrum/Kestrum4Config.h"
#include "models/kestrum/Kestrum4Results.h"
#include "models/kestrum/KestrumModel.h"

namespace {

template <typename MonitorResults>
FuzzParser pageParser(const QString &name, int page, int (MonitorResults::*parser)(QByteArray))
{
    return {name, "AT+VFXPHDR=" + QByteArray::number(page) + ',', [parser](const QByteArray &text) {
                MonitorResults results;
                (results.*parser)(text);
                results.toJson();
            }};
}

template <typename MonitorConfig>
QList<FuzzParser> configParsers(const QString &productName)
{
    return {
        {productName + QStringLiteral(" unit"), "AT+VFUNIT?",
         [](const QByteArray &text) {
             MonitorConfig config;
             config.setUnityFromReply(text);
             config.toJson();
         }},
        {productName + QStringLiteral(" interval"), "AT+VFINTVL?",
         [](const QByteArray &text) {
             MonitorConfig config;
             config.setSampleTimeFromReply(text);
             config.intervalSeconds();
             config.toJson();
         }},
    };
}

// The unit from its fixed set and the interval in seconds.
const QStringList kCommandShapes{
    QStringLiteral("AT\\+VFUNIT=\"(C|F)\""),
    QStringLiteral("AT\\+VFINTVL=\\d+"),
};

} // namespace

QList<FuzzModel> kestrumFuzzModels()
{
    FuzzModel kestrum2;
    kestrum2.productName = kestrum2ProductName();
    kestrum2.parsers = configParsers<Kestrum2Config>(kestrum2.productName);
    kestrum2.parsers += {
        pageParser(QStringLiteral("KESTRUM 2 header page 1"), 1, &Kestrum2Results::parseHeader1),
        pageParser(QStringLiteral("KESTRUM 2 header page 2"), 2, &Kestrum2Results::parseHeader2),
        pageParser(QStringLiteral("KESTRUM 2 header page 3"), 3, &Kestrum2Results::parseHeader3),
    };
    kestrum2.commandShapes = kCommandShapes;
    kestrum2.reportOptions = [] {
        return KestrumReportRun::everySection(kestrum2ProductName(), QString());
    };

    FuzzModel kestrum4;
    kestrum4.productName = kestrum4ProductName();
    kestrum4.parsers = configParsers<Kestrum4Config>(kestrum4.productName);
    kestrum4.parsers += {
        pageParser(QStringLiteral("KESTRUM 4 header page 1"), 1,
                   &Kestrum4Results::parseHeaderPage1),
        pageParser(QStringLiteral("KESTRUM 4 header page 2"), 2,
                   &Kestrum4Results::parseHeaderPage2),
        pageParser(QStringLiteral("KESTRUM 4 header page 3"), 3,
                   &Kestrum4Results::parseHeaderPage3),
        pageParser(QStringLiteral("KESTRUM 4 header page 4"), 4,
                   &Kestrum4Results::parseHeaderPage4),
    };
    kestrum4.commandShapes = kCommandShapes;
    kestrum4.reportOptions = [] {
        return KestrumReportRun::everySection(kestrum4ProductName(), QString());
    };
    return {kestrum2, kestrum4};
}
