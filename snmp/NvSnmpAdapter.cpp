// The only unit that talks to net-snmp.
#include "snmp/NvSnmpAdapter.h"

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/library/keytools.h>
#include <net-snmp/library/snmpusm.h>
#include <net-snmp/library/snmpv3.h>
#include <net-snmp/library/transform_oids.h>

#include <sys/select.h>

#include <QDir>
#include <QTemporaryDir>

#include <chrono>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <deque>
#include <map>

namespace {

using Clock = std::chrono::steady_clock;
namespace St = NvSnmpStatus;

// net-snmp error numbers in the class library's status numbering.
int statusOfLibError(int err)
{
    switch (err) {
    case SNMPERR_SUCCESS: return St::Success;
    case SNMPERR_TIMEOUT: return St::Timeout;
    case SNMPERR_UNKNOWN_USER_NAME:
    case SNMPERR_USM_UNKNOWNSECURITYNAME: return St::UsmUnknownSecurityName;
    case SNMPERR_AUTHENTICATION_FAILURE:
    case SNMPERR_USM_AUTHENTICATIONFAILURE: return St::UsmAuthenticationFailure;
    case SNMPERR_UNKNOWN_ENG_ID:
    case SNMPERR_USM_UNKNOWNENGINEID:
    case SNMPERR_BAD_ENG_ID: return St::UsmUnknownEngineId;
    case SNMPERR_NOT_IN_TIME_WINDOW:
    case SNMPERR_USM_NOTINTIMEWINDOW: return St::UsmNotInTimeWindow;
    case SNMPERR_DECRYPTION_ERR:
    case SNMPERR_USM_DECRYPTIONERROR: return St::UsmDecryptionError;
    case SNMPERR_USM_ENCRYPTIONERROR: return St::UsmEncryptionError;
    case SNMPERR_UNSUPPORTED_SEC_LEVEL:
    case SNMPERR_USM_UNSUPPORTEDSECURITYLEVEL:
    case SNMPERR_BAD_SEC_LEVEL: return St::UsmUnsupportedSecurityLevel;
    case SNMPERR_USM_PARSEERROR: return St::UsmParseError;
    case SNMPERR_USM_GENERICERROR:
    case SNMPERR_UNKNOWN_REPORT:
    case SNMPERR_BAD_SEC_NAME: return St::UsmError;
    case SNMPERR_UNKNOWN_SEC_MODEL: return St::MpUnsupportedSecurityModel;
    case SNMPERR_INVALID_MSG: return St::MpInvalidMessage;
    case SNMPERR_ASN_PARSE_ERR:
    case SNMPERR_BAD_PARSE: return St::MpParseError;
    case SNMPERR_BAD_CONTEXT: return St::MpUnknownContext;
    case SNMPERR_BAD_ADDRESS: return St::InvalidAddress;
    case SNMPERR_BAD_SENDTO:
    case SNMPERR_BAD_RECVFROM:
    case SNMPERR_NO_SOCKET:
    case SNMPERR_BAD_LOCPORT: return St::TransportFailed;
    case SNMPERR_BAD_VERSION:
    case SNMPERR_V2_IN_V1:
    case SNMPERR_V1_IN_V2: return St::NotSupportedOnTarget;
    case SNMPERR_MALLOC: return St::ResourceUnavailable;
    case SNMPERR_TOO_LONG:
    case SNMPERR_BAD_ASN1_BUILD:
    case SNMPERR_NULL_PDU:
    case SNMPERR_VAR_TYPE: return St::InvalidPdu;
    case SNMPERR_BAD_SESSION: return St::InvalidClass;
    default: return St::Error;
    }
}

// The SNMPv3 protocols by their number in the session settings.
struct Protocol {
    int number;
    const oid* id;
    size_t length;
};

const Protocol kAuthProtocols[] = {
    {.number = AuthHmacMd5, .id = usmHMACMD5AuthProtocol, .length = OID_LENGTH(usmHMACMD5AuthProtocol)},
    {.number = AuthHmacSha, .id = usmHMACSHA1AuthProtocol, .length = OID_LENGTH(usmHMACSHA1AuthProtocol)},
    {.number = AuthHmacSha224, .id = usmHMAC128SHA224AuthProtocol,
     .length = OID_LENGTH(usmHMAC128SHA224AuthProtocol)},
    {.number = AuthHmacSha256, .id = usmHMAC192SHA256AuthProtocol,
     .length = OID_LENGTH(usmHMAC192SHA256AuthProtocol)},
    {.number = AuthHmacSha384, .id = usmHMAC256SHA384AuthProtocol,
     .length = OID_LENGTH(usmHMAC256SHA384AuthProtocol)},
    {.number = AuthHmacSha512, .id = usmHMAC384SHA512AuthProtocol,
     .length = OID_LENGTH(usmHMAC384SHA512AuthProtocol)},
};

const Protocol kPrivProtocols[] = {
    {.number = PrivDes, .id = usmDESPrivProtocol, .length = OID_LENGTH(usmDESPrivProtocol)},
    {.number = PrivAes128, .id = usmAESPrivProtocol, .length = OID_LENGTH(usmAESPrivProtocol)},
    {.number = PrivAes192, .id = usmAES192PrivProtocol, .length = OID_LENGTH(usmAES192PrivProtocol)},
    {.number = PrivAes256, .id = usmAES256PrivProtocol, .length = OID_LENGTH(usmAES256PrivProtocol)},
};

template <size_t N>
const Protocol* findProtocol(const Protocol (&table)[N], int number)
{
    for (const Protocol& p : table)
        if (p.number == number)
            return &p;
    return nullptr;
}

struct Agent {
    enum Engine { NotV3, Unknown, Probing, Known };
    std::string key;
    NvSnmpTarget target;
    void* sessp = nullptr;
    netsnmp_session* ss = nullptr;
    Engine engine = NotV3;
    std::deque<uint64_t> waiting;  // requests held back until the engine id is known
};

struct Pending {
    uint64_t id = 0;
    Agent* agent = nullptr;
    NvSnmpAdapter::Command command = NvSnmpAdapter::Get;
    NvSnmpPdu request;
    NvSnmpTarget target;
    NvSnmpAdapter::Callback callback;
    bool blocking = false;
    bool probe = false;
    bool sent = false;
    bool done = false;
    int status = 0;            // final status; 0 with a reply
    int tentativeStatus = St::Timeout;  // what a lost final call turns into
    NvSnmpPdu reply;
    Clock::time_point deadline;
};

std::unique_ptr<QTemporaryDir> g_stateDir;
NvSnmpAdapter* g_adapter = nullptr;

void initLibrary()
{
    // Nothing is read from or written to the system's or the user's SNMP
    // directories: no configuration, no MIB files, no persistent state.
    g_stateDir = std::make_unique<QTemporaryDir>(QDir::tempPath() + "/hv720-snmp-XXXXXX");
    const QByteArray dir = g_stateDir->path().toLocal8Bit();
    QDir(g_stateDir->path()).mkdir("cert_indexes");  // the library announces creating it otherwise
    setenv("MIBS", "", 1);
    setenv("MIBDIRS", dir.constData(), 1);
    setenv("SNMPCONFPATH", dir.constData(), 1);
    setenv("SNMP_PERSISTENT_DIR", dir.constData(), 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_LOAD_HOST_FILES, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_MIBDIRS, dir.constData());
    set_persistent_directory(dir.constData());
    set_configuration_directory(dir.constData());
    init_snmp("hv720");
}

std::vector<oid> toLibOid(const NvOid& o)
{
    return std::vector<oid>(o.begin(), o.end());
}

NvOid fromLibOid(const oid* o, size_t len)
{
    NvOid r(len);
    for (size_t i = 0; i < len; ++i)
        r[i] = static_cast<uint32_t>(o[i]);
    return r;
}

void copyReply(const netsnmp_pdu* pdu, NvSnmpPdu& out)
{
    out.vbs.clear();
    out.errorStatus = static_cast<int32_t>(pdu->errstat);
    out.errorIndex = static_cast<int32_t>(pdu->errindex);
    for (const netsnmp_variable_list* v = pdu->variables; v; v = v->next_variable) {
        NvSnmpVb vb;
        vb.oid = fromLibOid(v->name, v->name_length);
        vb.type = v->type;
        switch (v->type) {
        case ASN_INTEGER:
            vb.integer = v->val.integer ? static_cast<int32_t>(*v->val.integer) : 0;
            break;
        case ASN_COUNTER:
        case ASN_GAUGE:
        case ASN_TIMETICKS:
        case ASN_UINTEGER:
            vb.unsignedValue = v->val.integer ? static_cast<uint32_t>(*v->val.integer) : 0;
            break;
        case ASN_COUNTER64:
            if (v->val.counter64)
                vb.unsignedValue = (static_cast<uint64_t>(v->val.counter64->high & 0xFFFFFFFFul) << 32)
                                   | (v->val.counter64->low & 0xFFFFFFFFul);
            break;
        case ASN_OBJECT_ID:
            if (v->val.objid)
                vb.oidValue = fromLibOid(v->val.objid, v->val_len / sizeof(oid));
            break;
        case ASN_NULL:
        case SNMP_NOSUCHOBJECT:
        case SNMP_NOSUCHINSTANCE:
        case SNMP_ENDOFMIBVIEW:
            break;
        default:  // octet string, IP address, opaque and anything carried as octets
            if (v->val.string && v->val_len)
                vb.octets.assign(reinterpret_cast<const char*>(v->val.string), v->val_len);
            break;
        }
        out.vbs.push_back(std::move(vb));
    }
}

bool addVariable(netsnmp_pdu* pdu, const NvSnmpVb& vb, bool withValue)
{
    std::vector<oid> name = toLibOid(vb.oid);
    if (name.empty())
        return false;
    if (!withValue)
        return snmp_add_null_var(pdu, name.data(), name.size()) != nullptr;
    const void* data = nullptr;
    size_t len = 0;
    long l = 0;
    u_long ul = 0;
    counter64 c64{};
    std::vector<oid> oidValue;
    switch (vb.type) {
    case AsnInteger:
        l = static_cast<long>(vb.integer);
        data = &l;
        len = sizeof l;
        break;
    case AsnCounter32:
    case AsnGauge32:
    case AsnTimeTicks:
    case AsnUInteger32:
        ul = static_cast<u_long>(vb.unsignedValue & 0xFFFFFFFFull);
        data = &ul;
        len = sizeof ul;
        break;
    case AsnCounter64:
        c64.high = static_cast<u_long>(vb.unsignedValue >> 32);
        c64.low = static_cast<u_long>(vb.unsignedValue & 0xFFFFFFFFull);
        data = &c64;
        len = sizeof c64;
        break;
    case AsnObjectId:
        oidValue = toLibOid(vb.oidValue);
        data = oidValue.data();
        len = oidValue.size() * sizeof(oid);
        break;
    case AsnNull:
        break;
    default:
        data = vb.octets.data();
        len = vb.octets.size();
        break;
    }
    return snmp_pdu_add_variable(pdu, name.data(), name.size(), vb.type,
                                 static_cast<const u_char*>(data), len) != nullptr;
}

// The discovery request goes out under the empty user name, which the local
// user table must know.
void ensureEmptyUser()
{
    if (usm_get_user(nullptr, 0, const_cast<char*>("")))
        return;
    usmUser* user = usm_create_user();
    if (!user)
        return;
    user->name = strdup("");
    user->secName = strdup("");
    SNMP_FREE(user->authProtocol);
    user->authProtocolLen = sizeof(usmNoAuthProtocol) / sizeof(oid);
    user->authProtocol = snmp_duplicate_objid(usmNoAuthProtocol, user->authProtocolLen);
    SNMP_FREE(user->privProtocol);
    user->privProtocolLen = sizeof(usmNoPrivProtocol) / sizeof(oid);
    user->privProtocol = snmp_duplicate_objid(usmNoPrivProtocol, user->privProtocolLen);
    usm_add_user(user);
}

std::string agentKey(const NvSnmpTarget& t)
{
    std::string key = t.address + "|" + std::to_string(t.port) + "|" + std::to_string(t.version) + "|"
                      + std::to_string(t.timeout) + "|" + std::to_string(t.retries);
    if (t.kind == NvSnmpTarget::User) {
        key += "|v3|" + std::to_string(t.securityModel) + "|" + std::to_string(t.securityName.size()) + ":"
               + t.securityName + "|" + std::to_string(t.authProtocol) + "|" + std::to_string(t.privProtocol)
               + "|" + std::to_string(t.authPassword.size()) + ":" + t.authPassword + "|" + t.privPassword;
    }
    return key;
}

}  // namespace

