#pragma once
// Process-wide session settings: the agent, the SNMPv3 scope and the security
// settings. Every request copies them when it is constructed.
#include <cstdint>
#include <string>

#include "snmp/NvSnmpPdu.h"  // NvSecurityLevel, NvAuthProtocol, NvPrivProtocol

struct NvSNMPDeviceRecord {
    std::string address;  // as typed: dotted IPv4 or host name
    uint16_t port = 0;
};

struct NvSNMPScopeRecord {
    std::string contextEngineId;
    std::string contextName;
};

struct NvSNMPSecurityRecord {
    int8_t version = 0;          // 0 = v1, 1 = v2c, 3 = v3 (only 3 selects the v3 path)
    std::string readCommunity;
    std::string writeCommunity;
    int32_t securityModel = 0;
    int32_t securityLevel = 0;   // NvSecurityLevel
    std::string securityName;
    std::string authPassword;
    std::string privPassword;
    int32_t authProtocol = 0;    // NvAuthProtocol
    int32_t privProtocol = 0;    // NvPrivProtocol
};

extern NvSNMPDeviceRecord NvSNMPDevice;
extern NvSNMPScopeRecord NvSNMPScope;
extern NvSNMPSecurityRecord NvSNMPSecurity;

// Request time-out in hundredths of a second; copied by every request.
extern uint32_t requestTimeout;

// Table walks over SNMPv2c and v3 (and SNMPv1 walks of tables with one integer
// index, where one get-next asks several rows): kAutomaticRepetitions lets the
// engine choose how many rows one GETBULK answer carries, 0 walks with get-next
// one row at a time, and a positive value is the most rows asked for at once.
// Copied by every request.
inline constexpr int32_t kAutomaticRepetitions = -1;
extern int32_t walkMaxRepetitions;

// Name of the boot-counter file and the local SNMPv3 engine id.
inline constexpr const char* kBootCounterFileName = "NvSNMP_PP_BootCounter";
inline constexpr const char* kLocalEngineId = "NvSNMP_PP_Application";

// Opens the SNMP session, counts one more boot in the counter file of the given
// directory (empty: the working directory), resets the records to their defaults
// and starts the event pump. Throws NvSNMPException (-506, -507, -508).
void startSnmpSession(const std::string& bootCounterDirectory);

// ---------------------------------------------------------------------------
// A request's own copy of the settings, taken when the request is constructed.

struct NvSNMPSettings {
    std::string address;
    uint16_t port = 161;
    std::string contextEngineId;
    std::string contextName;
    int8_t version = 0;
    std::string readCommunity;
    std::string writeCommunity;
    int32_t securityModel = 1;
    int32_t securityLevel = SecurityNoAuthNoPriv;
    std::string securityName;
    std::string authPassword;
    std::string privPassword;
    int32_t authProtocol = AuthNone;
    int32_t privProtocol = PrivNone;
    uint32_t timeout = 100;  // hundredths of a second
    uint32_t retries = 1;
    int32_t maxRepetitions = kAutomaticRepetitions;
};

// The three records and requestTimeout as they are now, with one retry.
NvSNMPSettings currentSnmpSettings();

// The target for a request's settings: the user target when version is 3,
// otherwise the community target with that version. An address that is neither
// a dotted IPv4 address nor a resolvable host name throws -509; nothing is sent.
NvSnmpTarget buildTarget(const NvSNMPSettings& settings);

// Puts the security level, context name and context engine id on a PDU.
void scopePdu(NvSnmpPdu& pdu, const NvSNMPSettings& settings);
