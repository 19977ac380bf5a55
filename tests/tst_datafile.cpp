#include "Base64Text.h"
#include "DataFileEnvelope.h"
#include "Device.h"
#include "Experiment.h"
#include "FileFactory.h"
#include "JsonReader.h"
#include "JsonShape.h"
#include "ModelRegistry.h"
#include "VfFile.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QtTest>

#include <limits>

namespace {

const QString kModel = QStringLiteral("FILE TEST");
const QString kOtherModel = QStringLiteral("OTHER TEST");

class NumberedRun : public Experiment
{
public:
    QJsonObject toJson() override { return {{"index", index()}}; }
};

class TestFile : public VfFile
{
public:
    TestFile(const QString &fileName, const QString &model)
        : VfFile(fileName, model)
    {
    }

protected:
    Experiment *parseRun(const QJsonObject &object) override
    {
        if (!object.contains("index"))
            return nullptr;
        auto *run = new NumberedRun;
        run->setIndex(object.value("index").toInt());
        return run;
    }
};

ModelEntry fileModel(const QString &name, const QString &extension)
{
    ModelEntry entry;
    entry.productName = name;
    entry.extension = extension;
    entry.makeDeviceByName = [name] {
        auto *device = new Device;
        device->setProductName(name);
        return device;
    };
    entry.makeFile = [name](const QString &fileName) { return new TestFile(fileName, name); };
    return entry;
}

QJsonObject device(const QString &name = kModel)
{
    return {{"name", name},
            {"manufactory", "valtrix"},
            {"SN", "0042"},
            {"Fw", "2.1"},
            {"calibration", QJsonObject{{"date", "21/10/29,14:20:02-12"}, {"certification", "C1"}}},
            {"scheduleList", QJsonArray()}};
}

QByteArray fileWithRuns(const QList<int> &indexes, const QString &name = kModel)
{
    QList<QJsonObject> runs;
    for (int index : indexes)
        runs.append({{"index", index}});
    return DataFileEnvelope::encode(DataFileEnvelope::document("57", device(name), runs));
}

QByteArray envelopeOf(const QJsonDocument &document)
{
    const QByteArray line = document.toJson().toBase64();
    return line + '\n' + QCryptographicHash::hash(line, QCryptographicHash::Md5).toHex();
}

QList<int> chainIndexes(Experiment *head)
{
    QList<int> indexes;
    for (Experiment *run = head; run; run = run->next())
        indexes.append(run->index());
    return indexes;
}

} // namespace

