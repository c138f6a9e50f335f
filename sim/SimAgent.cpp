#include "sim/SimAgent.h"

#include <ctime>

#include <net-snmp/net-snmp-config.h>
#include <net-snmp/net-snmp-includes.h>
#include <net-snmp/agent/net-snmp-agent-includes.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

extern "C" {
// Provided by the agent library; not declared in its installed headers.
extern netsnmp_session* main_session;
void init_vacm_conf(void);
}

namespace {

SimAgent* g_agent = nullptr;
netsnmp_callback g_packetCallback = nullptr;
using TransportSend = int (*)(netsnmp_transport*, const void*, int, void**, int*);
TransportSend g_transportSend = nullptr;

const Oid kRoot{1, 3, 6, 1};
// The IEEE arc (802.1X port access objects) lies outside 1.3.6.1.
const Oid kIeeeRoot{1, 0, 8802};
const Oid kSysUpTime{1, 3, 6, 1, 2, 1, 1, 3, 0};
const Oid kLedColumn{1, 3, 6, 1, 4, 1, 497, 12, 11, 1, 9, 4, 1, 6};

Oid toOid(const oid* o, size_t len)
{
    return Oid(o, o + len);
}

bool fromVar(const netsnmp_variable_list* vb, SimValue& v)
{
    v = SimValue();
    switch (vb->type) {
    case ASN_INTEGER:
        v.kind = ValueKind::Integer;
        v.number = *vb->val.integer;
        return true;
    case ASN_OCTET_STR:
        v.kind = ValueKind::Octets;
        v.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        return true;
    case ASN_IPADDRESS:
        v.kind = ValueKind::IpAddress;
        v.bytes.assign(reinterpret_cast<const char*>(vb->val.string), vb->val_len);
        return true;
    case ASN_COUNTER: case ASN_GAUGE: case ASN_TIMETICKS: case ASN_UINTEGER:
        v.kind = vb->type == ASN_COUNTER ? ValueKind::Counter
               : vb->type == ASN_GAUGE ? ValueKind::Gauge
               : vb->type == ASN_TIMETICKS ? ValueKind::TimeTicks : ValueKind::Unsigned;
        v.number = static_cast<std::int64_t>(static_cast<unsigned long>(*vb->val.integer) & 0xffffffffUL);
        return true;
    case ASN_COUNTER64:
        v.kind = ValueKind::Counter64;
        v.number = static_cast<std::int64_t>((static_cast<std::uint64_t>(vb->val.counter64->high) << 32)
                                             | vb->val.counter64->low);
        return true;
    case ASN_OBJECT_ID:
        v.kind = ValueKind::ObjectId;
        v.oid = toOid(vb->val.objid, vb->val_len / sizeof(oid));
        return true;
    default:
        return false;
    }
}

void setVar(netsnmp_variable_list* vb, const SimValue& v)
{
    switch (v.kind) {
    case ValueKind::Integer: {
        long l = static_cast<long>(v.number);
        snmp_set_var_typed_value(vb, ASN_INTEGER, &l, sizeof l);
        break;
    }
    case ValueKind::Unsigned: case ValueKind::Gauge: case ValueKind::Counter: case ValueKind::TimeTicks: {
        u_long ul = static_cast<u_long>(v.number) & 0xffffffffUL;
        snmp_set_var_typed_value(vb, v.asnType(), &ul, sizeof ul);
        break;
    }
    case ValueKind::Counter64: {
        counter64 c;
        auto u = static_cast<std::uint64_t>(v.number);
        c.high = static_cast<u_long>(u >> 32);
        c.low = static_cast<u_long>(u & 0xffffffffUL);
        snmp_set_var_typed_value(vb, ASN_COUNTER64, &c, sizeof c);
        break;
    }
    case ValueKind::ObjectId: {
        std::vector<oid> o(v.oid.begin(), v.oid.end());
        snmp_set_var_typed_value(vb, ASN_OBJECT_ID, o.data(), o.size() * sizeof(oid));
        break;
    }
    case ValueKind::IpAddress: {
        in_addr_t a = 0;
        std::memcpy(&a, v.bytes.data(), std::min<std::size_t>(4, v.bytes.size()));
        snmp_set_var_typed_value(vb, ASN_IPADDRESS, &a, 4);
        break;
    }
    default:
        snmp_set_var_typed_value(vb, ASN_OCTET_STR, v.bytes.data(), v.bytes.size());
        break;
    }
}

int simHandler(netsnmp_mib_handler* handler, netsnmp_handler_registration* reg,
               netsnmp_agent_request_info* reqinfo, netsnmp_request_info* requests)
{
    return static_cast<SimAgent*>(handler->myvoid)->handle(handler, reg, reqinfo, requests);
}

void delayedReply(unsigned int, void* clientarg)
{
    auto* cache = netsnmp_handler_check_cache(static_cast<netsnmp_delegated_cache*>(clientarg));
    if (!cache)
        return;  // the request went away meanwhile
    static_cast<SimAgent*>(cache->localinfo)->finishDelayed(cache);
}

void ledAlarm(unsigned int, void* clientarg)
{
    static_cast<SimAgent*>(clientarg)->ledTick();
}

void lateCopyAlarm(unsigned int, void* clientarg)
{
    if (g_agent)
        g_agent->sendLateCopy(clientarg);
}

int faultySend(netsnmp_transport* t, const void* buffer, int size, void** opaque, int* opaqueLength)
{
    if (g_agent)
        return g_agent->sendAnswer(t, buffer, size, opaque, opaqueLength);
    return g_transportSend(t, buffer, size, opaque, opaqueLength);
}

// An answer made at once and sent when the delay fault says.
struct LateAnswer {
    netsnmp_session* session;
    netsnmp_pdu* pdu;
};

void sendLateAnswer(unsigned int, void* clientarg)
{
    auto* late = static_cast<LateAnswer*>(clientarg);
    if (!snmp_send(late->session, late->pdu))
        snmp_free_pdu(late->pdu);
    delete late;
}

int packetFilter(int op, netsnmp_session* session, int reqid, netsnmp_pdu* pdu, void* magic)
{
    if (op != NETSNMP_CALLBACK_OP_RECEIVED_MESSAGE || !g_agent)
        return g_packetCallback(op, session, reqid, pdu, magic);
    if (g_agent->dropThis(pdu))
        return 1;  // consumed without an answer
    g_agent->beginRequest(pdu);
    int result = 1;
    if (!g_agent->answerFaultyWalk(session, pdu))
        result = g_packetCallback(op, session, reqid, pdu, magic);
    g_agent->endRequest();
    return result;
}

} // namespace

