#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QObject>
#include <QString>

class Experiment;

// The evaluated results of one run. The base holds the battery and stop fields
// of the common header page 8; each model adds its own.
class Results : public QObject
{
    Q_OBJECT

public:
    explicit Results(QObject *parent = nullptr);

    int vbatStart() const { return m_vbatStart; }
    void setVbatStart(int value) { m_vbatStart = value; }
    int vbatStop() const { return m_vbatStop; }
    void setVbatStop(int value) { m_vbatStop = value; }
    int coulombCounterStart() const { return m_coulombCounterStart; }
    void setCoulombCounterStart(int value) { m_coulombCounterStart = value; }
    int coulombCounterStop() const { return m_coulombCounterStop; }
    void setCoulombCounterStop(int value) { m_coulombCounterStop = value; }
    QString stopReason() const { return m_stopReason; }
    void setStopReason(const QString &value) { m_stopReason = value; }

    // Fills the five page-8 fields from "+VFXPHDR: 8,<index>,<vbatStart>,
    // <vbatStop>,<ccStart>,<ccStop>,<stopReason>\n". 0 read, -1 refused.
    int parseCommonHeader(QByteArray &reply);

    // Writes and reads the five page-8 fields under their own names, for the
    // models' JSON.
    void writeCommonJson(QJsonObject &json) const;
    void readCommonJson(const QJsonObject &json);

    // True when header page `number`, a page of one line per entry (bands,
    // items) that gave no entry, says it has none: it holds no text besides
    // its "+VFXPHDR: " prefixes and line breaks, or a line of it announces no
    // entry (its count, the third field, is empty, 0 or no number). A page of
    // lines of which not one can be read says nothing of the sort: it is
    // unreadable, not empty.
    static bool isEmptyHeaderPage(const QByteArray &page, int number);

    // A count of seconds as "hh:mm:ss"; hours may grow past two digits.
    static QString durationToString(const QString &seconds);
    // The same, or "---" when the text is not a whole number of seconds (a
    // duration the instrument did not give is shown as absent, not as 0).
    static QString durationOrAbsent(const QString &seconds);

public slots:
    virtual QJsonObject toJson();
    virtual int refreshWorkingHours(QString json);
    virtual int refreshExposureComponent(QJsonObject component);
    virtual int refreshGeneralData(QJsonObject data);
    virtual int applyExposureComponents(Experiment *chainHead);

private:
    int m_vbatStart = 0;
    int m_vbatStop = 0;
    int m_coulombCounterStart = 0;
    int m_coulombCounterStop = 0;
    QString m_stopReason;
};
