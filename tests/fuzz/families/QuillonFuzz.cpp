#include "QuillonFuzz.h"

#include "QuillonReportRun.h"
#include "models/quillon/QuillonModel.h"
#include "models/quillon/QuillonResults.h"

namespace {

FuzzParser sectionParser(int section, int (QuillonResults::*parser)(QByteArray))
{
    return {QStringLiteral("QUILLON header section %1").arg(section),
            "AT+VFXPHDR=" + QByteArray::number(section) + ',', [parser](const QByteArray &text) {
                QuillonResults results;
                (results.*parser)(text);
                results.toJson();
            }};
}

} // namespace

QList<FuzzModel> quillonFuzzModels()
{
    FuzzModel model;
    model.productName = quillonProductName();
    model.parsers = {
        sectionParser(1, &QuillonResults::parseHeaderSection1),
        sectionParser(2, &QuillonResults::parseHeaderSection2),
        sectionParser(3, &QuillonResults::parseHeaderSection3),
        sectionParser(4, &QuillonResults::parseHeaderSection4),
        sectionParser(5, &QuillonResults::parseHeaderSection5),
        sectionParser(7, &QuillonResults::parseHeaderSection7),
    };
    // The sample interval, in seconds.
    model.commandShapes = QStringList{QStringLiteral("AT\\+VFINTVL=\\d+")};
    // The report with both chart pages, the sample table and the CSV beside it.
    model.reportOptions = [] { return QuillonReportRun::everySection(QString()); };
    model.userJson = {
        {"refreshGeneralData", R"({"datatype": "updateAvORArep", "arep": true})"},
        {"refreshGeneralData", R"({"datatype": "updateAvORArep", "arep": false})"},
        {"refreshPartialResults",
         R"([{"event": 1, "exposureTime": "04:00"}, {"event": 2, "exposureTime": "01:30"}])"},
    };
    return {model};
}