SimAgent::SimAgent(const SimOptions& options, ObjectStore& store, StackModel& stack, FaultSwitches& faults)
    : m_options(options), m_store(store), m_stack(stack), m_faults(faults)
{
}

SimAgent::~SimAgent()
{
    shutdown();
}

bool SimAgent::start(std::string& error)
{
    if (m_options.dir.empty()) {
        const char* tmp = std::getenv("TMPDIR");
        std::string templ = std::string(tmp && *tmp ? tmp : "/tmp") + "/hv720-sim.XXXXXX";
        std::vector<char> buf(templ.begin(), templ.end());
        buf.push_back('\0');
        if (!mkdtemp(buf.data())) {
            error = "cannot create a temporary directory";
            return false;
        }
        m_dir = buf.data();
        m_ownDir = true;
    } else {
        m_dir = m_options.dir;
        std::error_code ec;
        std::filesystem::create_directories(m_dir, ec);
        if (!std::filesystem::is_directory(m_dir)) {
            error = "cannot use directory " + m_dir;
            return false;
        }
    }
    // Nothing from the system or the user's home: no MIB files, no configuration
    // files, persistent state only inside our own directory (and not even there).
    setenv("MIBS", "", 1);
    setenv("SNMPCONFPATH", m_dir.c_str(), 1);
    setenv("SNMP_PERSISTENT_DIR", m_dir.c_str(), 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_READ_CONFIGS, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DONT_PERSIST_STATE, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_LOAD, 1);
    netsnmp_ds_set_boolean(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_DISABLE_PERSISTENT_SAVE, 1);
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_PERSISTENT_DIR, m_dir.c_str());
    netsnmp_ds_set_string(NETSNMP_DS_LIBRARY_ID, NETSNMP_DS_LIB_CONFIGURATION_DIR, m_dir.c_str());
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_ROLE, 0);
    netsnmp_ds_set_string(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_PORTS, m_options.listen.c_str());
    snmp_disable_log();
    netsnmp_register_loghandler(NETSNMP_LOGHANDLER_STDERR, LOG_WARNING);
    netsnmp_ds_set_boolean(NETSNMP_DS_APPLICATION_ID, NETSNMP_DS_AGENT_DONT_LOG_TCPWRAPPERS_CONNECTS, 1);
    add_to_init_list(const_cast<char*>("-smux"));

    init_agent("hv720-sim");
    init_vacm_conf();

    for (const Oid* arc : {&kRoot, &kIeeeRoot}) {
        netsnmp_handler_registration* reg = netsnmp_create_handler_registration(
            "hv720-sim", simHandler, nullptr, 0, HANDLER_CAN_RWRITE);
        std::vector<oid> root(arc->begin(), arc->end());
        reg->rootoid = snmp_duplicate_objid(root.data(), root.size());
        reg->rootoid_len = root.size();
        reg->handler->myvoid = this;
        if (netsnmp_register_handler(reg) != MIB_REGISTERED_OK) {
            error = "cannot register the object handler";
            return false;
        }
    }

    std::vector<std::string> lines;
    if (!m_options.engineId.empty())
        lines.push_back("exactEngineID 0x" + m_options.engineId);
    for (const auto& c : m_options.readCommunities)
        lines.push_back("rocommunity " + c);
    for (const auto& c : m_options.writeCommunities)
        lines.push_back("rwcommunity " + c);
    for (const auto& u : m_options.users) {
        std::string l = "createUser " + u.name;
        if (!u.authProtocol.empty())
            l += " " + u.authProtocol + " \"" + u.authPass + "\"";
        if (!u.privProtocol.empty())
            l += " " + u.privProtocol + " \"" + u.privPass + "\"";
        lines.push_back(l);
        lines.push_back("rwuser " + u.name + " noauth");
    }
    for (const auto& l : lines) {
        std::vector<char> buf(l.begin(), l.end());
        buf.push_back('\0');
        netsnmp_config_remember(strdup(buf.data()));
    }

    init_snmp("hv720-sim");
    if (init_master_agent() != 0) {
        error = "cannot listen on " + m_options.listen;
        return false;
    }
    m_started = true;
    g_agent = this;
    // The engine's own identifier and boot count, where a catalogue serves the engine group.
    std::vector<u_char> engineId(64);
    const int engineIdLength = snmpv3_get_engineID(engineId.data(), engineId.size());
    if (engineIdLength > 0)
        m_store.put(Oid{1, 3, 6, 1, 6, 3, 10, 2, 1, 1, 0},
                    SimValue::octets(std::string(engineId.begin(), engineId.begin() + engineIdLength)));
    m_store.put(Oid{1, 3, 6, 1, 6, 3, 10, 2, 1, 2, 0}, SimValue::integer(snmpv3_local_snmpEngineBoots()));
    if (main_session && main_session->callback != packetFilter) {
        g_packetCallback = main_session->callback;
        main_session->callback = packetFilter;
    }
    if (netsnmp_transport* t = main_session ? snmp_sess_transport(snmp_sess_pointer(main_session)) : nullptr) {
        m_transport = t;
        g_transportSend = t->f_send;
        t->f_send = faultySend;
    }
    struct timeval period;
    period.tv_sec = m_options.ledPeriodMs / 1000;
    period.tv_usec = (m_options.ledPeriodMs % 1000) * 1000;
    snmp_alarm_register_hr(period, SA_REPEAT, ledAlarm, this);
    return true;
}

