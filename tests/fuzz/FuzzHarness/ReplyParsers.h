#pragma once

#include "FuzzModel.h"

// Every reply parser the fuzz targets feed: the common protocol's (date-time
// texts, calibration, page 8, schedule records, duration texts), the run-list
// entry and record parsers of every registered model, and each family's own
// (FuzzModel::parsers). The order is fixed for a given set of models.
class ReplyParsers
{
public:
    static const QList<FuzzParser> &all();
};
