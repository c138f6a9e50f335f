#pragma once
// Reads a subtree of a local agent with snmpwalk, and says how a view should
// show each value, for tests that compare views with the agent row by row.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "snmp/NvSNMPVarDescriptor.h"

// One column of the agent, in walk order: instance -> raw value text
// (numbers, dotted identifiers, octets as bytes).
using WalkedColumn = std::vector<std::pair<std::string, std::string>>;

// snmpwalk over SNMPv2c with the "quorel" community of 127.0.0.1:port.
WalkedColumn walkColumn(int port, const std::string& oid);

// The agent's value as a view should show it, for the descriptor's syntax;
// nothing for values that move while a test runs (counters, clocks).
std::optional<std::string> expectedDisplayText(const NvSNMPVarDescriptor& d, const std::string& raw);