void SimAgent::run(volatile std::sig_atomic_t& stop)
{
    while (!stop)
        agent_check_and_process(1);
}

void SimAgent::shutdown()
{
    if (m_started) {
        m_started = false;
        if (main_session && g_packetCallback)
            main_session->callback = g_packetCallback;
        if (m_transport)
            static_cast<netsnmp_transport*>(m_transport)->f_send = g_transportSend;
        m_transport = nullptr;
        m_lateCopies.clear();
        g_agent = nullptr;
        snmp_shutdown("hv720-sim");
        shutdown_agent();
    }
    if (m_ownDir) {
        std::error_code ec;
        std::filesystem::remove_all(m_dir, ec);
        m_ownDir = false;
    }
}

SimValue SimAgent::shown(const ObjectStore::Entry& entry) const
{
    if (m_options.still)
        return ObjectStore::served(entry, 0, m_startTime);
    return ObjectStore::served(entry, netsnmp_get_agent_uptime(), std::time(nullptr));
}

void SimAgent::ledTick()
{
    m_stack.tick(m_store);
}

bool SimAgent::dropThis(void* p)
{
    auto* pdu = static_cast<netsnmp_pdu*>(p);
    if (!pdu)
        return false;
    switch (pdu->command) {
    case SNMP_MSG_GET: case SNMP_MSG_GETNEXT: case SNMP_MSG_GETBULK: case SNMP_MSG_SET:
        break;
    default:
        return false;
    }
    // Requests to the control scalars always get through, so a test can switch the fault off.
    if (pdu->variables && m_faults.isControl(toOid(pdu->variables->name, pdu->variables->name_length)))
        return false;
    if (!m_faults.countRequest())
        return true;  // the agent has stopped answering
    return m_faults.dropEvery > 0 && m_faults.requestCount() % static_cast<unsigned long>(m_faults.dropEvery) == 0;
}

