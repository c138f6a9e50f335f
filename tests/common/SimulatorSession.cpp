#include "tests/common/SimulatorSession.h"

#include "snmp/NvSNMPSession.h"
#include "tests/common/SimulatorProcess.h"

void useSimulatorSession(const SimulatorProcess& sim, uint32_t timeoutHundredths)
{
    NvSNMPDevice.address = "127.0.0.1";
    NvSNMPDevice.port = static_cast<uint16_t>(sim.port());
    NvSNMPSecurity = NvSNMPSecurityRecord{};
    NvSNMPSecurity.version = 1;
    NvSNMPSecurity.readCommunity = "quorel";
    NvSNMPSecurity.writeCommunity = "tessany";
    NvSNMPScope = NvSNMPScopeRecord{};
    requestTimeout = timeoutHundredths;
}
