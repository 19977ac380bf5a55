#pragma once

#include "ExposureComponent.h"

#include <QDateTime>
#include <QString>

class SoundLevelResults;

// One run of the opened chain seen as one event of a working day: the run's
// memory index, its label, its equivalent level, its F-weighted maximum and
// the time of that maximum, copied from the "BEMARI" run's results.
class BemariExposureComponent : public ExposureComponent
{
    Q_OBJECT
    Q_PROPERTY(int event READ event WRITE setEvent NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString label READ label WRITE setLabel NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString lEq READ lEq WRITE setLEq NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString lFMax READ lFMax WRITE setLFMax NOTIFY exposureComponentChanged)
    Q_PROPERTY(QDateTime lMaxDateTime READ lMaxDateTime WRITE setLMaxDateTime NOTIFY
                   exposureComponentChanged)

public:
    explicit BemariExposureComponent(QObject *parent = nullptr);

    // The run's "event" beside QObject's event handler, which stays reachable.
    using ExposureComponent::event;

    // The setters store without a signal.
    int event() const { return m_event; }
    void setEvent(int v) { m_event = v; }
    QString label() const { return m_label; }
    void setLabel(const QString &v) { m_label = v; }
    QString lEq() const { return m_lEq; }
    void setLEq(const QString &v) { m_lEq = v; }
    QString lFMax() const { return m_lFMax; }
    void setLFMax(const QString &v) { m_lFMax = v; }
    QDateTime lMaxDateTime() const { return m_lMaxDateTime; }
    void setLMaxDateTime(const QDateTime &v) { m_lMaxDateTime = v; }

public slots:
    // A run without results of this model leaves every field as it was.
    void loadFromExperiment(Experiment *run) override;

signals:
    void exposureComponentChanged();

protected:
    // The run's results when they are of this component's model.
    virtual const SoundLevelResults *resultsOf(const Experiment *run) const;
    // Copies the levels from results of this model.
    virtual void loadLevels(const SoundLevelResults &results);

private:
    int m_event = 0;
    QString m_label;
    QString m_lEq;
    QString m_lFMax;
    QDateTime m_lMaxDateTime;
};
