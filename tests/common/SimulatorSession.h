#pragma once
// Points the module's session records at a running hv720-sim: SNMPv2c with
// the simulator's read and write communities, no SNMPv3 scope.
class SimulatorProcess;

void useSimulatorAsAgent(const SimulatorProcess& sim);