struct NvSnmpAdapter::Impl {
    std::map<std::string, std::unique_ptr<Agent>> agents;
    std::map<uint64_t, std::unique_ptr<Pending>> pending;
    std::deque<uint64_t> finished;  // asynchronous requests ready for delivery
    std::map<std::string, std::string> installedUser;  // engine id + user -> agent key
    uint64_t nextId = 1;
    uint64_t sent = 0;
    std::function<void()> socketsChanged;
    std::string engineId;
    uint32_t boots = 0;

    static int libCallback(int op, netsnmp_session* ss, int reqid, netsnmp_pdu* pdu, void* magic);

    Agent* agentFor(const NvSnmpTarget& t, int& status);
    void finish(Pending& p, int status);
    int transmit(Pending& p);
    void installUser(Agent& a);
    // Discovery of the agent's engine id. Blocking: returns its outcome (0 when
    // the engine id is known); otherwise 0, and the outcome arrives by the pump.
    int startProbe(Agent& a, bool blocking);
    int awaitProbe(Pending& probe);
    // Ends a discovery: sends the requests held back for it, or fails them with
    // its status. Returns that status (0 when the engine id is known).
    int probeDone(const std::string& key, int status);
    void waitFor(Pending& p);
    void readAndTime(Agent& a, fd_set* fds, bool readable);
    void checkDeadlines();
    Pending& create(Agent* a, Command c, const NvSnmpPdu& pdu, const NvSnmpTarget& t);
};

