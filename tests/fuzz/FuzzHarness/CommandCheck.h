#pragma once

#include <QByteArray>
#include <QList>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

// Checks every byte an application wrote to an instrument: each command is
// one line ended by "\r\n", with no other CR or LF, no control character, an
// even number of double quotes, and the shape of a command the application
// knows (the common commands' shapes, or one of `modelShapes`, which are
// regular expressions of whole lines). A user value that ended a quoted field
// early, added a field or carried a line break fails one of these.
class CommandCheck
{
public:
    explicit CommandCheck(const QStringList &modelShapes);

    // Pieces of the shapes: a quoted device date-time text, and a quoted user
    // text (no double quote, no control character).
    static QString dateTimeField();
    static QString textField();

    // Empty when every command is sound, else what is wrong and with which line.
    QString check(const QByteArray &written) const;

private:
    QList<QRegularExpression> m_shapes;
};
