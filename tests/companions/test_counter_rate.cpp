// Rates of counters between two polls: the interval from the agent's clock,
// a 32-bit counter that wrapped, an agent that restarted, a 64-bit counter that
// went down, and texts that are no numbers.
#include <gtest/gtest.h>

#include "companions/CounterRate.h"

namespace {

struct RateCase {
    const char* name;
    NvSyntax syntax;
    const char* before;
    const char* after;
    CounterPoint beforePoint;
    CounterPoint afterPoint;
    std::optional<double> expected;
};

}  // namespace

TEST(CounterRate, RatesAcrossWrapRestartAndGaps)
{
    const CounterPoint t0{.upTime = 100000, .wallSeconds = 1000};
    const CounterPoint t5{.upTime = 100500, .wallSeconds = 1007};  // 5 s by the agent's clock, 7 s by ours
    const CounterPoint restarted{.upTime = 300, .wallSeconds = 1007};
    const CounterPoint noClock0{.upTime = std::nullopt, .wallSeconds = 1000};
    const CounterPoint noClock4{.upTime = std::nullopt, .wallSeconds = 1004};
    const RateCase cases[] = {
        {"steady", SyntaxCounter, "1000", "6000", t0, t5, 1000.0},
        {"unchanged", SyntaxCounter, "77", "77", t0, t5, 0.0},
        {"32-bit wrap", SyntaxCounter, "4294967000", "704", t0, t5, 200.0},
        {"32-bit wrap from the top", SyntaxCounter, "4294967295", "4", t0, t5, 1.0},
        {"agent restarted", SyntaxCounter, "900000", "12", t0, restarted, std::nullopt},
        {"restart though the counter grew", SyntaxCounter, "10", "5000", t0, restarted, std::nullopt},
        {"64-bit grows past 2^32", SyntaxCounter64, "4294967000", "4294977000", t0, t5, 2000.0},
        {"64-bit goes down", SyntaxCounter64, "5000", "10", t0, t5, std::nullopt},
        {"no sysUpTime: wall clock", SyntaxCounter, "0", "400", noClock0, noClock4, 100.0},
        {"no time passed", SyntaxCounter, "0", "400", noClock0, noClock0, std::nullopt},
        {"absent before", SyntaxCounter, "", "400", t0, t5, std::nullopt},
        {"not a number", SyntaxCounter, "(NULL)", "400", t0, t5, std::nullopt},
        {"32-bit value out of range", SyntaxCounter, "9999999999", "5", t0, t5, std::nullopt},
    };
    for (const RateCase& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<double> rate = CounterRate::rate(c.syntax, c.before, c.after, c.beforePoint, c.afterPoint);
        ASSERT_EQ(rate.has_value(), c.expected.has_value());
        if (rate) {
            EXPECT_DOUBLE_EQ(*rate, *c.expected);
        }
    }
}

TEST(CounterRate, ShownText)
{
    EXPECT_EQ(CounterRate::text(0), "0.0");
    EXPECT_EQ(CounterRate::text(12.345), "12.3");
    EXPECT_EQ(CounterRate::text(1234567.6), "1234568");
}
