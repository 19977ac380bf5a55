// Writes the seed corpus of every fuzz target into <folder>/<target>/: data
// files saved from the simulated instruments' runs, the user JSON the pages
// send, and the replies the simulated instruments give to every device
// operation. Run by scripts/run-fuzzers.sh before the fuzzers, so that the
// seeds always follow the formats in the sources.

#include "Core.h"
#include "CoreRig.h"
#include "CoreSlots.h"
#include "DataFileInput.h"
#include "Device.h"
#include "DeviceOperations.h"
#include "ExchangeInput.h"
#include "FuzzApp.h"
#include "FuzzModel.h"
#include "Interface.h"
#include "ReplyParsers.h"
#include "SimulatedInstrument.h"
#include "SimulatedModels.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <cmath>
#include <memory>

namespace {

class SeedWriter
{
public:
    explicit SeedWriter(const QString &folder)
        : m_folder(folder)
    {
    }

    void write(const QString &target, const QByteArray &seed)
    {
        QDir dir(m_folder);
        dir.mkpath(target);
        const QString name =
            QStringLiteral("seed-") +
            QString::fromLatin1(QCryptographicHash::hash(seed, QCryptographicHash::Sha1).toHex());
        QFile file(dir.filePath(target + QLatin1Char('/') + name));
        if (file.open(QIODevice::WriteOnly))
            file.write(seed);
        ++m_count[target];
    }

    QMap<QString, int> counts() const { return m_count; }

private:
    QString m_folder;
    QMap<QString, int> m_count;
};

int indexOfModel(const QList<ModelEntry> &models, const QString &productName)
{
    for (int i = 0; i < models.size(); ++i) {
        if (models.at(i).productName == productName)
            return i;
    }
    return -1;
}

// Values a damaged file may hold where a measured value stands: beyond any
// instrument's range, past what an int holds, past what a float holds.
const char *const kExtremeValues[] = {"1e12", "2147483648", "1e39", "-1e39"};

// `value` with every measured value replaced by `extreme`: a text that reads
// as a number with a decimal point, or a JSON number with a fraction (counts,
// indexes and codes have neither).
QJsonValue withMeasuredValues(const QJsonValue &value, const QString &extreme)
{
    if (value.isObject()) {
        QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            it.value() = withMeasuredValues(it.value(), extreme);
        return object;
    }
    if (value.isArray()) {
        QJsonArray array = value.toArray();
        for (auto it = array.begin(); it != array.end(); ++it)
            *it = withMeasuredValues(*it, extreme);
        return array;
    }
    bool number = false;
    if (value.isString() && value.toString().contains(QLatin1Char('.')))
        value.toString().toDouble(&number);
    if (number)
        return extreme;
    if (value.isDouble() && value.toDouble() != std::trunc(value.toDouble()))
        return extreme.toDouble();
    return value;
}

// The saved file of the rig's two runs, raw and as the JSON inside; for the
// report, also the JSON with extreme measured values, which the charts' axes
// must take.
void writeDataFiles(SeedWriter &seeds, CoreRig &rig, const QString &productName)
{
    if (indexOfModel(DataFileInput::models(DataFileInput::Models::Readable), productName) < 0)
        return;
    const QString path =
        QDir(QString::fromLocal8Bit(FuzzApp::scratchDir()))
            .filePath(QStringLiteral("seed") +
                      ModelRegistry::instance().byProductName(productName)->extension);
    if (rig.core().saveExperimentToFile(path) != 0)
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray content = file.readAll();
    const QByteArray json = QByteArray::fromBase64(content.left(content.indexOf('\n')));
    seeds.write(QStringLiteral("json"), json);
    const QPair<QString, DataFileInput::Models> targets[] = {
        {QStringLiteral("datafile"), DataFileInput::Models::Readable},
        {QStringLiteral("report"), DataFileInput::Models::Printable},
    };
    for (const auto &target : targets) {
        const int model = indexOfModel(DataFileInput::models(target.second), productName);
        if (model < 0)
            continue;
        seeds.write(target.first, DataFileInput::write(model, false, content));
        seeds.write(target.first, DataFileInput::write(model, true, json));
    }
    const int printable =
        indexOfModel(DataFileInput::models(DataFileInput::Models::Printable), productName);
    if (printable < 0)
        return;
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    for (const char *extreme : kExtremeValues) {
        const QJsonValue damaged = withMeasuredValues(root, QString::fromLatin1(extreme));
        seeds.write(
            QStringLiteral("report"),
            DataFileInput::write(printable, true, QJsonDocument(damaged.toObject()).toJson()));
    }
}

void writeUserJson(SeedWriter &seeds, CoreRig &rig, int model, const QString &productName)
{
    const QByteArray schedule =
        R"({"monthDay": 12, "label": "Shift A", "startTime": "08:00", "pauseTime": "12:00",
            "resumeTime": "13:00", "stopTime": "17:00", "pausable": true})";
    const QByteArray unpaused =
        R"({"monthDay": 31, "label": "Night", "startTime": "22:00", "stopTime": "06:00"})";
    QList<QPair<QByteArray, QByteArray>> texts = {
        {"sndConfiguration", rig.core().configuration().toUtf8()},
        {"sndCalibration", rig.core().calib().toUtf8()},
        {"sndCalibration", R"({"date": "2021-10-29T14:20:02", "certification": "LAB-7, 2021"})"},
        {"sndScheduleList", R"({"scheduleList": [)" + schedule + ", " + unpaused + "]}"},
        {"addSchedule", schedule},
        {"addSchedule", unpaused},
        {"refreshWorkingHours", R"({"workingHours": "08:00"})"},
        {"refreshWorkingHours", R"({"workingHours": "10:30"})"},
        {"refreshPartialResults", R"([{"event": 1, "time": "02:00"}])"},
    };
    if (const FuzzModel *row = fuzzModel(productName))
        texts += row->userJson;
    for (const auto &text : texts) {
        const int slot = CoreSlots::indexOf(text.first);
        if (slot >= 0)
            seeds.write(QStringLiteral("commands"),
                        QByteArray(1, char(model)) + char(slot) + text.second);
    }
}

