#include "ReplyParsers.h"

#include "CalibrationCertificate.h"
#include "DeviceDateTime.h"
#include "Experiment.h"
#include "Interface.h"
#include "Log.h"
#include "ModelRegistry.h"
#include "Results.h"
#include "Schedule.h"

#include <memory>

namespace {

QList<FuzzParser> commonParsers()
{
    return {
        {QStringLiteral("device date-time"), "AT+VFCTF?",
         [](const QByteArray &text) {
             formatDeviceDateTime(parseDeviceDateTime(QString::fromLatin1(text)));
         }},
        {QStringLiteral("calibration certificate"), "AT+VFCTF?",
         [](const QByteArray &text) {
             CalibrationCertificate certificate;
             certificate.fromReply(QString::fromUtf8(text));
             certificate.toJson();
         }},
        {QStringLiteral("common header page 8"), "AT+VFXPHDR=8,",
         [](const QByteArray &text) {
             Results results;
             QByteArray reply = text;
             results.parseCommonHeader(reply);
             QJsonObject json;
             results.writeCommonJson(json);
         }},
        {QStringLiteral("schedule record"), "AT+VFSCH=0,",
         [](const QByteArray &text) {
             Schedule schedule;
             schedule.parseScheduleReply(text);
             schedule.toJson();
             schedule.measuredSeconds();
         }},
        {QStringLiteral("replies of earlier commands"), "AT+VFXPLST",
         [](const QByteArray &text) {
             // What the link keeps answers its own command, and keeping it
             // again drops nothing more.
             for (const QByteArray &prefix : {QByteArray("+VFXPLST: "), QByteArray("+CGMI: ")}) {
                 for (const auto answer :
                      {Interface::Answer::Any, Interface::Answer::Information}) {
                     const QByteArray kept = Interface::withoutEarlierReplies(text, prefix, answer);
                     if (kept.size() > text.size() ||
                         Interface::withoutEarlierReplies(kept, prefix, answer) != kept)
                         qFatal("replies of earlier commands dropped twice over");
                 }
             }
         }},
        {QStringLiteral("duration text"), "AT+VFXPDUR?",
         [](const QByteArray &text) { Results::durationToString(QString::fromLatin1(text)); }},
    };
}

// The run-list entry and record parsers of every registered model.
QList<FuzzParser> registryParsers()
{
    QList<FuzzParser> parsers;
    for (const ModelEntry &entry : ModelRegistry::instance().entries()) {
        if (entry.makeExperiment) {
            const auto make = entry.makeExperiment;
            parsers.append({entry.productName + QStringLiteral(" run-list entry"), "AT+VFXPLST",
                            [make](const QByteArray &text) {
                                std::unique_ptr<Experiment> run(make());
                                if (run && run->parseListEntry(text) == 0)
                                    run->toJson();
                            }});
        }
        if (entry.makeLog) {
            const auto make = entry.makeLog;
            parsers.append({entry.productName + QStringLiteral(" record"),
                            "AT+VFRDXP=", [make](const QByteArray &text) {
                                std::unique_ptr<Log> log(make());
                                if (log && log->parseRecord(text) == 0)
                                    log->toJson();
                            }});
        }
    }
    return parsers;
}

} // namespace

const QList<FuzzParser> &ReplyParsers::all()
{
    static const QList<FuzzParser> parsers = [] {
        QList<FuzzParser> list = commonParsers() + registryParsers();
        for (const FuzzModel &model : fuzzModels())
            list += model.parsers;
        return list;
    }();
    return parsers;
}
