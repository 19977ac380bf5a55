#pragma once

#include <QJsonObject>
#include <QObject>
#include <QString>

// One physical quantity a logger sensor measures: its code as the instrument
// sends it ("TEMP", "HUM" ...) and its unit. The name shown to the user is
// looked up from the code each time.
class PhysicalQuantityDescriptor : public QObject
{
    Q_OBJECT

public:
    explicit PhysicalQuantityDescriptor(QObject *parent = nullptr);

    QString name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    QString unity() const { return m_unity; }
    void setUnity(const QString &unity) { m_unity = unity; }

    // The translated name of the code; "Invalid" for a code the table lacks
    // (codes match whole and case-sensitively).
    QString displayName() const;
    // The name followed by " [unit]" when there is a unit.
    QString titleWithUnit() const;

    // {"name", "nameTr", "unity"}; readers recompute "nameTr".
    QJsonObject toJson() const;

private:
    QString m_name;
    QString m_unity;
};
