#include "snmp/NvSNMPSession.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/socket.h>

#include <cctype>

#include "snmp/NvBootCounter.h"
#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvSnmpAdapter.h"
#include "snmp/SnmpEventProcessor.h"

NvSNMPDeviceRecord NvSNMPDevice;
NvSNMPScopeRecord NvSNMPScope;
NvSNMPSecurityRecord NvSNMPSecurity;
uint32_t requestTimeout = 0;
int32_t walkMaxRepetitions = kAutomaticRepetitions;

void startSnmpSession(const std::string& bootCounterDirectory)
{
    int status = 0;
    NvSnmpAdapter* session = NvSnmpAdapter::open(status);
    if (!session || status != 0)
        throw errorOfCode(ErrNoGlobalSession);

    // A missing, unreadable or garbled counter counts as 0 and is rewritten.
    const std::string path = NvBootCounter::pathIn(bootCounterDirectory);
    uint32_t boots = 0;
    if (NvBootCounter::load(path, boots) < -2)
        throw errorOfCode(ErrBootCounterLoad);
    ++boots;
    if (NvBootCounter::save(path, boots) != 0)
        throw errorOfCode(ErrBootCounterSave);
    session->mpInit(kLocalEngineId, boots);

    NvSNMPDevice = NvSNMPDeviceRecord{};
    NvSNMPDevice.address = "127.0.0.1";
    NvSNMPDevice.port = 161;
    NvSNMPScope = NvSNMPScopeRecord{};
    NvSNMPSecurity = NvSNMPSecurityRecord{};
    NvSNMPSecurity.version = 0;
    NvSNMPSecurity.readCommunity = "quorel";
    NvSNMPSecurity.writeCommunity = "tessany";
    NvSNMPSecurity.securityModel = 1;
    NvSNMPSecurity.securityLevel = SecurityNoAuthNoPriv;
    NvSNMPSecurity.authProtocol = AuthNone;
    NvSNMPSecurity.privProtocol = PrivNone;
    requestTimeout = 100;
    walkMaxRepetitions = kAutomaticRepetitions;

    _SnmpEventProcessor::instance().start();
}

NvSNMPSettings currentSnmpSettings()
{
    NvSNMPSettings s;
    s.address = NvSNMPDevice.address;
    s.port = NvSNMPDevice.port;
    s.contextEngineId = NvSNMPScope.contextEngineId;
    s.contextName = NvSNMPScope.contextName;
    s.version = NvSNMPSecurity.version;
    s.readCommunity = NvSNMPSecurity.readCommunity;
    s.writeCommunity = NvSNMPSecurity.writeCommunity;
    s.securityModel = NvSNMPSecurity.securityModel;
    s.securityLevel = NvSNMPSecurity.securityLevel;
    s.securityName = NvSNMPSecurity.securityName;
    s.authPassword = NvSNMPSecurity.authPassword;
    s.privPassword = NvSNMPSecurity.privPassword;
    s.authProtocol = NvSNMPSecurity.authProtocol;
    s.privProtocol = NvSNMPSecurity.privProtocol;
    s.timeout = requestTimeout;
    s.retries = 1;
    s.maxRepetitions = walkMaxRepetitions;
    return s;
}

namespace {

// A host name as the resolver accepts it: labels of letters, digits and "-".
bool isHostName(const std::string& text)
{
    if (text.empty() || text.size() > 253)
        return false;
    size_t label = 0;
    for (char c : text) {
        if (c == '.') {
            if (label == 0)
                return false;
            label = 0;
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_') {
            if (++label > 63)
                return false;
        } else {
            return false;
        }
    }
    return true;
}

// Dotted IPv4 text of an address, or "" when it is not valid.
std::string resolveIPv4(const std::string& text)
{
    in_addr addr{};
    if (inet_pton(AF_INET, text.c_str(), &addr) == 1)
        return text;
    // All digits and dots but not a valid quad: no lookup for that.
    if (text.find_first_not_of("0123456789.") == std::string::npos)
        return {};
    if (!isHostName(text))
        return {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* result = nullptr;
    if (getaddrinfo(text.c_str(), nullptr, &hints, &result) != 0 || !result)
        return {};
    char buffer[INET_ADDRSTRLEN] = {};
    const auto* sin = reinterpret_cast<const sockaddr_in*>(result->ai_addr);
    inet_ntop(AF_INET, &sin->sin_addr, buffer, sizeof buffer);
    freeaddrinfo(result);
    return buffer;
}

// The catalogue text of an unsupported protocol, naming the number that was asked for.
NvSNMPException unknownProtocol(int code, int number)
{
    return NvSNMPException(textOfCode(code) + " (" + std::to_string(number) + ")", code);
}

}  // namespace

NvSnmpTarget buildTarget(const NvSNMPSettings& s)
{
    const std::string address = resolveIPv4(s.address);
    if (address.empty())
        throw errorOfCode(ErrBadAddress);
    NvSnmpTarget t;
    t.address = address;
    t.port = s.port;
    t.version = s.version;
    t.retries = s.retries;
    t.timeout = s.timeout;
    if (s.version == 3) {
        // A level that uses a protocol needs one the library offers.
        if (s.securityLevel >= 2 && !NvSnmpAdapter::knowsAuthProtocol(s.authProtocol))
            throw unknownProtocol(-312, s.authProtocol);
        if (s.securityLevel >= 3 && !NvSnmpAdapter::knowsPrivProtocol(s.privProtocol))
            throw unknownProtocol(-313, s.privProtocol);
        t.kind = NvSnmpTarget::User;
        t.securityModel = s.securityModel;
        t.securityName = s.securityName;
        t.authProtocol = s.authProtocol;
        t.privProtocol = s.privProtocol;
        t.authPassword = s.authPassword;
        t.privPassword = s.privPassword;
    } else {
        t.kind = NvSnmpTarget::Community;
        t.readCommunity = s.readCommunity;
        t.writeCommunity = s.writeCommunity;
    }
    return t;
}

void scopePdu(NvSnmpPdu& pdu, const NvSNMPSettings& s)
{
    pdu.securityLevel = s.securityLevel;
    pdu.contextName = s.contextName;
    pdu.contextEngineId = s.contextEngineId;
}
