#include "SampleStatistics.h"

#include "MeasuredValue.h"

#include <cmath>

void SampleStatistics::add(double value)
{
    if (!std::isfinite(value))
        return;
    if (m_count == 0 || value > m_max)
        m_max = value;
    if (m_count == 0 || value < m_min)
        m_min = value;
    m_sum += value;
    ++m_count;
}

double SampleStatistics::max() const
{
    return m_count > 0 ? m_max : MeasuredValue::empty();
}

double SampleStatistics::min() const
{
    return m_count > 0 ? m_min : MeasuredValue::empty();
}

double SampleStatistics::average() const
{
    return m_count > 0 ? m_sum / m_count : MeasuredValue::empty();
}
