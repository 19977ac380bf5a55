#include "Dravo2Results.h"

#include "DeviceDateTime.h"
#include "Dravo2Dose.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QStringList>
#include <QTextCodec>

namespace {

const QByteArray kHeaderPrefix = "+VFXPHDR: ";
const QByteArray kConfigPrefix = "+VFDOSCFG: ";
const int kConfigFields = 7;
const int kPage1Fields = 9;
const int kPage1FieldsWithOctave = 10;
const int kDosimeterPageFields = 5;
const int kDosimeterPageFieldsWithLabel = 6;
const int kPage5Fields = 12;
const int kBandFields = 6;
const int kPage7Fields = 8;

// The JSON names of the three dosimeters: "dos1actionLevel", "doseDos1".
const char *const kConfigPrefixes[] = {"dos1", "dos2", "dosUSER"};
const char *const kResultSuffixes[] = {"Dos1", "Dos2", "DosUSER"};
const char *const kProtectorBands[] = {"125", "250", "500", "1000", "2000", "4000", "8000"};

// The fields of one reply line: the prefix and line feeds removed, optionally
// the double quotes, split at "," with empty fields kept.
QList<QByteArray> splitFields(QByteArray line, const QByteArray &prefix, bool removeQuotes)
{
    line.replace(prefix, "");
    line.replace("\n", "");
    if (removeQuotes)
        line.replace("\"", "");
    return line.split(',');
}

// A field as UTF-8 text, up to its first NUL byte.
QString fieldText(const QByteArray &field)
{
    const int nul = field.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? field : field.left(nul));
}

QString unquotedText(QByteArray field)
{
    return fieldText(field.replace("\"", ""));
}

// A level the instrument left empty is kept as "---", never as 0.
QString levelText(const QByteArray &field)
{
    const QString text = fieldText(field);
    return text.isEmpty() ? QStringLiteral("---") : text;
}

QDateTime dateTimeOf(const QString &date, const QString &time)
{
    return parseDeviceDateTime(date + QLatin1Char(',') + time);
}

bool dosePositive(const QString &dose)
{
    bool ok = false;
    const float d = dose.toFloat(&ok);
    return ok && d > 0;
}

QString dateOrEmpty(const QDateTime &dateTime)
{
    return dateTime.isValid() ? formatDeviceDateTime(dateTime) : QString();
}

} // namespace

Dravo2Results::Dravo2Results()
{
    m_dos[Dos1].label = QStringLiteral("NHO-01");
    m_dos[Dos1].exchangeRate = QStringLiteral("3");
    m_dos[Dos2].label = QStringLiteral("NR-15");
    m_dos[Dos2].exchangeRate = QStringLiteral("5");
    m_dos[DosUser].label = QStringLiteral("USER");
    m_dos[DosUser].exchangeRate = QStringLiteral("3");
}

Dravo2Results::~Dravo2Results()
{
    qDeleteAll(m_leqList);
}

const QList<Dravo2Results::TextKey> &Dravo2Results::textKeys()
{
    static const QList<TextKey> keys{
        {"label", &Dravo2Results::m_label},       {"sampleTime", &Dravo2Results::m_sampleTime},
        {"l10", &Dravo2Results::m_l10},           {"l50", &Dravo2Results::m_l50},
        {"l90", &Dravo2Results::m_l90},           {"nPk", &Dravo2Results::m_nPk},
        {"duration", &Dravo2Results::m_duration}, {"pauseTime", &Dravo2Results::m_pauseTime},
        {"numFreq", &Dravo2Results::m_numFreq},   {"preCal", &Dravo2Results::m_preCal},
        {"posCal", &Dravo2Results::m_posCal},
    };
    return keys;
}

const QList<Dravo2Results::DosimeterKey> &Dravo2Results::configKeys()
{
    static const QList<DosimeterKey> keys{
        {"actionLevel", &Dosimeter::actionLevel},
        {"criterionLevel", &Dosimeter::criterionLevel},
        {"exchangeRate", &Dosimeter::exchangeRate},
        {"timeWeighting", &Dosimeter::timeWeighting},
        {"freqWeighting", &Dosimeter::freqWeighting},
    };
    return keys;
}

const QList<Dravo2Results::DosimeterKey> &Dravo2Results::resultKeys()
{
    static const QList<DosimeterKey> keys{
        {"dose", &Dosimeter::dose},           {"ne", &Dosimeter::ne},   {"nen", &Dosimeter::nen},
        {"dailyDose", &Dosimeter::dailyDose}, {"twa", &Dosimeter::twa}, {"lavg", &Dosimeter::lavg},
        {"label", &Dosimeter::label},
    };
    return keys;
}

