#include "TestModel.h"

#include "ModelRegistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QPainter>
#include <QTime>

namespace TestModel {

const char *const ProductName = "TESTMODEL";
const char *const Extension = ".tsm";

void registerModel()
{
    ModelEntry entry;
    entry.productName = QString::fromLatin1(ProductName);
    entry.extension = QString::fromLatin1(Extension);
    entry.makeDevice = [](Device *probed) -> Device * { return new TestModelDevice(probed); };
    entry.makeDeviceByName = []() -> Device * { return new TestModelDevice; };
    entry.makeConfig = []() -> DeviceConfig * { return new TestModelConfig; };
    entry.makeExperiment = []() -> Experiment * { return new TestModelExperiment; };
    entry.makeLog = []() -> Log * { return new TestModelLog; };
    entry.makeResults = []() -> Results * { return new TestModelResults; };
    entry.makePrinter = []() -> VfPrinter * { return new TestModelPrinter; };
    entry.makeFile = [](const QString &fileName) -> VfFile * {
        return new TestModelFile(fileName);
    };
    entry.makeExposureComponent = []() -> ExposureComponent * {
        return new TestModelExposureComponent;
    };
    ModelRegistry::instance().add(entry);
}

RunText runText(int index, int size, const QByteArray &name)
{
    RunText run;
    run.listEntry = QByteArray::number(index) + ',' + QByteArray::number(size) + ',' + name;
    for (int number = 1; number <= size; ++number)
        run.records.append(QByteArray::number(number) + ',' + QByteArray::number(number * 1.5));
    run.page1 = "1," + QByteArray::number(index) + ',' + name;
    run.page8 = "8," + QByteArray::number(index) + ",3700,3600,100,90,USER";
    return run;
}

} // namespace TestModel

// ------------------------------------------------------------------ config

QJsonObject TestModelConfig::toJson()
{
    return {{QStringLiteral("level"), level}};
}

int TestModelConfig::fromJson(QString json)
{
    const QJsonObject object = QJsonDocument::fromJson(json.toUtf8()).object();
    if (!object.value(QStringLiteral("level")).isDouble())
        return -1;
    level = object.value(QStringLiteral("level")).toInt();
    return 0;
}

// ------------------------------------------------------------------ device

TestModelDevice::TestModelDevice(Device *probed)
{
    if (probed)
        adoptProbedDevice(probed);
    else
        setProductName(QString::fromLatin1(TestModel::ProductName));
    setConfig(new TestModelConfig);
}

Results *TestModelDevice::readExperimentHeader(Experiment *run)
{
    bool sent = false;
    const QByteArray reply =
        exchange("AT+VFXPHDR=1," + QByteArray::number(run->index()) + "\r\n", &sent);
    if (!sent || finalLineCode(reply) != 0) {
        if (finalLineCode(reply) == -2)
            emit busy();
        return nullptr;
    }
    auto *results = new TestModelResults;
    if (results->parsePage1(informationText(reply, "\r\n+VFXPHDR: ")) != 0) {
        delete results;
        return nullptr;
    }
    readCommonHeader(results, run->index());
    return results;
}

int TestModelDevice::readConfig()
{
    bool sent = false;
    const QByteArray reply = exchange("AT+VFTSTCFG?\r\n", &sent);
    if (!sent)
        return -3;
    const int code = finalLineCode(reply);
    if (code != 0)
        return code;
    auto *config = new TestModelConfig;
    config->level = informationText(reply, "\r\n+VFTSTCFG: ").toInt();
    setConfig(config);
    return 0;
}

int TestModelDevice::writeConfig()
{
    auto *testConfig = qobject_cast<TestModelConfig *>(config());
    if (!testConfig)
        return -1;
    bool sent = false;
    const QByteArray reply =
        exchange("AT+VFTSTCFG=" + QByteArray::number(testConfig->level) + "\r\n", &sent);
    return sent ? finalLineCode(reply) : -3;
}

// --------------------------------------------------------------------- log

int TestModelLog::parseRecord(QByteArray record)
{
    record.replace("+VFRDXP: ", "");
    record.replace("\n", "");
    const QList<QByteArray> fields = record.split(',');
    if (fields.size() != 2)
        return 1;
    number = fields.at(0).toInt();
    value = QString::fromLatin1(fields.at(1));
    return 0;
}

QJsonObject TestModelLog::toJson()
{
    return {{QStringLiteral("n"), number}, {QStringLiteral("value"), value}};
}

void TestModelLog::fromJson(const QJsonObject &json)
{
    number = json.value(QStringLiteral("n")).toInt();
    value = json.value(QStringLiteral("value")).toString();
}

// ----------------------------------------------------------------- results