void SimAgent::beginRequest(void* p)
{
    auto* pdu = static_cast<netsnmp_pdu*>(p);
    if (pdu && pdu->version == SNMP_VERSION_3 && pdu->contextNameLen > 0)
        m_faults.noteContext(std::string(pdu->contextName, pdu->contextNameLen),
                             std::string(reinterpret_cast<const char*>(pdu->contextEngineID), pdu->contextEngineIDLen));
    m_exempt = !pdu || pdu->command == SNMP_MSG_RESPONSE || pdu->command == SNMP_MSG_REPORT
               || (pdu->variables && m_faults.isControl(toOid(pdu->variables->name, pdu->variables->name_length)));
    if (m_exempt)
        return;
    ++m_answerCount;
    // The answer copies the request's id: one the manager never used.
    if (m_faults.wrongIdEvery > 0 && m_answerCount % static_cast<unsigned long>(m_faults.wrongIdEvery) == 0)
        pdu->reqid = (pdu->reqid + 0x2F1D3) & 0x7FFFFFFF;
}

int SimAgent::sendAnswer(void* tp, const void* buffer, int size, void** opaque, int* opaqueLength)
{
    auto* t = static_cast<netsnmp_transport*>(tp);
    if (m_exempt || size <= 0)
        return g_transportSend(t, buffer, size, opaque, opaqueLength);
    std::string bytes(static_cast<const char*>(buffer), static_cast<std::size_t>(size));
    if (m_faults.garbageEvery > 0 && m_answerCount % static_cast<unsigned long>(m_faults.garbageEvery) == 0) {
        // The first half of the answer under a sequence header that claims more
        // than follows, then octets that start no valid element.
        bytes.resize(bytes.size() / 2);
        bytes.append("\xff\xff\x00\x84\x7f\xff\xff\xff", 8);
    }
    if (m_faults.duplicateMs > 0 && opaque && *opaque && opaqueLength && *opaqueLength > 0) {
        auto copy = std::make_unique<LateCopy>();
        copy->transport = t;
        copy->bytes = bytes;
        copy->opaque.assign(static_cast<const char*>(*opaque), static_cast<std::size_t>(*opaqueLength));
        struct timeval tv;
        tv.tv_sec = m_faults.duplicateMs / 1000;
        tv.tv_usec = (m_faults.duplicateMs % 1000) * 1000;
        snmp_alarm_register_hr(tv, 0, lateCopyAlarm, copy.get());
        m_lateCopies.push_back(std::move(copy));
    }
    const int sent = g_transportSend(t, bytes.data(), static_cast<int>(bytes.size()), opaque, opaqueLength);
    return sent < 0 ? sent : size;
}

