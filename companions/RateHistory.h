#pragma once
// The rates of a view's counters over the last minutes, in memory: one series
// per line and counter, trimmed to the kept span whenever a point is added.
#include <QPointF>
#include <QString>
#include <deque>
#include <map>
#include <vector>

class RateHistory {
public:
    struct Key {
        QString line;     // the line's instance (or object label)
        QString counter;  // the counter's label
        bool operator<(const Key& other) const
        {
            return line != other.line ? line < other.line : counter < other.counter;
        }
    };

    explicit RateHistory(int keepMinutes = 10) : m_keepMinutes(keepMinutes) {}

    void setKeepMinutes(int minutes);
    int keepMinutes() const { return m_keepMinutes; }

    // Adds a rate at a time (seconds since the epoch) and drops what is older
    // than the kept span before that time.
    void add(const Key& key, double seconds, double rate);
    // A series break (the agent restarted): the line and counter start again.
    void clear() { m_series.clear(); }

    // Points of one series as (seconds, rate); empty when unknown.
    std::vector<QPointF> points(const Key& key) const;

private:
    int m_keepMinutes;
    std::map<Key, std::deque<QPointF>> m_series;
};