int TestModelResults::parsePage1(const QByteArray &text)
{
    const QList<QByteArray> fields = text.split(',');
    if (fields.size() != 3 || fields.at(0) != "1")
        return -1;
    label = QString::fromLatin1(fields.at(2));
    return 0;
}

QJsonObject TestModelResults::toJson()
{
    QJsonObject json{{QStringLiteral("label"), label},
                     {QStringLiteral("workingHours"), workingHours}};
    writeCommonJson(json);
    return json;
}

void TestModelResults::fromJson(const QJsonObject &json)
{
    label = json.value(QStringLiteral("label")).toString();
    workingHours = json.value(QStringLiteral("workingHours")).toString();
    readCommonJson(json);
}

int TestModelResults::refreshWorkingHours(QString json)
{
    const QString hours = QJsonDocument::fromJson(json.toUtf8())
                              .object()
                              .value(QStringLiteral("workingHours"))
                              .toString();
    if (!QTime::fromString(hours, QStringLiteral("hh:mm")).isValid())
        return -1;
    workingHours = hours;
    return 0;
}

int TestModelResults::refreshExposureComponent(QJsonObject component)
{
    refreshedEvents.append(component.value(QStringLiteral("event")).toInt());
    return 0;
}

int TestModelResults::refreshGeneralData(QJsonObject data)
{
    generalDataType = data.value(QStringLiteral("datatype")).toString();
    return 0;
}

int TestModelResults::applyExposureComponents(Experiment *chainHead)
{
    Q_UNUSED(chainHead)
    ++applied;
    return 0;
}

// -------------------------------------------------------------- experiment

void TestModelExperiment::copyHeader(const Experiment *entry)
{
    Experiment::copyHeader(entry);
    if (auto *listed = qobject_cast<const TestModelExperiment *>(entry))
        name = listed->name;
}

int TestModelExperiment::parseListEntry(QByteArray line)
{
    const QList<QByteArray> fields = line.split(',');
    if (fields.size() != 3)
        return -1;
    setIndex(fields.at(0).toInt());
    setSize(fields.at(1).toInt());
    name = QString::fromLatin1(fields.at(2));
    return 0;
}

QJsonObject TestModelExperiment::toJson()
{
    QJsonObject json{{QStringLiteral("index"), index()},
                     {QStringLiteral("size"), size()},
                     {QStringLiteral("name"), name},
                     {QStringLiteral("logs"), logListJson()}};
    if (results())
        json.insert(QStringLiteral("results"), results()->toJson());
    return json;
}

TestModelExperiment *TestModelExperiment::fromJson(const QJsonObject &json)
{
    if (!json.value(QStringLiteral("index")).isDouble())
        return nullptr;
    auto *run = new TestModelExperiment;
    run->setDeviceName(QString::fromLatin1(TestModel::ProductName));
    run->setIndex(json.value(QStringLiteral("index")).toInt());
    run->setSize(json.value(QStringLiteral("size")).toInt());
    run->name = json.value(QStringLiteral("name")).toString();
    QList<Log *> records;
    const QJsonArray logsJson = json.value(QStringLiteral("logs")).toArray();
    for (const QJsonValue &value : logsJson) {
        auto *log = new TestModelLog;
        log->fromJson(value.toObject());
        records.append(log);
    }
    run->setLogs(records);
    if (json.contains(QStringLiteral("results"))) {
        auto *results = new TestModelResults;
        results->fromJson(json.value(QStringLiteral("results")).toObject());
        run->setResults(results);
    }
    return run;
}

// -------------------------------------------------------- exposure component

void TestModelExposureComponent::loadFromExperiment(Experiment *run)
{
    m_event = run ? run->index() : -1;
}

// -------------------------------------------------------------------- file

TestModelFile::TestModelFile(const QString &fileName)
    : VfFile(fileName, QString::fromLatin1(TestModel::ProductName))
{
}

Experiment *TestModelFile::parseRun(const QJsonObject &run)
{
    return TestModelExperiment::fromJson(run);
}

// ----------------------------------------------------------------- printer

void TestModelPrinter::setReportOptions(QString json)
{
    QJsonObject options;
    readCommonOptions(json, &options);
    fail = options.value(QStringLiteral("fail")).toBool();
}

int TestModelPrinter::print()
{
    if (fail || beginPainting() != 0)
        return -1;
    // A first page, then one per run, each closed by its bottom band.
    m_pageCount = 1;
    for (Experiment *run = experiment(); run; run = run->next())
        ++m_pageCount;
    measureBottomBand();
    drawTopBand();
    painter()->resetTransform();
    painter()->drawText(20, 40, productName() + QLatin1Char(' ') + sn());
    for (Experiment *run = experiment(); run; run = run->next()) {
        finishPage();
        painter()->resetTransform();
        painter()->drawText(20, 40, QStringLiteral("run %1").arg(run->index()));
    }
    drawBottomBand();
    return 0;
}