void SimAgent::sendLateCopy(void* c)
{
    auto it = std::find_if(m_lateCopies.begin(), m_lateCopies.end(), [c](const auto& p) { return p.get() == c; });
    if (it == m_lateCopies.end())
        return;
    LateCopy& copy = **it;
    void* opaque = copy.opaque.data();
    int length = static_cast<int>(copy.opaque.size());
    g_transportSend(static_cast<netsnmp_transport*>(copy.transport), copy.bytes.data(),
                    static_cast<int>(copy.bytes.size()), &opaque, &length);
    m_lateCopies.erase(it);
}

// The library refuses get-next answers that do not move forward, so a walk that
// repeats or goes back is answered here, before the library sees the request;
// so are GETBULK requests while a GETBULK fault is set.
bool SimAgent::answerFaultyWalk(void* s, void* p)
{
    auto* session = static_cast<netsnmp_session*>(s);
    auto* pdu = static_cast<netsnmp_pdu*>(p);
    if (!pdu || (pdu->command != SNMP_MSG_GETNEXT && pdu->command != SNMP_MSG_GETBULK))
        return false;
    const bool bulk = pdu->command == SNMP_MSG_GETBULK;
    const Oid& w = m_faults.walkOid;
    bool hit = false;
    if (m_faults.walkMode != FaultSwitches::WalkNormal && !w.empty()) {
        for (auto* vb = pdu->variables; vb; vb = vb->next_variable) {
            Oid o = toOid(vb->name, vb->name_length);
            // A GETBULK from the column's start runs into the fault inside its answer.
            hit = hit || (oidutil::startsWith(o, w) && (bulk || o.size() > w.size()));
        }
    }
    // SNMPv1 has no GETBULK: a get-next of more varbinds than the limit (a
    // manager asking several rows at once) meets the tooBig fault instead.
    size_t varbinds = 0;
    for (auto* vb = pdu->variables; vb; vb = vb->next_variable)
        ++varbinds;
    const bool v1TooBig = !bulk && pdu->version == SNMP_VERSION_1 && m_faults.bulkMode == FaultSwitches::BulkTooBig
                          && varbinds > static_cast<size_t>(m_faults.bulkLimit);
    const int bulkMode = bulk || v1TooBig ? m_faults.bulkMode : FaultSwitches::BulkNormal;
    // The library cannot hold a GETBULK back (a delegated repetition ends its
    // view), so a delayed GETBULK is answered here too.
    if (!hit && bulkMode == FaultSwitches::BulkNormal && !(bulk && m_faults.delayMs > 0))
        return false;
    if (pdu->variables && m_faults.isControl(toOid(pdu->variables->name, pdu->variables->name_length)))
        return false;
    if (pdu->version != SNMP_VERSION_3) {
        std::string community(reinterpret_cast<const char*>(pdu->community), pdu->community_len);
        const auto& r = m_options.readCommunities;
        const auto& wr = m_options.writeCommunities;
        if (std::find(r.begin(), r.end(), community) == r.end()
            && std::find(wr.begin(), wr.end(), community) == wr.end())
            return false;  // the library drops it as any request with a wrong community
    }
    if (bulkMode == FaultSwitches::BulkDrop)
        return true;
    // Non-repeaters (errstat) and max-repetitions (errindex) of a GETBULK.
    const long nonRepeaters = bulk ? std::max(0L, pdu->errstat) : 0;
    long repetitions = bulk ? std::max(0L, pdu->errindex) : 1;
    int status = SNMP_ERR_NOERROR;
    if (bulkMode == FaultSwitches::BulkGenErr)
        status = SNMP_ERR_GENERR;
    else if (bulkMode == FaultSwitches::BulkTooBig && (v1TooBig || repetitions > m_faults.bulkLimit))
        status = SNMP_ERR_TOOBIG;
    else if (bulkMode == FaultSwitches::BulkShort)
        repetitions = std::min<long>(repetitions, m_faults.bulkLimit);

    netsnmp_pdu* resp = snmp_clone_pdu(pdu);
    if (!resp)
        return false;
    resp->command = SNMP_MSG_RESPONSE;
    resp->errstat = status;
    resp->errindex = status == SNMP_ERR_GENERR ? 1 : 0;
    resp->securityStateRef = pdu->securityStateRef;
    pdu->securityStateRef = nullptr;
    if (status == SNMP_ERR_NOERROR) {
        std::vector<Oid> asked;
        for (auto* vb = pdu->variables; vb; vb = vb->next_variable)
            asked.push_back(toOid(vb->name, vb->name_length));
        snmp_free_varbind(resp->variables);
        resp->variables = nullptr;
        const size_t fixed = std::min(asked.size(), static_cast<size_t>(nonRepeaters));
        // Non-repeaters once, then the repeaters repetition after repetition,
        // each from where the previous repetition of its column stood.
        std::vector<Oid> at = asked;
        std::vector<bool> ended(asked.size(), false);
        const long rounds = asked.size() > fixed ? repetitions : 0;
        for (long round = -1; round < rounds; ++round) {
            for (size_t i = round < 0 ? 0 : fixed; i < (round < 0 ? fixed : asked.size()); ++i) {
                const ObjectStore::Map::value_type* e = ended[i] ? nullptr : nextForWalk(at[i]);
                if (!e) {
                    ended[i] = true;
                    std::vector<oid> name(at[i].begin(), at[i].end());
                    snmp_pdu_add_variable(resp, name.data(), name.size(), SNMP_ENDOFMIBVIEW, nullptr, 0);
                    continue;
                }
                at[i] = e->first;
                std::vector<oid> name(e->first.begin(), e->first.end());
                netsnmp_variable_list* vb = snmp_add_null_var(resp, name.data(), name.size());
                if (vb)
                    setVar(vb, faulty(e->first, shown(e->second)));
            }
        }
    }
    if (m_faults.delayMs > 0) {
        auto* late = new LateAnswer{session, resp};
        struct timeval tv;
        tv.tv_sec = m_faults.delayMs / 1000;
        tv.tv_usec = (m_faults.delayMs % 1000) * 1000;
        snmp_alarm_register_hr(tv, 0, sendLateAnswer, late);
        return true;
    }
    if (!snmp_send(session, resp))
        snmp_free_pdu(resp);
    return true;
}