// The reply text without its final line, and without its response prefixes
// too, as the readers hand it to the parsers.
QList<QByteArray> replyTexts(const QByteArray &reply)
{
    QByteArray text = reply;
    for (const QByteArray final : {QByteArray("\r\n\r\nOK\r\n"), QByteArray("\r\nOK\r\n")}) {
        if (text.endsWith(final)) {
            text.chop(final.size());
            break;
        }
    }
    if (text.startsWith("\r\n"))
        text.remove(0, 2);
    QByteArray bare = text;
    const int colon = bare.indexOf(": ");
    if (bare.startsWith('+') && colon > 0)
        bare = bare.mid(colon + 2).replace("\r\n\r\n", "\n");
    return {text, bare};
}

// Every device operation against a healthy simulated instrument of the model:
// its replies are the exchange seeds, and the replies to each parser's
// command are that parser's seeds.
void writeExchanges(SeedWriter &seeds, const QString &productName)
{
    const QList<ModelEntry> models = ExchangeInput::models();
    const int model = indexOfModel(models, productName);
    if (model < 0)
        return;
    const QList<FuzzParser> &parsers = ReplyParsers::all();
    const QList<DeviceOperation> &operations = DeviceOperations::all();
    for (int operation = 0; operation < operations.size(); ++operation) {
        SimulatedInstrument instrument;
        installSimulatedModel(instrument, productName.toLatin1());
        const QDateTime start(QDate(2021, 10, 29), QTime(8, 0), Qt::OffsetFromUTC, 0);
        addSimulatedRun(instrument, 1, 12, start);
        ExchangeInput input;
        input.model = model;
        input.operation = operation;
        input.size = 12;
        QObject::connect(&instrument, &SimulatedInstrument::answered,
                         [&](const QByteArray &command, const QByteArray &reply) {
                             input.replies.append(reply);
                             for (int i = 0; i < parsers.size(); ++i) {
                                 if (!command.startsWith(parsers.at(i).command))
                                     continue;
                                 for (const QByteArray &text : replyTexts(reply))
                                     seeds.write(QStringLiteral("replies"),
                                                 QByteArray(1, char(i)) + text);
                             }
                         });
        Device probed;
        probed.open(instrument.portPath());
        probed.setProductName(productName);
        std::unique_ptr<Device> device(models.at(model).makeDevice(&probed));
        operations.at(operation).run(device.get(), input.size);
        device.reset();
        seeds.write(QStringLiteral("exchanges"), input.write());
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        QTextStream(stderr) << "usage: make-fuzz-seeds <folder>\n";
        return 2;
    }
    FuzzApp::start(&argc, &argv);
    SeedWriter seeds(QString::fromLocal8Bit(argv[1]));
    const QStringList models = CoreRig::models();
    for (int model = 0; model < models.size(); ++model) {
        CoreRig rig(models.at(model).toLatin1());
        if (!rig.isReady()) {
            QTextStream(stderr) << models.at(model)
                                << ": the simulated instrument could not be set up\n";
            return 1;
        }
        writeDataFiles(seeds, rig, models.at(model));
        writeUserJson(seeds, rig, model, models.at(model));
        writeExchanges(seeds, models.at(model));
    }
    const QMap<QString, int> counts = seeds.counts();
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        QTextStream(stdout) << it.key() << ": " << it.value() << " seeds\n";
    return 0;
}