QString Dravo2Results::configKey(int dosimeter, const char *name)
{
    return QLatin1String(kConfigPrefixes[dosimeter]) + QLatin1String(name);
}

QString Dravo2Results::resultKey(int dosimeter, const char *name)
{
    return QLatin1String(name) + QLatin1String(kResultSuffixes[dosimeter]);
}

QString Dravo2Results::durationStr() const
{
    return durationOrAbsent(m_duration);
}

void Dravo2Results::setLeqList(const QList<LeqPerOctave *> &bands)
{
    if (m_leqList == bands)
        return;
    for (LeqPerOctave *band : qAsConst(m_leqList)) {
        if (!bands.contains(band))
            delete band;
    }
    m_leqList = bands;
}

int Dravo2Results::parseDosimeterConfig(QByteArray reply)
{
    const QList<QByteArray> lines = reply.split('\r');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = splitFields(line, kConfigPrefix, false);
        bool ok = false;
        const int number = fields.at(0).toInt(&ok);
        if (!ok || number < 1 || number > DosimeterCount || fields.size() < kConfigFields)
            return -1;
        Dosimeter &dosimeter = m_dos[number - 1];
        dosimeter.label = unquotedText(fields.at(1));
        dosimeter.actionLevel = fieldText(fields.at(2));
        dosimeter.criterionLevel = fieldText(fields.at(3));
        dosimeter.exchangeRate = fieldText(fields.at(4));
        dosimeter.timeWeighting = unquotedText(fields.at(5));
        dosimeter.freqWeighting = unquotedText(fields.at(6));
    }
    return 0;
}

int Dravo2Results::parseHeader1(QByteArray reply)
{
    // The run label is user text, kept by the instrument in Latin-1.
    QString text = QTextCodec::codecForName("ISO 8859-1")->toUnicode(reply);
    text.remove(QString::fromLatin1(kHeaderPrefix));
    text.remove(QLatin1Char('\n'));
    text.remove(QLatin1Char('"'));
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() < kPage1Fields || fields.at(0) != QLatin1String("1"))
        return -1;
    m_label = fields.at(2);
    m_sampleTime = fields.at(3);
    Dosimeter &user = m_dos[DosUser];
    user.actionLevel = fields.at(4);
    user.criterionLevel = fields.at(5);
    user.exchangeRate = fields.at(6);
    user.timeWeighting = fields.at(7);
    user.freqWeighting = fields.at(8);
    if (fields.size() >= kPage1FieldsWithOctave)
        m_octaveAnalysis = fields.at(9);
    return 0;
}

int Dravo2Results::parseDosimeterPage(QByteArray reply, DosimeterIndex index)
{
    const QList<QByteArray> fields = splitFields(reply, kHeaderPrefix, false);
    if (fields.size() != kDosimeterPageFields && fields.size() != kDosimeterPageFieldsWithLabel)
        return -1;
    Dosimeter &dosimeter = m_dos[index];
    dosimeter.dose = fieldText(fields.at(2));
    dosimeter.twa = levelText(fields.at(3));
    dosimeter.lavg = levelText(fields.at(4));
    if (fields.size() == kDosimeterPageFieldsWithLabel)
        dosimeter.label = unquotedText(fields.at(5));
    return 0;
}

int Dravo2Results::parseHeader2(QByteArray reply)
{
    return parseDosimeterPage(reply, Dos1);
}

int Dravo2Results::parseHeader3(QByteArray reply)
{
    return parseDosimeterPage(reply, Dos2);
}

int Dravo2Results::parseHeader4(QByteArray reply)
{
    return parseDosimeterPage(reply, DosUser);
}

int Dravo2Results::parseHeader5(QByteArray reply)
{
    const QList<QByteArray> fields = splitFields(reply, kHeaderPrefix, true);
    if (fields.size() < kPage5Fields || fields.at(0) != "5")
        return -1;
    m_l10 = levelText(fields.at(2));
    m_l50 = levelText(fields.at(3));
    m_l90 = levelText(fields.at(4));
    m_nPk = fieldText(fields.at(5));
    m_duration = fieldText(fields.at(6));
    if (!fields.at(7).isEmpty())
        m_startTime = dateTimeOf(fieldText(fields.at(7)), fieldText(fields.at(8)));
    if (!fields.at(9).isEmpty())
        m_stopTime = dateTimeOf(fieldText(fields.at(9)), fieldText(fields.at(10)));
    if (!fields.at(11).isEmpty())
        m_pauseTime = durationToString(fieldText(fields.at(11)));
    deriveDoseValues();
    return 0;
}

