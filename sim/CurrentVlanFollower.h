#pragma once
// Keeps the current VLAN table in step with the static one, as a switch does: a
// static VLAN that is created appears in the current table (time mark 0) with
// its egress and untagged ports; a destroyed one leaves it and is counted in the
// VLAN delete counter; the number of current VLANs follows.
#include "sim/ObjectStore.h"

class CurrentVlanFollower {
public:
    explicit CurrentVlanFollower(ObjectStore& store);
    // Hooks the static table's columns and brings the current table in step once.
    void install();

private:
    void follow(const Oid& vlan);

    ObjectStore& m_store;
    TableSpec* m_static = nullptr;
    TableSpec* m_current = nullptr;
};
