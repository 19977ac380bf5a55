#include "BemariFuzz.h"

#include "models/bemari/BemariModel.h"
#include "models/bemari/BemariPlusResults.h"
#include "models/bemari/BemariResults.h"

#include <memory>

namespace {

// The five header pages of a model, each read into new results.
template <typename LevelResults>
QList<FuzzParser> pageParsers(const QString &productName)
{
    QList<FuzzParser> parsers;
    for (int page = 1; page <= 5; ++page) {
        parsers.append({productName + QStringLiteral(" header page %1").arg(page),
                        "AT+VFXPHDR=" + QByteArray::number(page) + ',',
                        [page](const QByteArray &text) {
                            auto results = std::make_unique<LevelResults>();
                            results->parsePage(page, text);
                            results->toJson();
                        }});
    }
    return parsers;
}

template <typename LevelResults>
FuzzModel soundLevelMeter(const QString &productName, const QStringList &modelSwitches)
{
    FuzzModel model;
    model.productName = productName;
    model.parsers = pageParsers<LevelResults>(productName);
    model.commandShapes = QStringList{
        QStringLiteral("AT\\+VFFQWGHT=\"(A|C|Z)\""),
        QStringLiteral("AT\\+VFTMWGHT=\"(Fast|Slow|Impulse)\""),
        QStringLiteral("AT\\+VFOCTAVE=\"(1/1|1/3)\""),
    };
    model.reportOptions = [modelSwitches] {
        QJsonObject options;
        for (const char *key :
             {"ckbTable", "cmpnyInfoEnable", "siteInfoEnable", "emplInfoEnable",
              "ownCompanyInfoEnable", "collectorInfoEnable", "repInfoEnable", "repIdInfoEnable",
              "obsEnable", "ckbChartLvl", "ckbLeqZ", "ckbLeqA", "ckbLeqC", "ckbCalField",
              "ckbPreChk", "ckbPosChk", "ckbCalLab", "ckbCalAudLab"})
            options.insert(QLatin1String(key), true);
        for (const QString &key : modelSwitches)
            options.insert(key, true);
        return options;
    };
    return model;
}

} // namespace

QList<FuzzModel> bemariFuzzModels()
{
    return {soundLevelMeter<BemariResults>(bemariProductName(), {QStringLiteral("ckbChartLeq")}),
            soundLevelMeter<BemariPlusResults>(
                bemariPlusProductName(),
                {QStringLiteral("ckbResZ"), QStringLiteral("ckbResA"), QStringLiteral("ckbResC"),
                 QStringLiteral("ckbMaxMinZ"), QStringLiteral("ckbMaxMinA"),
                 QStringLiteral("ckbMaxMinC"), QStringLiteral("ckbStatistics")})};
}