int Dravo2Results::parseHeader6(QByteArray reply)
{
    setLeqList({});
    QList<LeqPerOctave *> bands;
    const QList<QByteArray> lines = reply.split('\r');
    for (const QByteArray &line : lines) {
        const QList<QByteArray> fields = splitFields(line, kHeaderPrefix, false);
        // Any line that is no band line is skipped; a band cut short is
        // missed by the count below.
        if (fields.size() < kBandFields || fields.at(0) != "6")
            continue;
        m_numFreq = fieldText(fields.at(2));
        auto *band = new LeqPerOctave;
        band->setFreqIdx(QString::fromLatin1(fields.at(3)));
        band->setFrequency(QString::fromLatin1(fields.at(4)));
        band->setLeq(QString::fromLatin1(fields.at(5)));
        bands.append(band);
    }
    setLeqList(bands);
    // A bad line is skipped, but a page of which no band line could be read
    // at all is unreadable.
    if (bands.isEmpty() && !isEmptyHeaderPage(reply, 6))
        return -1;
    bool ok = false;
    const int announced = m_numFreq.toInt(&ok);
    return (ok || m_numFreq.isEmpty()) && announced == m_leqList.size() ? 0 : -1;
}

int Dravo2Results::parseHeader7(QByteArray reply)
{
    const QList<QByteArray> fields = splitFields(reply, kHeaderPrefix, true);
    if (fields.size() < kPage7Fields || fields.at(0) != "7")
        return -1;
    m_preCal = levelText(fields.at(2));
    m_posCal = levelText(fields.at(3));
    if (!fields.at(2).isEmpty())
        m_preCalDate = dateTimeOf(fieldText(fields.at(4)), fieldText(fields.at(5)));
    if (!fields.at(3).isEmpty())
        m_posCalDate = dateTimeOf(fieldText(fields.at(6)), fieldText(fields.at(7)));
    return 0;
}

void Dravo2Results::deriveDoseValues()
{
    const int runSeconds = m_duration.toInt();
    for (Dosimeter &dosimeter : m_dos)
        dosimeter.ne = Dravo2Dose::exposureLevel(dosimeter.dose, dosimeter.criterionLevel,
                                                 dosimeter.exchangeRate, runSeconds);
    refreshDailyValues(Dravo2Dose::workingSeconds(m_workingHours));
}

void Dravo2Results::refreshDailyValues(int workSeconds)
{
    const int runSeconds = m_duration.toInt();
    for (Dosimeter &dosimeter : m_dos) {
        dosimeter.dailyDose = Dravo2Dose::dailyDose(dosimeter.dose, workSeconds, runSeconds);
        // The exposure level does not depend on the working hours; the
        // normalised level is rebuilt from it as stored.
        dosimeter.nen =
            dosePositive(dosimeter.dose)
                ? Dravo2Dose::normalisedLevel(dosimeter.ne, dosimeter.exchangeRate, workSeconds)
                : Dravo2Dose::absent();
    }
}

int Dravo2Results::refreshWorkingHours(QString json)
{
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8());
    if (!document.isObject())
        return -1;
    const QString hours = document.object().value(QStringLiteral("workingHours")).toString();
    const int workSeconds = Dravo2Dose::workingSeconds(hours);
    if (workSeconds < 0)
        return -1;
    m_workingHours = hours;
    refreshDailyValues(workSeconds);
    return 0;
}

int Dravo2Results::refreshGeneralData(QJsonObject data)
{
    const QJsonValue type = data.value(QStringLiteral("datatype"));
    if (!type.isUndefined() && !type.isNull() && type.toString() == QLatin1String("hearingprotect"))
        applyHearingProtector(data);
    return data.size();
}

QString Dravo2Results::protectorBandKey(const char *row, int band)
{
    return QLatin1String(row) + QLatin1String(kProtectorBands[band]);
}

