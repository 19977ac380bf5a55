#include "RumoFuzz.h"

#include "CommandCheck.h"
#include "RumoReportChain.h"

#include "models/rumo/RumoModel.h"
#include "models/rumo/RumoResults.h"

namespace {

FuzzParser pageParser(int page, int (RumoResults::*parser)(QByteArray))
{
    return {QStringLiteral("RUMO header page %1").arg(page),
            "AT+VFXPHDR=" + QByteArray::number(page) + ',', [parser](const QByteArray &text) {
                RumoResults results;
                (results.*parser)(text);
                results.toJson();
            }};
}

} // namespace

QList<FuzzModel> rumoFuzzModels()
{
    FuzzModel model;
    model.productName = rumoProductName();
    model.parsers = {
        pageParser(1, &RumoResults::parseHeaderPart1),
        pageParser(2, &RumoResults::parseHeaderPart2),
        pageParser(3, &RumoResults::parseHeaderPart3),
        pageParser(4, &RumoResults::parseHeaderPart4),
        pageParser(5, &RumoResults::parseHeaderPart5),
        pageParser(6, &RumoResults::parseHeaderPart6),
        pageParser(7, &RumoResults::parseHeaderPart7),
    };
    model.commandShapes = QStringList{
        // The sample interval, in seconds.
        QStringLiteral("AT\\+VFINTVL=\\d+"),
        // The sensor's calibration certificate: text and date, as the common one.
        QStringLiteral("AT\\+VFSENCTF=%1,(%2|\"\")")
            .arg(CommandCheck::textField(), CommandCheck::dateTimeField()),
    };
    model.reportOptions = [] { return RumoReportChain::everySection(QString()); };
    model.userJson = {{"sndConfiguration", R"({"productName":"RUMO","sampleTime":"01:30"})"}};
    return {model};
}
