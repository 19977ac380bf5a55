#include "QuillonLog.h"

#include "DeviceDateTime.h"
#include "VfReportText.h"

#include <QStringList>
#include <iterator>

namespace {

const int kRecordFields = 16;

} // namespace

const QuillonLog::Key QuillonLog::kKeys[] = {
    {"interval", &QuillonLog::m_interval}, {"awX", &QuillonLog::m_awX},
    {"awY", &QuillonLog::m_awY},           {"awZ", &QuillonLog::m_awZ},
    {"vdvX", &QuillonLog::m_vdvX},         {"vdvY", &QuillonLog::m_vdvY},
    {"vdvZ", &QuillonLog::m_vdvZ},         {"fcX", &QuillonLog::m_fcX},
    {"fcY", &QuillonLog::m_fcY},           {"fcZ", &QuillonLog::m_fcZ},
    {"amr", &QuillonLog::m_amr},
};

QuillonLog::QuillonLog(QObject *parent)
    : Log(parent)
{
}

int QuillonLog::parseRecord(QByteArray record)
{
    const QStringList fields = readRecordFields(record, kRecordFields);
    if (fields.isEmpty())
        return 1;
    // The record sends the crest factors before the dose values.
    const Member byPosition[] = {&QuillonLog::m_interval, &QuillonLog::m_awX,  &QuillonLog::m_awY,
                                 &QuillonLog::m_awZ,      &QuillonLog::m_fcX,  &QuillonLog::m_fcY,
                                 &QuillonLog::m_fcZ,      &QuillonLog::m_vdvX, &QuillonLog::m_vdvY,
                                 &QuillonLog::m_vdvZ,     &QuillonLog::m_amr};
    const int first = 5;
    for (int i = 0; i < int(std::size(byPosition)); ++i) {
        const QString &field = fields.at(first + i);
        // An empty value is shown as absent, never as 0.
        this->*byPosition[i] = field.isEmpty() ? VfReportText::absent() : field;
    }
    return 0;
}

QJsonObject QuillonLog::toJson()
{
    QJsonObject json{{QStringLiteral("date"), formatDeviceDateTime(registerDate())}};
    for (const Key &key : kKeys)
        json.insert(QLatin1String(key.name), this->*key.member);
    return json;
}

void QuillonLog::fromJson(const QJsonObject &json)
{
    setRegisterDate(parseDeviceDateTime(json.value(QStringLiteral("date")).toString()));
    for (const Key &key : kKeys)
        this->*key.member = json.value(QLatin1String(key.name)).toString();
}
