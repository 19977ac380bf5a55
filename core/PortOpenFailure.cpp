#include "PortOpenFailure.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("PortOpenFailure", text);
}

} // namespace

PortOpenFailure::PortOpenFailure(const QString &port, Reason reason, const QString &group,
                                 const QString &systemReason)
    : m_port(port)
    , m_reason(reason)
    , m_group(group)
    , m_systemReason(systemReason)
{
}

std::optional<PortOpenFailure> PortOpenFailure::of(const QString &port,
                                                   QSerialPort::SerialPortError error,
                                                   const QString &errorString)
{
    const QFileInfo file(port);
    if (error == QSerialPort::NoError || error == QSerialPort::DeviceNotFoundError ||
        !file.exists())
        return std::nullopt;
    const bool userMayOpen = file.isReadable() && file.isWritable();
    // Only a group that may use the port is worth joining.
    const bool groupMayOpen = file.permission(QFile::ReadGroup | QFile::WriteGroup);
    return PortOpenFailure(port, reasonOf(error, userMayOpen),
                           groupMayOpen ? file.group() : QString(), errorString);
}

PortOpenFailure::Reason PortOpenFailure::reasonOf(QSerialPort::SerialPortError error,
                                                  bool userMayOpen)
{
    if (error != QSerialPort::PermissionError)
        return Reason::Other;
    return userMayOpen ? Reason::InUse : Reason::PermissionDenied;
}

QString PortOpenFailure::message(const QList<PortOpenFailure> &failures)
{
    if (failures.isEmpty())
        return QString();
    QStringList lines{tr("These serial ports could not be opened:")};
    for (const PortOpenFailure &failure : failures)
        lines.append(failure.line());
    return lines.join(QLatin1Char('\n'));
}

QString PortOpenFailure::line() const
{
    switch (m_reason) {
    case Reason::PermissionDenied:
        // A port of root's own group grants nothing a user can join.
        if (!m_group.isEmpty() && m_group != QLatin1String("root"))
            return tr("%1: permission denied. This user may not use the serial ports: on Linux "
                      "that takes membership of the group that owns them, here \"%2\". Add "
                      "the user to that group, log in again and search again.")
                .arg(m_port, m_group);
        return tr("%1: permission denied. This user may not use the serial ports: on Linux "
                  "that takes membership of the group that owns them, such as \"dialout\". "
                  "Add the user to that group, log in again and search again.")
            .arg(m_port);
    case Reason::InUse:
        return tr("%1: in use by another program. Close that program and search again.")
            .arg(m_port);
    case Reason::Other:
        break;
    }
    return tr("%1: %2.").arg(m_port, m_systemReason);
}
