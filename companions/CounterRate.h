#pragma once
// Rate per second of a counter between two polls. The interval comes from the
// agent's sysUpTime where both polls read it (the agent's clock, not the time the
// answers took to arrive), otherwise from the wall clock. A 32-bit counter that
// went down wrapped once; a 64-bit one that went down, or an agent whose
// sysUpTime went back (it restarted), gives no rate rather than a spike.
#include <cstdint>
#include <optional>
#include <string>

#include "snmp/NvSNMPVarDescriptor.h"

struct CounterPoint {
    std::optional<uint32_t> upTime;  // sysUpTime in hundredths of a second, when read
    double wallSeconds = 0;          // when the poll was answered
};

class CounterRate {
public:
    // Whether the syntax is a counter that gets a rate column.
    static bool isCounter(NvSyntax syntax);

    // Seconds between two polls; nullopt when the agent restarted in between or
    // no time passed.
    static std::optional<double> interval(const CounterPoint& before, const CounterPoint& after);

    // Rate of a counter read as decimal texts at two polls; nullopt when either
    // text is no number, there is no interval, or a 64-bit counter went down.
    static std::optional<double> rate(NvSyntax syntax, const std::string& before, const std::string& after,
                                      const CounterPoint& beforePoint, const CounterPoint& afterPoint);

    // The rate as the table shows it: up to one decimal below 100, whole above.
    static std::string text(double rate);
};