void Dravo2Results::applyHearingProtector(const QJsonObject &data)
{
    auto text = [&data](const char *key) { return data.value(QLatin1String(key)).toString(); };
    m_protectorNumbers.clear();
    auto number = [this, &data](const QString &key) {
        const QJsonValue value = data.value(key);
        if (value.isDouble())
            m_protectorNumbers.insert(key);
        return value.toDouble();
    };
    m_hasHearingProtector = true;
    m_hearProtectMfc = text("hearProtectMfc");
    m_hearProtectModel = text("hearProtectModel");
    m_hearProtectCANumber = text("hearProtectCANumber");
    m_hearingProtectorType = text("hearingProtectorType");
    m_stdApplied = text("stdApplied");
    m_stdNumber = data.value(QStringLiteral("stdNumber")).toInt();
    m_NPS = number(QStringLiteral("NPS"));
    m_NPSp = number(QStringLiteral("NPSp"));
    for (int band = 0; band < ProtectorBands; ++band) {
        m_nps[band] = number(protectorBandKey("nps", band));
        m_npsp[band] = number(protectorBandKey("npsp", band));
        m_att[band] = number(protectorBandKey("att", band));
        m_desv[band] = number(protectorBandKey("desv", band));
    }
}

QJsonObject Dravo2Results::toJson()
{
    QJsonObject json;
    for (const TextKey &field : textKeys())
        json.insert(QLatin1String(field.key), this->*field.member);
    json.insert(QStringLiteral("octaveAnalysis"), m_octaveAnalysis);
    json.insert(QStringLiteral("workingHours"), m_workingHours);
    for (int i = 0; i < DosimeterCount; ++i) {
        for (const DosimeterKey &field : configKeys())
            json.insert(configKey(i, field.name), m_dos[i].*field.member);
        for (const DosimeterKey &field : resultKeys())
            json.insert(resultKey(i, field.name), m_dos[i].*field.member);
    }
    json.insert(QStringLiteral("durationStr"), durationStr());
    json.insert(QStringLiteral("startTime"), formatDeviceDateTime(m_startTime));
    json.insert(QStringLiteral("stopTime"), formatDeviceDateTime(m_stopTime));
    json.insert(QStringLiteral("preCalDate"), dateOrEmpty(m_preCalDate));
    json.insert(QStringLiteral("posCalDate"), dateOrEmpty(m_posCalDate));
    QJsonArray bands;
    for (const LeqPerOctave *band : qAsConst(m_leqList))
        bands.append(band->toJson());
    json.insert(QStringLiteral("leqList"), bands);
    writeCommonJson(json);
    return json;
}

void Dravo2Results::fromJson(const QJsonObject &json)
{
    readCommonJson(json);
    auto present = [&json](const QString &key, QString &target) {
        if (json.contains(key))
            target = json.value(key).toString();
    };
    for (const TextKey &field : textKeys())
        this->*field.member = json.value(QLatin1String(field.key)).toString();
    // Files may carry the run's configuration under the plain names; it is
    // the USER dosimeter's.
    for (const DosimeterKey &field : configKeys())
        present(QLatin1String(field.name), m_dos[DosUser].*field.member);
    for (int i = 0; i < DosimeterCount; ++i) {
        for (const DosimeterKey &field : resultKeys()) {
            QString &target = m_dos[i].*field.member;
            if (field.member == &Dosimeter::label)
                present(resultKey(i, field.name), target);
            else
                target = json.value(resultKey(i, field.name)).toString();
        }
        for (const DosimeterKey &field : configKeys())
            present(configKey(i, field.name), m_dos[i].*field.member);
    }
    present(QStringLiteral("octaveAnalysis"), m_octaveAnalysis);
    m_startTime = parseDeviceDateTime(json.value(QStringLiteral("startTime")).toString());
    m_stopTime = parseDeviceDateTime(json.value(QStringLiteral("stopTime")).toString());
    const QString preCalDate = json.value(QStringLiteral("preCalDate")).toString();
    if (!preCalDate.isEmpty())
        m_preCalDate = parseDeviceDateTime(preCalDate);
    const QString posCalDate = json.value(QStringLiteral("posCalDate")).toString();
    if (!posCalDate.isEmpty())
        m_posCalDate = parseDeviceDateTime(posCalDate);
    // The saved doses were derived for the saved working hours: keep both.
    const QString hours = json.value(QStringLiteral("workingHours")).toString();
    if (Dravo2Dose::workingSeconds(hours) > 0)
        m_workingHours = hours;
    QList<LeqPerOctave *> bands;
    const QJsonArray array = json.value(QStringLiteral("leqList")).toArray();
    for (const QJsonValue &value : array) {
        auto *band = new LeqPerOctave;
        band->fromJson(value.toObject());
        bands.append(band);
    }
    setLeqList(bands);
}