// Called by net-snmp from inside reads, time-out checks and sends. It only
// records the outcome; delivery happens from processPendingEvents.
int NvSnmpAdapter::Impl::libCallback(int op, netsnmp_session* ss, int, netsnmp_pdu* pdu, void* magic)
{
    if (!g_adapter)
        return 1;
    Impl& d = *g_adapter->d;
    auto it = d.pending.find(static_cast<uint64_t>(reinterpret_cast<uintptr_t>(magic)));
    if (it == d.pending.end() || it->second->done)
        return 1;
    Pending& p = *it->second;
    switch (op) {
    case NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE:
        if (pdu && pdu->command == SNMP_MSG_REPORT) {
            if (p.probe) {
                // The agent's engine id comes with the report.
                if (ss && !ss->securityEngineIDLen && pdu->securityEngineIDLen) {
                    ss->securityEngineID = static_cast<u_char*>(malloc(pdu->securityEngineIDLen));
                    if (ss->securityEngineID) {
                        memcpy(ss->securityEngineID, pdu->securityEngineID, pdu->securityEngineIDLen);
                        ss->securityEngineIDLen = pdu->securityEngineIDLen;
                    }
                }
                d.finish(p, St::Success);
                return 1;
            }
            int type = snmpv3_get_report_type(pdu);
            if (type == SNMPERR_NOT_IN_TIME_WINDOW) {
                // The library re-sends with the agent's time; not final.
                p.tentativeStatus = St::UsmNotInTimeWindow;
                return 1;
            }
            d.finish(p, statusOfLibError(type));
            return 1;
        }
        if (pdu)
            copyReply(pdu, p.reply);
        d.finish(p, St::Success);
        return 1;
    case NETSNMP_CALLBACK_OP_TIMED_OUT:
        d.finish(p, p.tentativeStatus == St::Timeout ? St::Timeout : p.tentativeStatus);
        return 1;
    case NETSNMP_CALLBACK_OP_SEND_FAILED:
        d.finish(p, statusOfLibError(ss && ss->s_snmp_errno ? ss->s_snmp_errno : SNMPERR_BAD_SENDTO));
        return 1;
    case NETSNMP_CALLBACK_OP_SEC_ERROR: {
        if (p.probe) {
            // The discovery report arrives as a security error; the library
            // has taken the engine id from it.
            d.finish(p, St::Success);
            return 1;
        }
        if (pdu && pdu->command == SNMP_MSG_REPORT) {
            const int type = snmpv3_get_report_type(pdu);
            d.finish(p, type ? statusOfLibError(type) : St::UsmError);
            return 1;
        }
        int err = ss ? ss->s_snmp_errno : 0;
        d.finish(p, err ? statusOfLibError(err) : St::UsmError);
        return 1;
    }
    case NETSNMP_CALLBACK_OP_DISCONNECT:
        d.finish(p, St::TransportFailed);
        return 1;
    default:  // resend, connect: not final
        return 1;
    }
}

