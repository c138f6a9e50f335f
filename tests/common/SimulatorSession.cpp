#include "tests/common/SimulatorSession.h"

#include <cstdint>

#include "snmp/NvSNMPSession.h"
#include "tests/common/SimulatorProcess.h"

void useSimulatorAsAgent(const SimulatorProcess& sim)
{
    NvSNMPDevice.address = "127.0.0.1";
    NvSNMPDevice.port = static_cast<uint16_t>(sim.port());
    NvSNMPSecurity = NvSNMPSecurityRecord{};
    NvSNMPSecurity.version = 1;
    NvSNMPSecurity.readCommunity = "quorel";
    NvSNMPSecurity.writeCommunity = "tessany";
    NvSNMPScope = NvSNMPScopeRecord{};
}
