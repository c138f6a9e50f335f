#pragma once
// Faults the simulator can play for tests: slow or lost replies, a chosen error
// status for a chosen object, a walk that repeats or goes back, short LED values,
// shortened or refused GETBULK answers.
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
    int bulkMode = BulkNormal;
    int bulkLimit = 0;

    // Command-line forms: OID=STATUS (status as number or name), OID=repeat|back,
    // UNIT=N.
    bool parseError(const std::string& text, std::string& err);
    bool parseWalk(const std::string& text, std::string& err);
    bool parseLeds(const std::string& text, std::string& err);
    // short=N, toobig=N, generr or drop.
    bool parseBulk(const std::string& text, std::string& err);
    static bool statusFromText(const std::string& text, int& status);

    // Adds the control scalars (with the current settings) to the store; writes to
    // them change the switches.
    void registerControls(ObjectStore& store);

    // Number of octets to serve for a unit's LED value, or -1 for all.
    int ledLimit(int unit) const;
    bool isControl(const Oid& oid) const;

private:
    void syncFromStore(bool leds);
    ObjectStore* m_store = nullptr;
};
