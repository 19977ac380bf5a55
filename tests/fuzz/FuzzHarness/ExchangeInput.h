#pragma once

#include "ModelRegistry.h"

#include <QByteArray>
#include <QList>

// The input of the exchange target: a model byte, an operation byte, a size
// byte, then the instrument's replies in order, separated by kSeparator
// (a byte no reply of the simulated instruments holds).
struct ExchangeInput
{
    static constexpr char kSeparator = '\x1e';

    // The registered models with a device class, in the order the model
    // byte picks them.
    static QList<ModelEntry> models();

    int model = 0;
    int operation = 0;
    int size = 0;
    QList<QByteArray> replies;

    // False when the input is too short to hold the three leading bytes.
    bool read(const QByteArray &data);
    QByteArray write() const;
};
