#pragma once
// The standard MIB objects behind the companion views: MIB-II (interfaces, IP,
// ICMP, UDP, SNMP, routes and addresses), the interface extensions, Ethernet
// statistics, RMON statistics, history, alarms and events, the transparent
// bridge, CIDR routes, RIP2, OSPF, multicast routing and DVMRP. Counters move
// at steady rates, distinct per line and column, from values spread over their
// range (so that 32-bit counters wrap now and then).
#include "sim/ObjectStore.h"

#include <chrono>
#include <set>
#include <string>
#include <vector>

class StandardMibObjects {
public:
    explicit StandardMibObjects(ObjectStore& store) : m_store(store) {}

    // Adds the objects (after the stack's own, before a catalogue) and gives
    // every moving counter its start value and rate.
    bool load(std::string& error);
    // Brings every moving counter to its value for now.
    void advance();
    // Starts a repeating timer of the agent library that calls advance().
    void startMoving(int periodMs);

    // A counter's value after the given seconds, modulo its width.
    struct Motion {
        Oid oid;
        bool wide = false;        // Counter64
        std::uint64_t start = 0;
        double perSecond = 0;
    };
    static std::uint64_t valueAfter(const Motion& motion, double seconds);

private:
    void fillIndexColumns();
    void fillHistorySamples();
    // Every counter not among the existing objects.
    void collectMotions(const std::set<Oid>& existing);

    ObjectStore& m_store;
    std::vector<Motion> m_motions;
    std::chrono::steady_clock::time_point m_origin = std::chrono::steady_clock::now();
};
