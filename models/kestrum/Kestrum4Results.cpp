#include "Kestrum4Results.h"

#include "KestrumFields.h"

#include <QJsonArray>

namespace {

constexpr int kPage1Fields = 11;
constexpr int kPage2Fields = 3;
constexpr int kPage3Fields = 4;
constexpr int kPage4Fields = 8;
constexpr int kFirstGroup = 2;
constexpr int kBoardFields = 4;
constexpr int kMeanFields = 2;
constexpr int kExtremeFields = 6;
constexpr int kBoards = Kestrum4Results::MaxExpansions + 1;

// The first fields of the complete groups of `width` fields from field 2 on,
// up to a group whose first field is empty.
QList<int> boardGroups(const QList<QByteArray> &fields, int width, int limit)
{
    QList<int> groups;
    for (int g = kFirstGroup; groups.size() < limit && g + width <= fields.size(); g += width) {
        if (fields.at(g).isEmpty())
            break;
        groups.append(g);
    }
    return groups;
}

template <typename Record>
QJsonArray jsonArray(const QList<Record> &records)
{
    QJsonArray array;
    for (const Record &record : records)
        array.append(record.toJson());
    return array;
}

template <typename Record>
QList<Record> readArray(const QJsonValue &value)
{
    QList<Record> records;
    const QJsonArray array = value.toArray();
    for (const QJsonValue &element : array)
        records.append(Record::fromJson(element.toObject()));
    return records;
}

} // namespace

Kestrum4Results::Kestrum4Results(QObject *parent)
    : Results(parent)
{
}

int Kestrum4Results::boardCount() const
{
    return 1 + qBound(0, m_numberOfExpansions, MaxExpansions);
}

int Kestrum4Results::parseHeaderPage1(QByteArray reply)
{
    const QList<QByteArray> fields = KestrumFields::headerPage(reply, 1, kPage1Fields);
    if (fields.isEmpty())
        return -1;
    m_header.duration = KestrumFields::duration(fields.at(3));
    m_header.startTime = KestrumFields::dateTime(fields.at(4), fields.at(5));
    m_header.stopTime = KestrumFields::dateTime(fields.at(6), fields.at(7));
    m_header.pauseTime = KestrumFields::duration(fields.at(8));
    m_header.sampleTime = KestrumFields::seconds(fields.at(9));
    m_header.unity = KestrumFields::unity(fields.at(10));
    return 0;
}

int Kestrum4Results::parseHeaderPage2(QByteArray reply)
{
    const QList<QByteArray> fields = KestrumFields::headerPage(reply, 2, kPage2Fields);
    if (fields.isEmpty())
        return -1;
    // More boards than the instrument can carry would be a garbled reply.
    m_numberOfExpansions = qBound(0, fields.at(2).trimmed().toInt(), MaxExpansions);
    QList<Kestrum4ExpansionBoard> boards;
    for (int b = 0; b < m_numberOfExpansions; ++b) {
        const int g = 3 + b * kBoardFields;
        if (g + kBoardFields > fields.size())
            break;
        Kestrum4ExpansionBoard board;
        board.setSN(KestrumFields::text(fields.at(g)));
        CalibrationCertificate certificate;
        certificate.setCertification(KestrumFields::text(fields.at(g + 1)));
        certificate.setDate(KestrumFields::dateTime(fields.at(g + 2), fields.at(g + 3)));
        board.setCalibration(certificate);
        boards.append(board);
    }
    m_boards = boards;
    return 0;
}

int Kestrum4Results::parseHeaderPage3(QByteArray reply)
{
    const QList<QByteArray> fields = KestrumFields::headerPage(reply, 3, kPage3Fields);
    if (fields.isEmpty())
        return -1;
    QList<Kestrum4WbgtMean> means;
    for (int g : boardGroups(fields, kMeanFields, kBoards)) {
        Kestrum4WbgtMean mean;
        mean.setWBGTiMed(KestrumFields::number(fields.at(g)));
        mean.setWBGToMed(KestrumFields::number(fields.at(g + 1)));
        means.append(mean);
    }
    m_means = means;
    return 0;
}

int Kestrum4Results::parseHeaderPage4(QByteArray reply)
{
    const QList<QByteArray> fields = KestrumFields::headerPage(reply, 4, kPage4Fields);
    if (fields.isEmpty())
        return -1;
    QList<Kestrum4MaxMinTemperatures> extremes;
    for (int g : boardGroups(fields, kExtremeFields, kBoards)) {
        Kestrum4MaxMinTemperatures board;
        board.setWetTMax(KestrumFields::number(fields.at(g)));
        board.setWetTMin(KestrumFields::number(fields.at(g + 1)));
        board.setDryTMax(KestrumFields::number(fields.at(g + 2)));
        board.setDryTMin(KestrumFields::number(fields.at(g + 3)));
        board.setGlobeTMax(KestrumFields::number(fields.at(g + 4)));
        board.setGlobeTMin(KestrumFields::number(fields.at(g + 5)));
        extremes.append(board);
    }
    m_extremes = extremes;
    return 0;
}

QJsonObject Kestrum4Results::toJson()
{
    QJsonObject json{{QStringLiteral("numberOfExpansions"), m_numberOfExpansions},
                     {QStringLiteral("expansionBoardList"), jsonArray(m_boards)},
                     {QStringLiteral("maxMinTemperatures"), jsonArray(m_extremes)},
                     {QStringLiteral("wbgtList"), jsonArray(m_means)}};
    m_header.writeJson(json);
    writeCommonJson(json);
    return json;
}

void Kestrum4Results::fromJson(const QJsonObject &json)
{
    readCommonJson(json);
    m_header.readJson(json);
    m_numberOfExpansions = json.value(QStringLiteral("numberOfExpansions")).toInt();
    m_boards = readArray<Kestrum4ExpansionBoard>(json.value(QStringLiteral("expansionBoardList")));
    m_means = readArray<Kestrum4WbgtMean>(json.value(QStringLiteral("wbgtList")));
    m_extremes =
        readArray<Kestrum4MaxMinTemperatures>(json.value(QStringLiteral("maxMinTemperatures")));
}
