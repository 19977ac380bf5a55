#pragma once

#include "OctaveBandValue.h"

// One octave band of a sound level measurement; JSON key "leq".
class LeqPerOctave : public OctaveBandValue
{
    Q_OBJECT

public:
    explicit LeqPerOctave(QObject *parent = nullptr)
        : OctaveBandValue(QStringLiteral("leq"), parent)
    {
    }

    QString leq() const { return value(); }
    void setLeq(const QString &text) { setValue(text); }
};
