#include "TolvarFuzz.h"

#include "TolvarReportRun.h"
#include "models/tolvar/Tolvar4Results.h"
#include "models/tolvar/TolvarModel.h"
#include "models/tolvar/TolvarResults.h"

#include <memory>

namespace {

// The pumps write only the common commands; their run header is their one
// page of their own.
template <typename PumpResults>
FuzzModel pumpModel(const QString &productName)
{
    FuzzModel model;
    model.productName = productName;
    model.parsers = {
        {productName + QStringLiteral(" run header"), "AT+VFXPHDR=1,",
         [](const QByteArray &text) {
             auto results = std::make_unique<PumpResults>();
             results->parseHeader(text);
             results->toJson();
         }},
    };
    model.reportOptions = [] { return TolvarReportRun::everySection(QString()); };
    return model;
}

} // namespace

QList<FuzzModel> tolvarFuzzModels()
{
    return {pumpModel<TolvarResults>(tolvarProductName()),
            pumpModel<Tolvar4Results>(tolvar4ProductName())};
}