void NvSnmpAdapter::Impl::finish(Pending& p, int status)
{
    if (p.done)
        return;
    p.done = true;
    p.status = status;
    if (!p.blocking)
        finished.push_back(p.id);
}

Pending& NvSnmpAdapter::Impl::create(Agent* a, Command c, const NvSnmpPdu& pdu, const NvSnmpTarget& t)
{
    auto p = std::make_unique<Pending>();
    p->id = nextId++;
    p->agent = a;
    p->command = c;
    p->request = pdu;
    p->target = t;
    Pending& ref = *p;
    pending.emplace(ref.id, std::move(p));
    return ref;
}

Agent* NvSnmpAdapter::Impl::agentFor(const NvSnmpTarget& t, int& status)
{
    status = St::Success;
    const std::string key = agentKey(t);
    auto it = agents.find(key);
    if (it != agents.end())
        return it->second.get();

    netsnmp_session s;
    snmp_sess_init(&s);
    std::string peer = "udp:" + t.address + ":" + std::to_string(t.port);
    s.peername = peer.data();
    const bool v3 = t.kind == NvSnmpTarget::User;
    s.version = v3 ? SNMP_VERSION_3 : (t.version == 0 ? SNMP_VERSION_1 : t.version == 1 ? SNMP_VERSION_2c : t.version);
    s.retries = static_cast<int>(t.retries);
    s.timeout = static_cast<long>(t.timeout) * 10000L;
    s.callback = &Impl::libCallback;
    s.callback_magic = nullptr;
    s.flags |= SNMP_FLAGS_DONT_PROBE;  // engine discovery is ours, so it never blocks the window
    std::string community = t.readCommunity;
    std::string name = t.securityName;
    if (!v3) {
        s.community = reinterpret_cast<u_char*>(community.data());
        s.community_len = community.size();
    } else {
        s.securityName = name.data();
        s.securityNameLen = name.size();
        s.securityModel = t.securityModel;
        s.securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        if (const Protocol* auth = findProtocol(kAuthProtocols, t.authProtocol)) {
            s.securityAuthProto = const_cast<oid*>(auth->id);
            s.securityAuthProtoLen = auth->length;
            s.securityAuthKeyLen = USM_AUTH_KU_LEN;
            if (generate_Ku(s.securityAuthProto, static_cast<u_int>(s.securityAuthProtoLen),
                            reinterpret_cast<const u_char*>(t.authPassword.data()), t.authPassword.size(),
                            s.securityAuthKey, &s.securityAuthKeyLen) != SNMPERR_SUCCESS)
                s.securityAuthKeyLen = 0;
            // The privacy key is made with the authentication hash; the library
            // stretches it to the length AES-192 and AES-256 need.
            if (const Protocol* priv = findProtocol(kPrivProtocols, t.privProtocol)) {
                s.securityPrivProto = const_cast<oid*>(priv->id);
                s.securityPrivProtoLen = priv->length;
                s.securityPrivKeyLen = USM_PRIV_KU_LEN;
                if (generate_Ku(s.securityAuthProto, static_cast<u_int>(s.securityAuthProtoLen),
                                reinterpret_cast<const u_char*>(t.privPassword.data()), t.privPassword.size(),
                                s.securityPrivKey, &s.securityPrivKeyLen) != SNMPERR_SUCCESS)
                    s.securityPrivKeyLen = 0;
            }
        }
    }
    void* sessp = snmp_sess_open(&s);
    if (!sessp) {
        status = statusOfLibError(s.s_snmp_errno ? s.s_snmp_errno : SNMPERR_BAD_ADDRESS);
        if (status == St::Error)
            status = St::TransportFailed;
        return nullptr;
    }
    auto a = std::make_unique<Agent>();
    a->key = key;
    a->target = t;
    a->sessp = sessp;
    a->ss = snmp_sess_session(sessp);
    // The library does not keep the flag from the template: without it the
    // first send to an unknown engine would probe, blocking, inside the send.
    a->ss->flags |= SNMP_FLAGS_DONT_PROBE;
    a->engine = v3 ? Agent::Unknown : Agent::NotV3;
    Agent* raw = a.get();
    agents.emplace(key, std::move(a));
    if (socketsChanged)
        socketsChanged();
    return raw;
}

