#pragma once

#include "ExposureComponent.h"

#include <QString>

// One opened vibration run as an exposure component of the working day, a
// snapshot for the exposure-time page: the run's index ("event"), its task
// name, the exposure time the instrument recorded with it (seconds) and some
// of its values. The times the user gives go back to the runs' results
// through Core, not through the component.
class QuillonExposureComponent : public ExposureComponent
{
    Q_OBJECT
    Q_PROPERTY(int event READ event WRITE setEvent NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString label READ label WRITE setLabel NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString arep READ arep WRITE setArep NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString vdvX READ vdvX WRITE setVdvX NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString vdvY READ vdvY WRITE setVdvY NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString vdvZ READ vdvZ WRITE setVdvZ NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString cfX READ cfX WRITE setCfX NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString cfY READ cfY WRITE setCfY NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString cfZ READ cfZ WRITE setCfZ NOTIFY exposureComponentChanged)
    Q_PROPERTY(QString exposeTimeFromExp READ exposeTimeFromExp WRITE setExposeTimeFromExp NOTIFY
                   exposureComponentChanged)

public:
    QuillonExposureComponent();

    int event() const { return m_event; }
    void setEvent(int event) { m_event = event; }
    QString label() const { return m_label; }
    void setLabel(const QString &text) { m_label = text; }
    QString arep() const { return m_arep; }
    void setArep(const QString &text) { m_arep = text; }
    QString vdvX() const { return m_vdvX; }
    void setVdvX(const QString &text) { m_vdvX = text; }
    QString vdvY() const { return m_vdvY; }
    void setVdvY(const QString &text) { m_vdvY = text; }
    QString vdvZ() const { return m_vdvZ; }
    void setVdvZ(const QString &text) { m_vdvZ = text; }
    QString cfX() const { return m_cfX; }
    void setCfX(const QString &text) { m_cfX = text; }
    QString cfY() const { return m_cfY; }
    void setCfY(const QString &text) { m_cfY = text; }
    QString cfZ() const { return m_cfZ; }
    void setCfZ(const QString &text) { m_cfZ = text; }
    QString exposeTimeFromExp() const { return m_exposeTimeFromExp; }
    void setExposeTimeFromExp(const QString &text) { m_exposeTimeFromExp = text; }

public slots:
    // The run's index and its results' texts; a run without vibration
    // results gives its index and empty texts.
    void loadFromExperiment(Experiment *run) override;

signals:
    void exposureComponentChanged();

private:
    int m_event = 0;
    QString m_label;
    QString m_arep;
    QString m_vdvX;
    QString m_vdvY;
    QString m_vdvZ;
    QString m_cfX;
    QString m_cfY;
    QString m_cfZ;
    QString m_exposeTimeFromExp;
};
