#pragma once

// Greatest, least and mean of a series of samples. Values that are not
// finite (a sample the instrument left empty) are left out; over no values
// every statistic is NaN.
class SampleStatistics
{
public:
    void add(double value);

    int count() const { return m_count; }
    double max() const;
    double min() const;
    double average() const;

private:
    int m_count = 0;
    double m_max = 0.0;
    double m_min = 0.0;
    double m_sum = 0.0;
};
