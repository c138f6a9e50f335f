#include "companions/CounterRate.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {

std::optional<uint64_t> number(const std::string& text)
{
    uint64_t value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

}  // namespace

bool CounterRate::isCounter(NvSyntax syntax)
{
    return syntax == SyntaxCounter || syntax == SyntaxCounter64;
}

std::optional<double> CounterRate::interval(const CounterPoint& before, const CounterPoint& after)
{
    if (before.upTime && after.upTime) {
        if (*after.upTime < *before.upTime)
            return std::nullopt;  // the agent restarted: its counters began again
        if (*after.upTime > *before.upTime)
            return (*after.upTime - *before.upTime) / 100.0;
    }
    const double seconds = after.wallSeconds - before.wallSeconds;
    return seconds > 0 ? std::optional<double>(seconds) : std::nullopt;
}

std::optional<double> CounterRate::rate(NvSyntax syntax, const std::string& before, const std::string& after,
                                        const CounterPoint& beforePoint, const CounterPoint& afterPoint)
{
    const std::optional<uint64_t> a = number(before);
    const std::optional<uint64_t> b = number(after);
    const std::optional<double> seconds = interval(beforePoint, afterPoint);
    if (!a || !b || !seconds)
        return std::nullopt;
    uint64_t delta = 0;
    if (*b >= *a) {
        delta = *b - *a;
    } else if (syntax == SyntaxCounter && *a <= UINT32_MAX && *b <= UINT32_MAX) {
        delta = (uint64_t{1} << 32) - *a + *b;  // wrapped once past 2^32
    } else {
        return std::nullopt;  // a 64-bit counter does not wrap in practice: a discontinuity
    }
    return static_cast<double>(delta) / *seconds;
}

std::string CounterRate::text(double rate)
{
    char buffer[48];
    if (std::fabs(rate) < 100)
        std::snprintf(buffer, sizeof buffer, "%.1f", rate);
    else
        std::snprintf(buffer, sizeof buffer, "%.0f", rate);
    return buffer;
}
