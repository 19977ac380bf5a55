#pragma once

#include "OctaveBandValue.h"

// One octave band of a vibration measurement; JSON key "amr".
class AmrPerOctave : public OctaveBandValue
{
    Q_OBJECT

public:
    explicit AmrPerOctave(QObject *parent = nullptr)
        : OctaveBandValue(QStringLiteral("amr"), parent)
    {
    }

    QString amr() const { return value(); }
    void setAmr(const QString &text) { setValue(text); }
};