// Makes the keys of the agent's user current in the process-wide USM cache,
// replacing keys that another session installed for the same engine and name.
void NvSnmpAdapter::Impl::installUser(Agent& a)
{
    netsnmp_session* ss = a.ss;
    if (!ss->securityEngineIDLen)
        return;
    const std::string cacheKey = std::string(reinterpret_cast<const char*>(ss->securityEngineID), ss->securityEngineIDLen)
                                 + '\0' + a.target.securityName;
    auto it = installedUser.find(cacheKey);
    if (it != installedUser.end() && it->second == a.key)
        return;
    if (usmUser* u = usm_get_user(ss->securityEngineID, ss->securityEngineIDLen, ss->securityName)) {
        usm_remove_user(u);
        usm_free_user(u);
    }
    ss->flags &= ~SNMP_FLAGS_USER_CREATED;  // the library skips sessions it has served once
    create_user_from_session(ss);
    installedUser[cacheKey] = a.key;
}

int NvSnmpAdapter::Impl::transmit(Pending& p)
{
    Agent& a = *p.agent;
    const NvSnmpTarget& t = p.target;
    int cmd = SNMP_MSG_SET;
    switch (p.command) {
    case Get: cmd = SNMP_MSG_GET; break;
    case GetNext: cmd = SNMP_MSG_GETNEXT; break;
    case GetBulk: cmd = SNMP_MSG_GETBULK; break;
    case Set: cmd = SNMP_MSG_SET; break;
    }
    if (p.probe)
        cmd = SNMP_MSG_GET;
    netsnmp_pdu* pdu = snmp_pdu_create(cmd);
    if (!pdu)
        return St::ResourceUnavailable;
    if (cmd == SNMP_MSG_GETBULK) {
        pdu->non_repeaters = 0;
        pdu->max_repetitions = std::max(1, p.request.maxRepetitions);
    }
    if (p.probe) {
        // An empty unauthenticated request: the agent answers with a report
        // that carries its engine id.
        pdu->version = SNMP_VERSION_3;
        pdu->securityModel = SNMP_SEC_MODEL_USM;
        pdu->securityLevel = SNMP_SEC_LEVEL_NOAUTH;
        pdu->securityName = strdup("");
        pdu->securityNameLen = 0;
        ensureEmptyUser();
    } else {
        for (const NvSnmpVb& vb : p.request.vbs) {
            if (!addVariable(pdu, vb, p.command == Set)) {
                snmp_free_pdu(pdu);
                return St::InvalidPdu;
            }
        }
        if (a.engine == Agent::NotV3) {
            const std::string& community = p.command == Set ? t.writeCommunity : t.readCommunity;
            pdu->community = static_cast<u_char*>(malloc(community.size() + 1));
            memcpy(pdu->community, community.c_str(), community.size() + 1);
            pdu->community_len = community.size();
        } else {
            installUser(a);
            pdu->securityLevel = p.request.securityLevel;
            if (!p.request.contextName.empty()) {
                pdu->contextName = strdup(p.request.contextName.c_str());
                pdu->contextNameLen = p.request.contextName.size();
            }
            if (!p.request.contextEngineId.empty()) {
                pdu->contextEngineID = static_cast<u_char*>(malloc(p.request.contextEngineId.size()));
                memcpy(pdu->contextEngineID, p.request.contextEngineId.data(), p.request.contextEngineId.size());
                pdu->contextEngineIDLen = p.request.contextEngineId.size();
            }
        }
    }
    const int ms = static_cast<int>(t.timeout) * 10;
    p.deadline = Clock::now() + std::chrono::milliseconds(ms * (static_cast<int>(t.retries) + 3) + 2000);
    p.sent = true;
    snmp_sess_session(a.sessp)->s_snmp_errno = 0;
    if (snmp_sess_async_send(a.sessp, pdu, &Impl::libCallback,
                             reinterpret_cast<void*>(static_cast<uintptr_t>(p.id))) == 0) {
        int err = snmp_sess_session(a.sessp)->s_snmp_errno;
        snmp_free_pdu(pdu);
        int status = p.done && p.status ? p.status : statusOfLibError(err ? err : SNMPERR_BAD_SENDTO);
        if (status == St::Success)
            status = St::Error;
        return status;
    }
    if (!p.probe)
        ++sent;
    return St::Success;
}

