#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>

// What a model adds to the fuzz targets beyond what they already reach
// through the model registry and the simulated instrument (run-list entries,
// records, data files, the Device exchanges and Core's slots need nothing
// here). Each family writes its rows in families/<Family>Fuzz.cpp and lists
// them in families/FuzzModelTable.cpp.
struct FuzzParser
{
    // Shown when the parser fails.
    QString name;
    // The seed corpus feeds the parser the replies to commands that start
    // with this text, as the simulated instrument gives them.
    QByteArray command;
    // Parses one reply text (and touches what it filled, e.g. its JSON).
    std::function<void(const QByteArray &text)> parse;
};

struct FuzzModel
{
    QString productName;
    // The model's own reply parsers (header pages, configuration replies...).
    QList<FuzzParser> parsers;
    // Regular expressions, each matching a whole command line (without its
    // "\r\n") that the model may write. Every line written to an instrument
    // must match one of these or one of the common commands' shapes.
    QStringList commandShapes;
    // Report options with every section of the model's report switched on.
    std::function<QJsonObject()> reportOptions;
    // Seeds of the user-JSON target beyond the common ones: a Core slot's
    // name and a text the model's pages send it (e.g. "refreshGeneralData").
    QList<QPair<QByteArray, QByteArray>> userJson;
};

// Every family's rows (families/FuzzModelTable.cpp).
QList<FuzzModel> fuzzModels();
// The row of `productName`, or null.
const FuzzModel *fuzzModel(const QString &productName);
