#pragma once

#include "SoundLevelResults.h"

// The results of one "BEMARI" run: the levels its header pages carry, as the
// instrument sent them.
class BemariResults : public SoundLevelResults
{
    Q_OBJECT

public:
    BemariResults() = default;

    // The five header pages. Each gives 0 when taken and -1 when refused.
    int parseHeaderPage1(const QByteArray &text);
    // Leq, maximum, minimum, F-weighted maximum and its time, exposure level
    // and peak. A page without the time of the maximum is refused after the
    // four levels are stored; exposure level and peak the page does not
    // carry read "---".
    int parseHeaderPage2(const QByteArray &text);
    // One line per band; refused when the bands read are not as many as the
    // page announces (the bands read stay).
    int parseHeaderPage3(const QByteArray &text);
    int parseHeaderPage4(const QByteArray &text);
    int parseHeaderPage5(const QByteArray &text);

    int parsePage(int page, const QByteArray &text) override;
};
