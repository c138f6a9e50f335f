#pragma once
// Plain data passed between the request engine and the SNMP adapter: varbinds,
// PDUs and targets. Nothing here depends on an SNMP library header.
#include <cstdint>
#include <string>
#include <vector>

// ASN.1 / SMI tags of varbind values, and the three exception values.
enum NvAsnTag : uint8_t {
    AsnInteger = 0x02,
    AsnOctetString = 0x04,
    AsnNull = 0x05,
    AsnObjectId = 0x06,
    AsnIpAddress = 0x40,
    AsnCounter32 = 0x41,
    AsnGauge32 = 0x42,  // also Unsigned32
    AsnTimeTicks = 0x43,
    AsnOpaque = 0x44,
    AsnCounter64 = 0x46,
    AsnUInteger32 = 0x47,  // obsolete SMIv1 tag, accepted on receipt
    AsnNoSuchObject = 0x80,
    AsnNoSuchInstance = 0x81,
    AsnEndOfMibView = 0x82,
};

using NvOid = std::vector<uint32_t>;

// SNMPv3 settings as the session records number them (one-based; the device
// file stores them one lower). Beyond HMAC-MD5, HMAC-SHA and DES the numbers
// continue with the SHA-2 hashes and AES as the class library numbers them.
enum NvSecurityLevel : int32_t { SecurityNoAuthNoPriv = 1, SecurityAuthNoPriv = 2, SecurityAuthPriv = 3 };
enum NvAuthProtocol : int32_t {
    AuthNone = 1,
    AuthHmacMd5 = 2,
    AuthHmacSha = 3,
    AuthHmacSha224 = 4,
    AuthHmacSha256 = 5,
    AuthHmacSha384 = 6,
    AuthHmacSha512 = 7,
};
enum NvPrivProtocol : int32_t { PrivNone = 1, PrivDes = 2, PrivAes128 = 19, PrivAes192 = 20, PrivAes256 = 21 };

struct NvSnmpVb {
    NvOid oid;
    uint8_t type = AsnNull;
    int64_t integer = 0;       // AsnInteger
    uint64_t unsignedValue = 0;  // Counter32, Gauge32, TimeTicks, Counter64, UInteger32
    std::string octets;        // OctetString, Opaque, IpAddress (4 octets)
    NvOid oidValue;            // ObjectId
};

struct NvSnmpPdu {
    std::vector<NvSnmpVb> vbs;
    int32_t errorStatus = 0;  // agent error status, or a status of the adapter for failed replies
    int32_t errorIndex = 0;
    // GETBULK only: every varbind is a repeater (non-repeaters 0), asked this
    // many times.
    int32_t maxRepetitions = 0;
    int32_t securityLevel = SecurityNoAuthNoPriv;
    std::string contextName;
    std::string contextEngineId;
};

// Where and how a PDU is sent: the community form for v1/v2c and the user form
// for v3. Built from a request's copy of the session settings.
struct NvSnmpTarget {
    enum Kind { Community, User };
    Kind kind = Community;
    std::string address;  // numeric IPv4 address
    uint16_t port = 161;
    int32_t version = 0;  // 0 v1, 1 v2c, 3 v3
    uint32_t retries = 1;
    uint32_t timeout = 100;  // hundredths of a second
    std::string readCommunity;
    std::string writeCommunity;
    int32_t securityModel = 3;
    std::string securityName;
    int32_t authProtocol = AuthNone;
    int32_t privProtocol = PrivNone;
    std::string authPassword;
    std::string privPassword;

    // "address/port", the form in which replies name their agent.
    std::string addressText() const { return address + "/" + std::to_string(port); }
};

// Dotted text of an identifier ("1.3.6.1") and back. Parsing accepts an optional
// leading "."; it fails on an empty text, an empty or non-numeric arc, or an arc
// beyond 32 bits.
std::string oidToText(const NvOid& oid);
bool oidFromText(const std::string& text, NvOid& oid);
// Lexicographic order of identifiers: negative, zero or positive.
int compareOids(const NvOid& a, const NvOid& b);