// The data-file envelope, its reader and the file factory.
class TestDataFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ModelRegistry::instance().add(fileModel(kModel, ".tsx"));
        ModelRegistry::instance().add(fileModel(kOtherModel, ".tso"));
    }

    void cleanupTestCase()
    {
        ModelRegistry::instance().remove(kModel);
        ModelRegistry::instance().remove(kOtherModel);
    }

    void writerBytes()
    {
        const QJsonDocument document = DataFileEnvelope::document("57", device(), {{{"index", 1}}});
        const QByteArray bytes = DataFileEnvelope::encode(document);
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 2);
        QVERIFY(!bytes.endsWith('\n') && !bytes.endsWith('\r'));
        QCOMPARE(lines.at(0), document.toJson(QJsonDocument::Indented).toBase64());
        QCOMPARE(lines.at(1),
                 QCryptographicHash::hash(lines.at(0), QCryptographicHash::Md5).toHex());
        QVERIFY(QJsonDocument::fromJson(QByteArray::fromBase64(lines.at(0)))
                    .toJson()
                    .contains("\n    \"Body\": ["));

        QJsonObject root;
        QCOMPARE(DataFileEnvelope::decode(bytes, root), DataFileEnvelope::Ok);
        QCOMPARE(QJsonDocument(root), document);
    }

    // The writer's own JSON text and Base64 give Qt's bytes for every kind
    // of value, and for a document long enough to be written and read in
    // parallel chunks.
    void writerBytesForEveryValue_data()
    {
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("plain text") << QJsonValue("21.5");
        QTest::newRow("escapes") << QJsonValue("q\"b\\s/\b\f\n\r\t\x01\x1f\x7f");
        QTest::newRow("non-ASCII")
            << QJsonValue(QString("Temperatura ") + QChar(0xb0) + "C " + QChar(0x20ac));
        QTest::newRow("surrogates") << QJsonValue(QString(QChar(0xd800)) + QChar(0x41) +
                                                  QString::fromUtf8("\xf0\x9f\x98\x80"));
        QTest::newRow("empty text") << QJsonValue("");
        const QList<double> numbers = {0,
                                       -0.0,
                                       1,
                                       -1,
                                       25,
                                       1000000,
                                       0.1,
                                       -2.75,
                                       1e-7,
                                       123456.789,
                                       1e15,
                                       1e16,
                                       9007199254740991.0,
                                       9007199254740993.0,
                                       1e21,
                                       -1e300,
                                       4.9e-324,
                                       std::numeric_limits<double>::quiet_NaN(),
                                       std::numeric_limits<double>::infinity()};
        for (double number : numbers)
            QTest::newRow(qPrintable(QString::number(number, 'g', 17))) << QJsonValue(number);
        QTest::newRow("large integer") << QJsonValue(qint64(1) << 62);
        QTest::newRow("true") << QJsonValue(true);
        QTest::newRow("null") << QJsonValue();
        QTest::newRow("empty array") << QJsonValue(QJsonArray());
        QTest::newRow("empty object") << QJsonValue(QJsonObject());
        QTest::newRow("nested") << QJsonValue(QJsonArray{
            QJsonObject{{"b", QJsonArray{1, QJsonArray{}}}, {"a", QJsonObject{{"c", "d"}}}}});
        QJsonArray samples;
        for (int i = 0; i < 40000; ++i)
            samples.append(QJsonObject{{"date", QString("26/03/02,08:%1:00-12").arg(i % 60)},
                                       {"level", QString::number(i * 0.25)},
                                       {"list", QJsonArray{i, QJsonObject{{"x", -i}}}}});
        QTest::newRow("samples of a long run") << QJsonValue(samples);
    }

    void writerBytesForEveryValue()
    {
        QFETCH(QJsonValue, value);
        const QJsonDocument document(QJsonObject{{"Info", QJsonObject{{"Sw", "57"}}},
                                                 {"Body", QJsonArray{QJsonObject{{"v", value}}}}});
        const QByteArray bytes = DataFileEnvelope::encode(document);
        QCOMPARE(bytes, envelopeOf(document));
        QJsonObject root;
        QCOMPARE(DataFileEnvelope::decode(bytes, root), DataFileEnvelope::Ok);
        QCOMPARE(QJsonDocument(root), QJsonDocument::fromJson(document.toJson()));
    }

    // The reader gives Qt's document, or Qt's error at Qt's offset, for every
    // text; the texts that split cleanly are read in pieces.
    void readerGivesQtsDocument_data()
    {
        QTest::addColumn<QByteArray>("json");
        // 1 read in pieces, 0 whole, -1 either (the threads decide).
        QTest::addColumn<int>("inPieces");
        const QByteArray four = "[{}, {\"a\": 1}, {\"b\": [2, {}]}, {}]";
        QTest::newRow("array of objects") << four << 1;
        QTest::newRow("white space of every kind")
            << QByteArray("\xef\xbb\xbf { \"x\" :\t[ {} ,\r\n{}\n,{},  [] ]\n}\n") << 1;
        QTest::newRow("two long arrays, one inside a short one")
            << QByteArray("{\"Body\": [{\"logList\": " + four + "}, {\"logList\": " + four +
                          "}], \"n\": 2}")
            << 1;
        QTest::newRow("a long array of long arrays")
            << QByteArray("[" + four + "," + four + "," + four + "," + four + "]") << 1;
        QTest::newRow("brackets and quotes inside strings")
            << QByteArray("[{\"a\": \"]\"}, {\"[{\": \"\\\"]\"}, {\"c\": \"\\\\\"}, [\"}\"]]") << 1;
        QTest::newRow("a line break inside a string")
            << QByteArray("[{\"a\": \"x\ny\"}, {}, {}, {}]") << 1;
        // Threads start scanning at line starts: here some start inside
        // strings and read their brackets as the text's.
        QByteArray lines;
        for (int i = 0; i < 40; ++i)
            lines += "\n ]}[{\\\" [";
        QByteArray strings = "[";
        for (int i = 0; i < 8; ++i)
            strings += QByteArray(i ? "," : "") + "{\"s\": \"" + lines + "\"}";
        QTest::newRow("line breaks inside strings") << strings + "]" << -1;
        QTest::newRow("a number among the objects") << QByteArray("[{}, 1, {}, {}, {}]") << 0;
        QTest::newRow("a number before the objects") << QByteArray("[1, {}, {}, {}, {}]") << 0;
        QTest::newRow("trailing comma") << QByteArray("[{}, {}, {}, {},]") << 0;
        QTest::newRow("two commas") << QByteArray("[{}, {},, {}, {}]") << 0;
        QTest::newRow("no comma") << QByteArray("[{}, {} {}, {}]") << 0;
        QTest::newRow("a bad piece") << QByteArray("[{}, {}, {}, {\"a\" 1}]") << 0;
        QTest::newRow("unbalanced") << QByteArray("[{}, {}, {}, {}}") << 0;
        QTest::newRow("text after the document") << QByteArray("[{}, {}, {}, {}] x") << 0;
        QTest::newRow("the marker in the document")
            << QByteArray("{\"a\": [\"\\u0000valtrix-elements-0\"], \"b\": " + four + "}") << 0;
        // A repeated key keeps the last value of its object, in Qt's
        // document and in the reader's.
        QTest::newRow("a repeated key, then the marker")
            << QByteArray("{\"a\":[[],[]],\"a\":[\"\\u0000valtrix-elements-0\"]}") << 0;
        QTest::newRow("a repeated key, then the marker after a long array")
            << QByteArray("{\"a\": " + four + ", \"a\": [\"\\u0000valtrix-elements-0\"]}") << 0;
        QTest::newRow("a repeated key, then the marker escaped otherwise")
            << QByteArray("{\"a\": " + four + ", \"a\": [\"\\u0000\\u0076altrix-elements-0\"]}")
            << 0;
        QTest::newRow("a repeated key, then the marker as a raw byte")
            << QByteArray("{\"a\": " + four + ", \"a\": [\"") + QByteArray(1, '\0') +
                   QByteArray("valtrix-elements-0\"]}")
            << 0;
        QTest::newRow("a repeated key, long arrays both")
            << QByteArray("{\"a\": " + four + ", \"a\": [[], {}, [1], {}]}") << -1;
        QTest::newRow("a repeated key, then a number")
            << QByteArray("{\"a\": " + four + ", \"a\": 1, \"b\": " + four + "}") << -1;
        QTest::newRow("a repeated key, first a number")
            << QByteArray("{\"a\": 1, \"a\": " + four + "}") << 1;
        QTest::newRow("a repeated key inside the elements")
            << QByteArray("[{\"a\": 1, \"a\": [2]}, {}, {\"b\": [], \"b\": {}}, {}]") << 1;
        QTest::newRow("a repeated key around an inner marker")
            << QByteArray("{\"a\": [{\"s\": \"\\u0000valtrix-elements-0\"}, {}, {}, {}], "
                          "\"a\": [\"\\u0000valtrix-elements-0\"]}")
            << 0;
        QTest::newRow("too deep for pieces")
            << QByteArray(300, '[') + four + QByteArray(300, ']') << 0;
        QTest::newRow("too deep for Qt")
            << QByteArray(1100, '[') + four + QByteArray(1100, ']') << 0;
        QTest::newRow("not JSON") << QByteArray("{[}, {}, {}, {}]") << 0;
        QJsonArray samples;
        for (int i = 0; i < 40000; ++i)
            samples.append(QJsonObject{{"date", QString("26/03/02,08:%1:00-12").arg(i % 60)},
                                       {"level", QString::number(i * 0.25)},
                                       {"list", QJsonArray{i, QJsonObject{{"x", -i}}}}});
        const QJsonDocument run(
            QJsonObject{{"Body", QJsonArray{QJsonObject{{"logList", samples}}}}});
        QTest::newRow("samples of a long run") << run.toJson(QJsonDocument::Indented) << 1;
        QTest::newRow("samples of a long run, compact") << run.toJson(QJsonDocument::Compact) << 1;
    }

    void readerGivesQtsDocument()
    {
        QFETCH(QByteArray, json);
        QFETCH(int, inPieces);
        QJsonParseError expectedError;
        const QJsonDocument expected = QJsonDocument::fromJson(json, &expectedError);
        // Pieces of one and two elements, and the pieces of a data file.
        for (int piece : {1, 2, 2048}) {
            QJsonParseError error{-1, QJsonParseError::UnterminatedObject};
            bool split = false;
            const QJsonDocument document = JsonReader::document(json, &error, piece, &split);
            QCOMPARE(document, expected);
            QCOMPARE(error.error, expectedError.error);
            QCOMPARE(error.offset, expectedError.offset);
            if (inPieces >= 0 && (piece == 2 || json.size() > 1000000))
                QCOMPARE(int(split), inPieces);
        }
        QJsonParseError error;
        QCOMPARE(JsonReader::document(json, &error), expected);
        QCOMPARE(error.error, expectedError.error);
    }

    // Objects made from a shape are the objects Qt makes from the same keys
    // and values, also when a value is undefined or a key repeats; a copy
    // of one leaves the others alone.
    void shapedObjectsAreQtsObjects()
    {
        const JsonShape shape({"z", "a", "m"});
        QJsonObject first = shape.object({"text", 2, QJsonArray{1, "x"}});
        QCOMPARE(first, (QJsonObject{{"z", "text"}, {"a", 2}, {"m", QJsonArray{1, "x"}}}));
        const QJsonObject second = shape.object({QJsonValue(), false, QJsonObject{{"k", 1}}});
        first.insert("a", 3);
        QCOMPARE(second,
                 (QJsonObject{{"z", QJsonValue()}, {"a", false}, {"m", QJsonObject{{"k", 1}}}}));
        QCOMPARE(shape.object({"t", QJsonValue(QJsonValue::Undefined), 1}),
                 (QJsonObject{{"z", "t"}, {"m", 1}}));
        QCOMPARE(JsonShape({"k", "k"}).object({1, 2}), (QJsonObject{{"k", 2}}));
    }

    // The Base64 of bytes in parts of any sizes is Qt's, and reads back.
    void base64OfParts_data()
    {
        QTest::addColumn<QList<int>>("sizes");
        QTest::newRow("nothing") << QList<int>{};
        QTest::newRow("one byte") << QList<int>{1};
        QTest::newRow("two bytes in two parts") << QList<int>{1, 1};
        QTest::newRow("empty parts between") << QList<int>{2, 0, 0, 3};
        QTest::newRow("long, parts across groups") << QList<int>{1000001, 7, 2999999, 1};
        QTest::newRow("long, one byte over groups") << QList<int>{3000001};
        QTest::newRow("long, two bytes over groups") << QList<int>{1500000, 1500002};
    }

    void base64OfParts()
    {
        QFETCH(QList<int>, sizes);
        std::vector<QByteArray> parts;
        QByteArray whole;
        quint32 seed = 7;
        for (int size : sizes) {
            QByteArray part(size, Qt::Uninitialized);
            for (char &byte : part) {
                seed = seed * 1103515245u + 12345u;
                byte = char(seed >> 23);
            }
            parts.push_back(part);
            whole += part;
        }
        const QByteArray text = Base64Text::encode(parts);
        QCOMPARE(text, whole.toBase64());
        const QByteArray::FromBase64Result decoded = Base64Text::decode(text);
        QVERIFY(decoded);
        QCOMPARE(decoded.decoded, whole);
    }

    // A long file whose Base64 text is wrong only in its middle is refused
    // as a short one is.
    void longFileWithBadBase64IsRefused_data()
    {
        QTest::addColumn<QByteArray>("replacement");
        QTest::newRow("padding") << QByteArray("AA==");
        QTest::newRow("character outside the alphabet") << QByteArray("AA!A");
    }

    void longFileWithBadBase64IsRefused()
    {
        QFETCH(QByteArray, replacement);
        QJsonArray samples;
        for (int i = 0; i < 100000; ++i)
            samples.append(QString("26/03/02,08:00:00-12 %1").arg(i));
        QByteArray line = QJsonDocument(QJsonObject{{"Body", samples}}).toJson().toBase64();
        line.replace(line.size() / 2 / 4 * 4, replacement.size(), replacement);
        const QByteArray content =
            line + '\n' + QCryptographicHash::hash(line, QCryptographicHash::Md5).toHex();
        QJsonObject root;
        QCOMPARE(DataFileEnvelope::decode(content, root), DataFileEnvelope::Malformed);
    }

    void headerRebuildsTheInstrument()
    {
        TestFile file("/tmp/x.tsx", kModel);
        std::unique_ptr<Device> instrument(file.readHeader(fileWithRuns({1})));
        QVERIFY(instrument);
        QCOMPARE(file.status(), 0);
        QCOMPARE(instrument->productName(), kModel);
        QCOMPARE(instrument->manufactoryName(), QString("valtrix"));
        QCOMPARE(instrument->sn(), QString("0042"));
        QCOMPARE(instrument->firmware(), QString("2.1"));
        QCOMPARE(instrument->calibration().certification(), QString("C1"));
        QCOMPARE(instrument->calibration().date().offsetFromUtc(), -3 * 3600);
        QCOMPARE(file.path(), QString("/tmp"));
        QCOMPARE(file.baseName(), QString("x"));
    }

    void refusedContent_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<int>("status");
        const QByteArray good = fileWithRuns({1});
        QByteArray changed = good;
        changed[10] = changed.at(10) == 'A' ? 'B' : 'A';
        const QList<QByteArray> lines = good.split('\n');
        QTest::newRow("line feed appended") << good + '\n' << 2;
        QTest::newRow("one line") << lines.at(0) << 2;
        QTest::newRow("three lines") << good + "\nextra" << 2;
        QTest::newRow("empty file") << QByteArray() << 2;
        QTest::newRow("one byte changed") << changed << 1;
        QTest::newRow("upper-case digest") << lines.at(0) + '\n' + lines.at(1).toUpper() << 1;
        QTest::newRow("CR LF line end") << lines.at(0) + "\r\n" + lines.at(1) << 1;
        QTest::newRow("bad Base64") << envelopeOf(QJsonDocument()).replace(0, 0, "!!!!") << 1;
        const QByteArray badBase64 = "!!!not base64!!!";
        QTest::newRow("bad Base64, digest right")
            << badBase64 + '\n' +
                   QCryptographicHash::hash(badBase64, QCryptographicHash::Md5).toHex()
            << 2;
        const QByteArray notJson = QByteArray("not json").toBase64();
        QTest::newRow("not JSON")
            << notJson + '\n' + QCryptographicHash::hash(notJson, QCryptographicHash::Md5).toHex()
            << 2;
        QTest::newRow("JSON array") << envelopeOf(QJsonDocument(QJsonArray{1})) << 2;
        QTest::newRow("another model") << fileWithRuns({1}, kOtherModel) << 2;
        QTest::newRow("unknown model") << fileWithRuns({1}, "NO SUCH MODEL") << 2;
    }

    void refusedContent()
    {
        QFETCH(QByteArray, content);
        QFETCH(int, status);
        TestFile file("/tmp/x.tsx", kModel);
        QVERIFY(!file.readHeader(content));
        QCOMPARE(file.status(), status);
        file.clearStatus();
        QCOMPARE(file.status(), 0);
    }

    void bodyRuns_data()
    {
        QTest::addColumn<QJsonValue>("body");
        QTest::addColumn<QList<int>>("indexes");
        QTest::addColumn<int>("status");
        QTest::newRow("three runs")
            << QJsonValue(QJsonArray{QJsonObject{{"index", 4}}, QJsonObject{{"index", 7}},
                                     QJsonObject{{"index", 9}}})
            << QList<int>{4, 7, 9} << 0;
        QTest::newRow("object is one run")
            << QJsonValue(QJsonObject{{"index", 5}}) << QList<int>{5} << 0;
        QTest::newRow("empty array") << QJsonValue(QJsonArray()) << QList<int>{} << 2;
        QTest::newRow("no body") << QJsonValue() << QList<int>{} << 2;
        QTest::newRow("unreadable second run")
            << QJsonValue(QJsonArray{QJsonObject{{"index", 4}}, QJsonObject{{"x", 1}}})
            << QList<int>{} << 2;
    }

    void bodyRuns()
    {
        QFETCH(QJsonValue, body);
        QFETCH(QList<int>, indexes);
        QFETCH(int, status);
        QJsonObject root{{"Info", QJsonObject{{"Sw", "1"}, {"Device", device()}}}};
        if (!body.isUndefined())
            root.insert("Body", body);
        TestFile file("/tmp/x.tsx", kModel);
        Experiment *head = file.parse(envelopeOf(QJsonDocument(root)));
        QCOMPARE(chainIndexes(head), indexes);
        QCOMPARE(file.status(), status);
        if (head)
            head->deleteChain();
    }

    void writeIsWholeOrNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("run.tsx");
        QCOMPARE(VfFile::write(path, fileWithRuns({1, 2})), 0);
        QFile written(path);
        QVERIFY(written.open(QIODevice::ReadOnly));
        TestFile file(path, kModel);
        Experiment *head = file.parse(written.readAll());
        QCOMPARE(chainIndexes(head), QList<int>({1, 2}));
        head->deleteChain();
        QCOMPARE(VfFile::write(dir.filePath("missing/dir/run.tsx"), "x"), -1);
    }

    void factoryByExtension_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<bool>("made");
        QTest::newRow("own extension") << "/data/run.tsx" << true;
        QTest::newRow("upper case") << "/data/run.TSX" << false;
        QTest::newRow("no extension") << "/data/run" << false;
        QTest::newRow("extension inside the name") << "/data/run.tsx.bak" << false;
    }

    void factoryByExtension()
    {
        QFETCH(QString, fileName);
        QFETCH(bool, made);
        std::unique_ptr<VfFile> file(FileFactory::createByExtension(fileName));
        QCOMPARE(bool(file), made);
        if (file)
            QCOMPARE(file->fileName(), fileName);
    }

    void factoryByNameAppendsExtensionOnce()
    {
        QString fileName = "/data/run";
        std::unique_ptr<VfFile> file(FileFactory::createByName(kModel, fileName));
        QVERIFY(file);
        QCOMPARE(fileName, QString("/data/run.tsx"));
        QCOMPARE(file->fileName(), fileName);
        std::unique_ptr<VfFile> again(FileFactory::createByName(kModel, fileName));
        QCOMPARE(fileName, QString("/data/run.tsx"));
        QString other = "/data/run";
        QVERIFY(!FileFactory::createByName("file test", other));
        QCOMPARE(other, QString("/data/run"));
    }
};

QTEST_MAIN(TestDataFile)
#include "tst_datafile.moc"
