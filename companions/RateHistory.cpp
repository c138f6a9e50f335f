#include "companions/RateHistory.h"

void RateHistory::setKeepMinutes(int minutes)
{
    m_keepMinutes = minutes > 0 ? minutes : 1;
}

void RateHistory::add(const Key& key, double seconds, double rate)
{
    std::deque<QPointF>& series = m_series[key];
    series.emplace_back(seconds, rate);
    const double oldest = seconds - m_keepMinutes * 60.0;
    while (!series.empty() && series.front().x() < oldest)
        series.pop_front();
}

std::vector<QPointF> RateHistory::points(const Key& key) const
{
    const auto it = m_series.find(key);
    if (it == m_series.end())
        return {};
    return {it->second.begin(), it->second.end()};
}