void NvSnmpAdapter::Impl::readAndTime(Agent& a, fd_set* fds, bool readable)
{
    if (readable)
        snmp_sess_read(a.sessp, fds);
    snmp_sess_timeout(a.sessp);
}

void NvSnmpAdapter::Impl::checkDeadlines()
{
    const auto now = Clock::now();
    for (auto& [id, p] : pending) {
        if (p->sent && !p->done && now > p->deadline)
            finish(*p, p->tentativeStatus);
    }
}

// Blocks until p is done, reading only p's session; other requests that finish
// meanwhile wait in the delivery queue.
void NvSnmpAdapter::Impl::waitFor(Pending& p)
{
    Agent& a = *p.agent;
    while (!p.done) {
        fd_set fds;
        FD_ZERO(&fds);
        int numfds = 0;
        int block = 0;
        timeval tv{0, 100000};
        snmp_sess_select_info(a.sessp, &numfds, &fds, &tv, &block);
        if (tv.tv_sec > 0 || tv.tv_usec > 100000)
            tv = timeval{0, 100000};
        int n = select(numfds, &fds, nullptr, nullptr, &tv);
        if (n < 0) {
            FD_ZERO(&fds);
            n = 0;
        }
        readAndTime(a, &fds, n > 0);
        checkDeadlines();
    }
}