// The object after o as a get-next step sees it, with the walk fault applied.
const ObjectStore::Map::value_type* SimAgent::nextForWalk(const Oid& o) const
{
    const ObjectStore::Map::value_type* e = m_store.next(o, false);
    const Oid& w = m_faults.walkOid;
    if (m_faults.walkMode == FaultSwitches::WalkNormal || w.empty() || !oidutil::startsWith(o, w) || o.size() <= w.size())
        return e;
    if (m_faults.walkMode == FaultSwitches::WalkRepeat) {
        auto it = m_store.objects().find(o);
        if (it != m_store.objects().end())
            return &*it;
        return e;
    }
    const auto* first = m_store.next(w, false);
    if (first && oidutil::startsWith(first->first, w) && first->first < o)
        return first;
    return e;
}

bool SimAgent::delayOnce(long transid)
{
    if (std::find(m_delayed.begin(), m_delayed.end(), transid) != m_delayed.end())
        return false;
    m_delayed.push_back(transid);
    if (m_delayed.size() > 256)
        m_delayed.pop_front();
    return true;
}

int SimAgent::handle(void* h, void* r, void* ri, void* rq)
{
    auto* handler = static_cast<netsnmp_mib_handler*>(h);
    auto* reg = static_cast<netsnmp_handler_registration*>(r);
    auto* reqinfo = static_cast<netsnmp_agent_request_info*>(ri);
    auto* requests = static_cast<netsnmp_request_info*>(rq);
    const int mode = reqinfo->mode;
    bool controlOnly = true;
    for (auto* q = requests; q; q = q->next)
        controlOnly = controlOnly && m_faults.isControl(toOid(q->requestvb->name, q->requestvb->name_length));
    if (m_faults.delayMs > 0 && !controlOnly
        && (mode == MODE_GET || mode == MODE_GETNEXT || mode == MODE_SET_RESERVE1)
        && delayOnce(reqinfo->asp && reqinfo->asp->pdu ? reqinfo->asp->pdu->transid : 0)) {
        netsnmp_delegated_cache* cache = netsnmp_create_delegated_cache(handler, reg, reqinfo, requests, this);
        netsnmp_handler_mark_requests_as_delegated(requests, REQUEST_IS_DELEGATED);
        struct timeval tv;
        tv.tv_sec = m_faults.delayMs / 1000;
        tv.tv_usec = (m_faults.delayMs % 1000) * 1000;
        snmp_alarm_register_hr(tv, 0, delayedReply, cache);
        return SNMP_ERR_NOERROR;
    }
    process(reqinfo, requests, toOid(reg->rootoid, reg->rootoid_len));
    return SNMP_ERR_NOERROR;
}

