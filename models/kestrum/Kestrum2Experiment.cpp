#include "Kestrum2Experiment.h"

namespace {

constexpr int kListEntryFields = 5;

} // namespace

Kestrum2Experiment::Kestrum2Experiment(QObject *parent)
    : Experiment(parent)
{
}

int Kestrum2Experiment::parseListEntry(QByteArray line)
{
    return readListEntry(line, kListEntryFields);
}

QJsonObject Kestrum2Experiment::toJson()
{
    return commonJson();
}