int NvSnmpAdapter::Impl::startProbe(Agent& a, bool blocking)
{
    Pending& probe = create(&a, Get, NvSnmpPdu{}, a.target);
    probe.probe = true;
    probe.blocking = blocking;
    const std::string key = a.key;
    probe.callback = [this, key](int reason, NvSnmpPdu& reply, const NvSnmpTarget&) {
        probeDone(key, reason == St::Timeout ? St::Timeout : reply.errorStatus);
    };
    a.engine = Agent::Probing;
    int status = transmit(probe);
    if (status != St::Success)
        finish(probe, status);  // an asynchronous probe's failure is delivered by the pump
    if (!blocking)
        return St::Success;
    return awaitProbe(probe);
}

// Waits for a discovery that runs for a blocking request, takes it off the
// open requests and ends the agent's probing state, whatever its outcome.
int NvSnmpAdapter::Impl::awaitProbe(Pending& probe)
{
    probe.blocking = true;
    std::erase(finished, probe.id);
    waitFor(probe);
    const int status = probe.status;
    const std::string key = probe.agent->key;
    pending.erase(probe.id);
    return probeDone(key, status);
}

int NvSnmpAdapter::Impl::probeDone(const std::string& key, int status)
{
    auto it = agents.find(key);
    if (it == agents.end())
        return status;
    Agent& a = *it->second;
    const bool known = a.ss->securityEngineIDLen > 0;
    a.engine = known ? Agent::Known : Agent::Unknown;
    if (known)
        installUser(a);
    if (!known && status == St::Success)
        status = St::UsmUnknownEngineId;
    std::deque<uint64_t> waiting;
    waiting.swap(a.waiting);
    for (uint64_t id : waiting) {
        auto p = pending.find(id);
        if (p == pending.end() || p->second->done)
            continue;
        if (!known) {
            finish(*p->second, status);
            continue;
        }
        int st = transmit(*p->second);
        if (st != St::Success)
            finish(*p->second, st);
    }
    return known ? St::Success : status;
}

NvSnmpAdapter::NvSnmpAdapter() : d(std::make_unique<Impl>()) {}

NvSnmpAdapter::~NvSnmpAdapter()
{
    closeSessions();
    if (g_adapter == this)
        g_adapter = nullptr;
}

NvSnmpAdapter* NvSnmpAdapter::open(int& status)
{
    status = St::Success;
    if (g_adapter)
        return g_adapter;
    initLibrary();
    g_adapter = new NvSnmpAdapter();
    return g_adapter;
}

NvSnmpAdapter* NvSnmpAdapter::instance()
{
    return g_adapter;
}

bool NvSnmpAdapter::knowsAuthProtocol(int number)
{
    return number == AuthNone || findProtocol(kAuthProtocols, number);
}

bool NvSnmpAdapter::knowsPrivProtocol(int number)
{
    return number == PrivNone || findProtocol(kPrivProtocols, number);
}

int NvSnmpAdapter::mpInit(const std::string& engineId, uint32_t boots)
{
    d->engineId = engineId;
    d->boots = boots;
    return setup_engineID(nullptr, engineId.c_str()) < 0 ? St::Error : St::Success;
}