void SimAgent::finishDelayed(void* c)
{
    auto* cache = static_cast<netsnmp_delegated_cache*>(c);
    netsnmp_handler_mark_requests_as_delegated(cache->requests, REQUEST_IS_NOT_DELEGATED);
    process(cache->reqinfo, cache->requests, toOid(cache->reginfo->rootoid, cache->reginfo->rootoid_len));
    netsnmp_free_delegated_cache(cache);
}

// The value as the value faults serve it: LED octets cut or padded, overlong
// strings, another type.
SimValue SimAgent::faulty(const Oid& o, const SimValue& value) const
{
    SimValue v = value;
    if (oidutil::startsWith(o, kLedColumn) && o.size() == kLedColumn.size() + 1) {
        int limit = m_faults.ledLimit(static_cast<int>(o.back()));
        if (limit >= 0)
            v.bytes.resize(static_cast<std::size_t>(limit), '\x02');  // padding: LEDs lit green
    }
    if (v.isOctets() && m_faults.servesLongString(o))
        v.bytes.resize(static_cast<std::size_t>(m_faults.longStringLength), 'X');
    if (m_faults.servesWrongType(o)) {
        if (v.isOctets() || v.kind == ValueKind::IpAddress)
            v = SimValue::integer(static_cast<std::int64_t>(v.bytes.size()));
        else
            v = SimValue::octets(v.kind == ValueKind::ObjectId ? oidutil::format(v.oid) : std::to_string(v.number));
    }
    return v;
}

