#pragma once
// Points the module's session records at a simulator started by a test:
// SNMPv2c on 127.0.0.1 with its read ("quorel") and write ("tessany")
// communities, no SNMPv3 scope, and the given request time-out.
#include <cstdint>

class SimulatorProcess;

void useSimulatorSession(const SimulatorProcess& sim, uint32_t timeoutHundredths);
