#include "Dravo2Fuzz.h"

#include "CommandCheck.h"

#include "Dravo2ReportRun.h"
#include "models/dravo2/Dravo2Config.h"
#include "models/dravo2/Dravo2Model.h"
#include "models/dravo2/Dravo2Results.h"

namespace {

using PageParser = int (Dravo2Results::*)(QByteArray);

FuzzParser pageParser(const QString &name, const QByteArray &command, PageParser parser)
{
    return {name, command, [parser](const QByteArray &text) {
                Dravo2Results results;
                (results.*parser)(text);
                results.toJson();
            }};
}

using ConfigParser = int (Dravo2Config::*)(const QByteArray &);

FuzzParser configParser(const QString &name, const QByteArray &command, ConfigParser parser)
{
    return {name, command, [parser](const QByteArray &text) {
                Dravo2Config config;
                (config.*parser)(text);
                config.toJson();
            }};
}

} // namespace

QList<FuzzModel> dravo2FuzzModels()
{
    FuzzModel model;
    model.productName = dravo2ProductName();
    model.parsers = {
        pageParser("dosimeter configurations", "AT+VFDOSCFG?",
                   &Dravo2Results::parseDosimeterConfig),
        pageParser("header page 1", "AT+VFXPHDR=1,", &Dravo2Results::parseHeader1),
        pageParser("header page 2", "AT+VFXPHDR=2,", &Dravo2Results::parseHeader2),
        pageParser("header page 3", "AT+VFXPHDR=3,", &Dravo2Results::parseHeader3),
        pageParser("header page 4", "AT+VFXPHDR=4,", &Dravo2Results::parseHeader4),
        pageParser("header page 5", "AT+VFXPHDR=5,", &Dravo2Results::parseHeader5),
        pageParser("header page 6", "AT+VFXPHDR=6,", &Dravo2Results::parseHeader6),
        pageParser("header page 7", "AT+VFXPHDR=7,", &Dravo2Results::parseHeader7),
        configParser("run duration", "AT+VFXPDUR?", &Dravo2Config::setExperimentDurationFromReply),
        configParser("schedule switch", "AT+VFSCH=3", &Dravo2Config::setScheduleStatusFromReply),
        configParser("schedule limit", "AT+VFSCH=4", &Dravo2Config::setScheduleMaxTimeFromReply),
    };
    const QString dateTime = CommandCheck::dateTimeField();
    const QString label = CommandCheck::textField();
    model.commandShapes = QStringList{
        QStringLiteral("AT\\+VFTRHLVL=(\\d|[1-9]\\d|100)"),
        QStringLiteral("AT\\+VFCRTLVL=([5-9]\\d|100)"),
        QStringLiteral("AT\\+VFXCHRAT=[3-6]"),
        QStringLiteral("AT\\+VFFQWGHT=\"(A|C|Z)\""),
        QStringLiteral("AT\\+VFTMWGHT=\"(Fast|Slow|Impulse)\""),
        QStringLiteral("AT\\+VFOCTAVE=\"(1/1|1/3)\""),
        QStringLiteral("AT\\+VFXPDUR=\\d+"),
        QStringLiteral("AT\\+VFSCH=[34]"),
        QStringLiteral("AT\\+VFSCH=3,[01]"),
        QStringLiteral("AT\\+VFSCH=[02],\\d"),
        QStringLiteral("AT\\+VFSCH=1,\\d,%1,%2,(%2)?,(%2)?,%2").arg(label, dateTime),
    };
    model.reportOptions = [] { return Dravo2ReportRun::everySection(QString()); };
    model.userJson = {
        {"refreshGeneralData",
         R"({"datatype": "hearingprotect", "hearProtectMfc": "Maker", "hearProtectModel": "Model",
             "hearProtectCANumber": "12345", "hearingProtectorType": "plug", "stdApplied": "long",
             "stdNumber": 1, "NPS": 21.5, "NPSp": 18.0, "nps125": 78.1, "npsp125": 70.2,
             "att125": 20.3, "desv125": 3.1, "nps8000": 71.0, "npsp8000": 60.4, "att8000": 33.0,
             "desv8000": 4.2})"},
    };
    return {model};
}
