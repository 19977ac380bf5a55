#include "Tolvar4Printer.h"

#include "models/tolvar/Tolvar4Results.h"

#include <QJsonObject>

Tolvar4Printer::Tolvar4Printer()
{
    m_reportTitle = tr("TOLVAR 4 Report");
}

void Tolvar4Printer::readModelOptions(const QJsonObject &options)
{
    m_ckbStatus = options.value(QStringLiteral("ckbStatus")).toBool();
}

QString Tolvar4Printer::statusText() const
{
    const auto *r = qobject_cast<const Tolvar4Results *>(results());
    switch (r ? r->expStatus().toInt() : 0) {
    case Tolvar4Results::FlowDeviation:
        return tr("Deviate more than 5%");
    case Tolvar4Results::PumpBlocked:
        return tr("Pump blocked");
    case Tolvar4Results::PumpBlockedLong:
        return tr("Pump blocked for a long time");
    default:
        return tr("OK");
    }
}

QString Tolvar4Printer::statusLine() const
{
    if (!m_ckbStatus)
        return TolvarPrinter::statusLine();
    return tr("Status") + QStringLiteral(": ") + statusText();
}
