#include "CommandCheck.h"

#include <QList>
#include <QRegularExpression>

namespace {

// The commands every instrument shares.
QStringList commonShapes()
{
    return {
        QStringLiteral("ATE0"),
        QStringLiteral("AT\\+CG(MI|MM|SN|MR)"),
        QStringLiteral("AT\\+[A-Z0-9]+\\?"),
        QStringLiteral("AT\\+CCLK=%1").arg(CommandCheck::dateTimeField()),
        // A certificate date that did not read is sent empty.
        QStringLiteral("AT\\+VFCTF=%1,(%2|\"\")")
            .arg(CommandCheck::textField(), CommandCheck::dateTimeField()),
        QStringLiteral("AT\\+VFXPLST"),
        QStringLiteral("AT\\+VFERSMM"),
        QStringLiteral("AT\\+VFXPHDR=\\d+,-?\\d+"),
        QStringLiteral("AT\\+VFRDXP=-?\\d+,-?\\d+,-?\\d+"),
    };
}

bool isControl(unsigned char byte)
{
    return byte < 0x20 || (byte >= 0x7f && byte <= 0x9f);
}

QString describe(const QString &fault, const QByteArray &line)
{
    return fault + QStringLiteral(": ") + QString::fromLatin1(line.toPercentEncoding(" \"+=,?/:"));
}

} // namespace

QString CommandCheck::dateTimeField()
{
    return QStringLiteral("\"\\d\\d/\\d\\d/\\d\\d,\\d\\d:\\d\\d:\\d\\d[+-]\\d\\d\"");
}

QString CommandCheck::textField()
{
    return QStringLiteral("\"[^\"\\x{0}-\\x{1f}\\x{7f}-\\x{9f}]*\"");
}

CommandCheck::CommandCheck(const QStringList &modelShapes)
{
    for (const QString &shape : commonShapes() + modelShapes) {
        m_shapes.append(QRegularExpression(QRegularExpression::anchoredPattern(shape)));
        if (!m_shapes.last().isValid())
            qFatal("Command shape %s: %s", qPrintable(shape),
                   qPrintable(m_shapes.last().errorString()));
    }
}

QString CommandCheck::check(const QByteArray &written) const
{
    if (written.isEmpty())
        return {};
    if (!written.endsWith("\r\n"))
        return describe(QStringLiteral("unterminated command"), written.right(80));

    QList<QByteArray> lines = written.split('\n');
    lines.removeLast(); // after the last "\r\n"
    for (QByteArray line : qAsConst(lines)) {
        if (!line.endsWith('\r'))
            return describe(QStringLiteral("line feed inside a command"), line);
        line.chop(1);
        if (line.isEmpty())
            return QStringLiteral("empty command line");
        for (const char byte : qAsConst(line)) {
            if (isControl(static_cast<unsigned char>(byte)))
                return describe(QStringLiteral("control character inside a command"), line);
        }
        if (line.count('"') % 2 != 0)
            return describe(QStringLiteral("unbalanced quote"), line);
        const QString text = QString::fromLatin1(line);
        bool known = false;
        for (const QRegularExpression &shape : m_shapes)
            known = known || shape.match(text).hasMatch();
        if (!known)
            return describe(QStringLiteral("command of no known shape"), line);
    }
    return {};
}
