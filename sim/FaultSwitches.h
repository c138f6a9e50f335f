#pragma once
// Faults the simulator can play for tests: slow or lost replies, a chosen error
// status for a chosen object, a walk that repeats or goes back, LED values too
// short or too long, duplicated answers, answers with a wrong request id,
// undecodable answers, values of the wrong type, overlong strings, an agent
// that stops answering after a number of requests, and shortened or refused
// GETBULK answers.
// Set from the command line and at run time through control scalars under
// 1.3.6.1.4.1.497.999.1 (see README.md).
#include "sim/ObjectStore.h"

#include <map>
#include <string>

class FaultSwitches {
public:
    enum WalkMode { WalkNormal = 0, WalkRepeat = 1, WalkBack = 2 };
    // How GETBULK requests are answered: normally, with at most bulkLimit
    // repetitions, tooBig when more than bulkLimit are asked, genErr, or not at all.
    enum BulkMode { BulkNormal = 0, BulkShort = 1, BulkTooBig = 2, BulkGenErr = 3, BulkDrop = 4 };

    static const Oid& controlArc();

    int delayMs = 0;
    int dropEvery = 0;
    Oid errorOid;
    int errorStatus = 0;        // SNMP error status, or 128/129/130 for the exceptions
    Oid walkOid;
    int walkMode = WalkNormal;
    std::map<int, int> ledLength;  // unit (0: every unit) -> octets served
    int duplicateMs = 0;        // every answer is sent again this much later (0: once)
    int wrongIdEvery = 0;       // every Nth answer carries a request id never sent (0: none)
    int garbageEvery = 0;       // every Nth answer is replaced by undecodable bytes (0: none)
    Oid wrongTypeOid;           // values under it are served with another type
    Oid longStringOid;          // octet strings under it are served longStringLength octets long
    int longStringLength = 0;
    int stopAfter = 0;          // answers this many further requests, then none (0: no limit)
    int bulkMode = BulkNormal;
    int bulkLimit = 0;

    // Command-line forms: OID=STATUS (status as number or name), OID=repeat|back,
    // UNIT=N.
    bool parseError(const std::string& text, std::string& err);
    bool parseWalk(const std::string& text, std::string& err);
    bool parseLeds(const std::string& text, std::string& err);
    bool parseLongStrings(const std::string& text, std::string& err);
    // short=N, toobig=N, generr or drop.
    bool parseBulk(const std::string& text, std::string& err);
    static bool statusFromText(const std::string& text, int& status);

    // Adds the control scalars (with the current settings) to the store; writes to
    // them change the switches.
    void registerControls(ObjectStore& store);

    // Number of octets to serve for a unit's LED value, or -1 for all.
    int ledLimit(int unit) const;
    bool isControl(const Oid& oid) const;
    bool servesWrongType(const Oid& oid) const;
    bool servesLongString(const Oid& oid) const;

    // Counts a request that is no control request (read-only control scalar
    // 29); false once the agent has stopped answering (--stop-after).
    bool countRequest();

    // Keeps the context name and context engine id of an SNMPv3 request that
    // named a context, for the read-only control scalars 27 and 28: tests see
    // what reached the agent even when it does not serve that context.
    void noteContext(const std::string& name, const std::string& engineId);
    unsigned long requestCount() const { return m_requests; }

private:
    void syncFromStore(bool leds);
    ObjectStore* m_store = nullptr;
    unsigned long m_requests = 0;
    unsigned long m_stopBase = 0;  // request count when stopAfter was set
};
