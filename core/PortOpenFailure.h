#pragma once

#include <QList>
#include <QSerialPort>
#include <QString>

#include <optional>

// A serial port the device search could not open, and why, in the words the
// user needs: a search that finds no instrument names these ports, since a
// user without access to the serial ports, or an instrument held by another
// program, otherwise looks just like no instrument at all.
class PortOpenFailure
{
public:
    enum class Reason
    {
        PermissionDenied, // this user may not use the port
        InUse,            // another program holds it
        Other,            // the system's own reason
    };

    PortOpenFailure(const QString &port, Reason reason, const QString &group = QString(),
                    const QString &systemReason = QString());

    // The failure of opening `port` with QSerialPort's `error` and
    // `errorString`; none when there is nothing to tell (no failure, or no
    // such port: a name that leads nowhere is no port).
    static std::optional<PortOpenFailure>
    of(const QString &port, QSerialPort::SerialPortError error, const QString &errorString);
    // QSerialPort gives the same error for a port the user may not open and
    // for one another program holds (its lock file, or exclusive use): the
    // port's permissions tell them apart.
    static Reason reasonOf(QSerialPort::SerialPortError error, bool userMayOpen);

    // What a search that found no instrument says about these ports; empty
    // when there are none.
    static QString message(const QList<PortOpenFailure> &failures);

    QString port() const { return m_port; }
    Reason reason() const { return m_reason; }

private:
    QString line() const;

    QString m_port;
    Reason m_reason;
    // The group that owns the port and may use it, when known.
    QString m_group;
    QString m_systemReason;
};