void SimAgent::process(void* ri, void* rq, const Oid& root)
{
    auto* reqinfo = static_cast<netsnmp_agent_request_info*>(ri);
    auto* requests = static_cast<netsnmp_request_info*>(rq);
    const bool v1 = reqinfo->asp && reqinfo->asp->pdu && reqinfo->asp->pdu->version == SNMP_VERSION_1;
    m_store.put(kSysUpTime, SimValue::integer(static_cast<std::int64_t>(netsnmp_get_agent_uptime()),
                                             ValueKind::TimeTicks));

    auto injected = [&](const Oid& o) {
        return m_faults.errorStatus != 0 && !m_faults.errorOid.empty() && !m_faults.isControl(o)
            && oidutil::startsWith(o, m_faults.errorOid);
    };
    auto serve = [&](netsnmp_variable_list* vb, const Oid& o, const SimValue& value) {
        setVar(vb, faulty(o, value));
    };

    switch (reqinfo->mode) {
    case MODE_GET:
        for (auto* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            Oid o = toOid(r->requestvb->name, r->requestvb->name_length);
            logGet(o);
            if (injected(o)) {
                netsnmp_set_request_error(reqinfo, r, m_faults.errorStatus);
                continue;
            }
            const ObjectStore::Entry* e = m_store.get(o);
            if (e && !(v1 && e->value.kind == ValueKind::Counter64))
                serve(r->requestvb, o, shown(*e));
            else
                netsnmp_set_request_error(reqinfo, r, m_store.findSpec(o) ? SNMP_NOSUCHINSTANCE : SNMP_NOSUCHOBJECT);
        }
        break;
    case MODE_GETNEXT:
        for (auto* r = requests; r; r = r->next) {
            if (r->processed)
                continue;
            Oid o = toOid(r->requestvb->name, r->requestvb->name_length);
            const ObjectStore::Map::value_type* e = m_store.next(o, r->inclusive != 0);
            while (e && v1 && e->second.value.kind == ValueKind::Counter64)
                e = m_store.next(e->first, false);
            if (!e || !oidutil::startsWith(e->first, root))
                continue;  // nothing more here: the library moves on to the end of the view
            std::vector<oid> name(e->first.begin(), e->first.end());
            snmp_set_var_objid(r->requestvb, name.data(), name.size());
            if (injected(e->first))
                netsnmp_set_request_error(reqinfo, r, m_faults.errorStatus);
            else
                serve(r->requestvb, e->first, shown(e->second));
        }
        break;
    case MODE_SET_RESERVE1: {
        std::vector<ObjectStore::SetItem> items;
        std::vector<netsnmp_request_info*> reqs;
        for (auto* r = requests; r; r = r->next) {
            ObjectStore::SetItem it;
            it.oid = toOid(r->requestvb->name, r->requestvb->name_length);
            if (injected(it.oid)) {
                netsnmp_set_request_error(reqinfo, r,
                                          m_faults.errorStatus > 18 ? SNMP_ERR_GENERR : m_faults.errorStatus);
                return;
            }
            if (!fromVar(r->requestvb, it.value)) {
                netsnmp_set_request_error(reqinfo, r, SNMP_ERR_WRONGTYPE);
                return;
            }
            items.push_back(it);
            reqs.push_back(r);
        }
        int bad = m_store.validate(items);
        if (bad >= 0)
            netsnmp_set_request_error(reqinfo, reqs[static_cast<std::size_t>(bad)], items[static_cast<std::size_t>(bad)].error);
        break;
    }
    case MODE_SET_COMMIT: {
        std::vector<ObjectStore::SetItem> items;
        for (auto* r = requests; r; r = r->next) {
            ObjectStore::SetItem it;
            it.oid = toOid(r->requestvb->name, r->requestvb->name_length);
            if (fromVar(r->requestvb, it.value))
                items.push_back(it);
        }
        m_store.apply(items);
        logSet(items);
        break;
    }
    default:
        break;
    }
}

// One line per object asked for by a get, in dotted form.
void SimAgent::logGet(const Oid& oid) const
{
    if (m_options.getLogPath.empty())
        return;
    std::ofstream(m_options.getLogPath, std::ios::app) << oidutil::format(oid) << '\n';
}

// One line per committed set: OID=VALUE pairs separated by blanks; numbers in
// decimal, octet strings and addresses as 0x followed by hexadecimal digits.
void SimAgent::logSet(const std::vector<ObjectStore::SetItem>& items) const
{
    if (m_options.setLogPath.empty())
        return;
    std::ofstream out(m_options.setLogPath, std::ios::app);
    for (std::size_t i = 0; i < items.size(); ++i) {
        const SimValue& v = items[i].value;
        out << (i ? " " : "") << oidutil::format(items[i].oid) << '=';
        if (v.isNumeric())
            out << v.number;
        else if (v.kind == ValueKind::ObjectId)
            out << oidutil::format(v.oid);
        else
            out << "0x" << valuetext::hex(v.bytes);
    }
    out << '\n';
}
