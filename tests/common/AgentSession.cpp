#include "tests/common/AgentSession.h"

#include "snmp/NvSNMPSession.h"

void pointSessionAt(int port, uint32_t timeout, const std::string& readCommunity, const std::string& writeCommunity)
{
    NvSNMPDevice.address = "127.0.0.1";
    NvSNMPDevice.port = static_cast<uint16_t>(port);
    NvSNMPScope = NvSNMPScopeRecord{};
    NvSNMPSecurity = NvSNMPSecurityRecord{};
    NvSNMPSecurity.version = 1;
    NvSNMPSecurity.readCommunity = readCommunity;
    NvSNMPSecurity.writeCommunity = writeCommunity;
    NvSNMPSecurity.securityModel = 3;
    NvSNMPSecurity.securityLevel = SecurityNoAuthNoPriv;
    NvSNMPSecurity.authProtocol = AuthNone;
    NvSNMPSecurity.privProtocol = PrivNone;
    requestTimeout = timeout;
    walkMaxRepetitions = kAutomaticRepetitions;
}