int NvSnmpAdapter::send(Command command, NvSnmpPdu& pdu, const NvSnmpTarget& target)
{
    int status = St::Success;
    Agent* a = d->agentFor(target, status);
    if (!a)
        return status;
    if (a->engine == Agent::Unknown || a->engine == Agent::Probing) {
        if (a->engine == Agent::Unknown) {
            status = d->startProbe(*a, true);
        } else {
            // An asynchronous discovery is under way: wait for it here.
            for (auto& [id, p] : d->pending) {
                if (p->probe && p->agent == a) {
                    status = d->awaitProbe(*p);
                    break;
                }
            }
        }
        if (a->engine != Agent::Known)
            return status != St::Success ? status : St::UsmUnknownEngineId;
    }
    Pending& p = d->create(a, command, pdu, target);
    p.blocking = true;
    const uint64_t id = p.id;
    status = d->transmit(p);
    if (status == St::Success) {
        d->waitFor(p);
        status = p.status;
        if (status == St::Success)
            pdu = p.reply;
    }
    d->pending.erase(id);
    return status;
}

int NvSnmpAdapter::sendAsync(Command command, const NvSnmpPdu& pdu, const NvSnmpTarget& target, Callback callback)
{
    int status = St::Success;
    Agent* a = d->agentFor(target, status);
    if (!a)
        return status;
    Pending& p = d->create(a, command, pdu, target);
    p.callback = std::move(callback);
    const uint64_t id = p.id;
    if (a->engine == Agent::Unknown || a->engine == Agent::Probing) {
        a->waiting.push_back(id);
        if (a->engine == Agent::Unknown)
            d->startProbe(*a, false);
        return St::Success;
    }
    status = d->transmit(p);
    if (status != St::Success) {
        // A failure to send is the caller's to report; nothing is delivered.
        std::erase(d->finished, id);
        d->pending.erase(id);
    }
    return status;
}

void NvSnmpAdapter::processPendingEvents()
{
    if (!d->agents.empty()) {
        fd_set fds;
        FD_ZERO(&fds);
        int numfds = 0;
        for (auto& [key, a] : d->agents) {
            int block = 1;
            timeval tv{0, 0};
            snmp_sess_select_info(a->sessp, &numfds, &fds, &tv, &block);
        }
        timeval zero{0, 0};
        int n = numfds > 0 ? select(numfds, &fds, nullptr, nullptr, &zero) : 0;
        if (n < 0) {
            FD_ZERO(&fds);
            n = 0;
        }
        std::vector<Agent*> agents;
        for (auto& [key, a] : d->agents)
            agents.push_back(a.get());
        for (Agent* a : agents)
            d->readAndTime(*a, &fds, n > 0);
    }
    d->checkDeadlines();

    // Deliver what was finished before this call; requests sent by the callbacks
    // themselves are delivered by a later call.
    std::deque<uint64_t> ready;
    ready.swap(d->finished);
    for (uint64_t id : ready) {
        auto it = d->pending.find(id);
        if (it == d->pending.end())
            continue;
        std::unique_ptr<Pending> p = std::move(it->second);
        d->pending.erase(it);
        int reason = St::AsyncResponse;
        if (p->status == St::Timeout)
            reason = St::Timeout;
        else if (p->status != St::Success)
            p->reply.errorStatus = p->status;
        if (p->callback)
            p->callback(reason, p->reply, p->target);
    }
}

std::vector<int> NvSnmpAdapter::socketDescriptors() const
{
    std::vector<int> fds;
    for (auto& [key, a] : d->agents) {
        if (netsnmp_transport* t = snmp_sess_transport(a->sessp))
            fds.push_back(t->sock);
    }
    return fds;
}

void NvSnmpAdapter::setSocketsChangedHandler(std::function<void()> handler)
{
    d->socketsChanged = std::move(handler);
}

int NvSnmpAdapter::outstanding() const
{
    return static_cast<int>(d->pending.size());
}

uint64_t NvSnmpAdapter::sentCount() const
{
    return d->sent;
}

void NvSnmpAdapter::closeSessions()
{
    std::map<uint64_t, std::unique_ptr<Pending>> open;
    open.swap(d->pending);
    d->finished.clear();
    for (auto& [key, a] : d->agents)
        snmp_sess_close(a->sessp);
    d->agents.clear();
    d->installedUser.clear();
    for (auto& [id, p] : open) {
        if (p->callback && !p->probe)
            p->callback(St::SessionDestroyed, p->reply, p->target);
    }
    if (d->socketsChanged)
        d->socketsChanged();
}
