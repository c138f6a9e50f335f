#include "snmp/NvSNMPRequest.h"

#include <arpa/inet.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <cstdio>
#include <cstring>

#include "snmp/NvEventWait.h"
#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvDateTime.h"
#include "snmp/NvOptionList.h"
#include "snmp/NvSnmpAdapter.h"
#include "snmp/NvStrictValue.h"
#include "snmp/NvValueText.h"
#include "snmp/SnmpEventProcessor.h"

namespace {

// SNMPv1 error status noSuchName.
constexpr int kNoSuchNameStatus = 2;

constexpr int kDestructorWaitMs = 6000;
constexpr const char* kNull = kNullValueText;
constexpr const char* kNotDone = kNotDoneValueText;

[[noreturn]] void raise(int code)
{
    throw errorOfCode(code);
}

// A status of the class library raised as its library code.
[[noreturn]] void raiseStatus(int status)
{
    throw errorOfCode(mapSnmpStatus(status).code);
}

bool isOctetSyntax(NvSyntax syntax)
{
    return syntax == SyntaxBits || syntax == SyntaxOctets || syntax == SyntaxOpaque || syntax == SyntaxMacAddress
           || syntax == SyntaxAddress16;
}

int64_t numberOf(const NvSnmpVb& vb)
{
    switch (vb.type) {
    case AsnInteger: return vb.integer;
    case AsnCounter32:
    case AsnGauge32:
    case AsnTimeTicks:
    case AsnUInteger32:
    case AsnCounter64: return static_cast<int64_t>(vb.unsignedValue);
    default: return 0;
    }
}

// Whether the value, printed, would be empty: NULL, an exception, an empty string.
bool printsEmpty(const NvSnmpVb& vb)
{
    switch (vb.type) {
    case AsnNull:
    case AsnNoSuchObject:
    case AsnNoSuchInstance:
    case AsnEndOfMibView: return true;
    case AsnOctetString:
    case AsnOpaque:
    case AsnIpAddress: return vb.octets.empty();
    case AsnObjectId: return vb.oidValue.empty();
    default: return false;
    }
}

std::string octetsOfArcs(const NvOid& arcs, size_t from, size_t count)
{
    std::string s;
    for (size_t i = 0; i < count; ++i)
        s += static_cast<char>(arcs[from + i] & 0xFF);
    return s;
}

std::string arcsOfOctets(const std::string& octets)
{
    std::string s;
    for (size_t i = 0; i < octets.size(); ++i) {
        if (i)
            s += '.';
        s += std::to_string(static_cast<unsigned char>(octets[i]));
    }
    return s;
}

std::string join(const std::string& a, const std::string& b)
{
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return a + "." + b;
}

std::pair<uint32_t, uint32_t> halvesOf(double value)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return {static_cast<uint32_t>(bits & 0xFFFFFFFFu), static_cast<uint32_t>(bits >> 32)};
}

double doubleOfHalves(uint32_t low, uint32_t high)
{
    const uint64_t bits = (static_cast<uint64_t>(high) << 32) | low;
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

int64_t toSigned(const std::string& text)
{
    return std::strtoll(text.c_str(), nullptr, 10);
}

uint64_t toUnsigned(const std::string& text)
{
    const char* p = text.c_str();
    while (*p == ' ')
        ++p;
    if (*p == '-')
        return static_cast<uint64_t>(std::strtoll(p, nullptr, 10));
    return std::strtoull(p, nullptr, 10);
}

std::string dottedQuad(const std::string& octets)
{
    std::string s;
    for (size_t i = 0; i < 4; ++i) {
        if (i)
            s += '.';
        s += std::to_string(i < octets.size() ? static_cast<unsigned char>(octets[i]) : 0);
    }
    return s;
}

// The identifier is inside the column: the base followed by "." and an
// instance. (A bare text prefix would let column 1 run on into column 10.)
bool insideColumn(const std::string& base, const std::string& received)
{
    return received.size() > base.size() + 1 && received.compare(0, base.size(), base) == 0
           && received[base.size()] == '.';
}

}  // namespace

NvSNMPRequest::NvSNMPRequest() : NvSNMPSettings(currentSnmpSettings())
{
    retries = 1;
}

NvSNMPRequest::~NvSNMPRequest()
{
    alive = false;
    waitForReplies(kDestructorWaitMs);
}

bool NvSNMPRequest::waitForReplies(int ms)
{
    return waitUntil([this] { return m_pending == 0; }, ms);
}

std::string NvSNMPRequest::baseOid(int r) const
{
    const NvSNMPVarRow& row = varList.row(r);
    return varList.instance.empty() ? row.oid : row.oid + "." + varList.instance;
}

// ---------------------------------------------------------------------------
// PDU building

NvSnmpPdu NvSNMPRequest::buildPdu(Purpose purpose)
{
    if (purpose == Purpose::FirstGet)
        m_walkWentBack = false;  // a new walk
    NvSnmpPdu pdu;
    scopePdu(pdu, *this);
    const NvSNMPVarList::Kind kind = varList.listKind;
    for (int r = 0; r < varList.count(); ++r) {
        NvSNMPVarRow& row = varList.row(r);
        std::string oidText;
        NvSnmpVb vb;
        switch (purpose) {
        case Purpose::FirstGet:
            if (!varList.isReadable(r))
                continue;
            row.lastOid.clear();
            oidText = kind == NvSNMPVarList::ScalarGroup ? baseOid(r) + ".0" : baseOid(r);
            break;
        case Purpose::NextGet:
            if (!varList.isReadable(r))
                continue;
            if (!varList.isTable())
                raise(ErrNextOnSingleValue);
            oidText = row.lastOid.empty() ? baseOid(r) : row.lastOid;
            break;
        case Purpose::Set:
            if (varList.isTable() && r < varList.indexCount)
                continue;
            if (!varList.isWritable(r))
                continue;
            if (kind == NvSNMPVarList::ScalarGroup)
                oidText = baseOid(r) + ".0";
            else if (kind == NvSNMPVarList::SingleInstance)
                oidText = baseOid(r);
            else if (varList.isTable())
                oidText = join(baseOid(r), instanceSuffix());
            else
                raise(ErrBadListKind);
            computeValue(r, true);
            loadValue(r, vb);
            break;
        }
        if (!oidFromText(oidText, vb.oid))
            raiseStatus(-17);  // invalid object identifier
        pdu.vbs.push_back(std::move(vb));
    }
    return pdu;
}

// ---------------------------------------------------------------------------
// Sending

bool NvSNMPRequest::getSync(bool first)
{
    if (!alive)
        return false;
    if (varList.isTable())
        return walkSync(first);
    const NvSnmpTarget target = buildTarget(*this);
    NvSnmpPdu pdu = buildPdu(first ? Purpose::FirstGet : Purpose::NextGet);
    const NvSNMPVarList::Kind kind = varList.listKind;
    if (kind > NvSNMPVarList::EditableTable)
        raise(ErrBadListKind);
    NvSnmpAdapter* session = NvSnmpAdapter::instance();
    if (!session)
        raise(ErrNoGlobalSession);
    const int status = sendAndWait(*session, kind <= NvSNMPVarList::SingleInstance ? NvSnmpAdapter::Get : NvSnmpAdapter::GetNext,
                                     pdu, target);
    if (status != 0)
        raiseStatus(status);
    const NvSNMPError e = processReply(pdu, pdu.errorStatus, target.addressText(), true);
    if (e.code != 0)
        raise(e.code);
    return varList.isTable() && !e.finished;
}

void NvSNMPRequest::getAsync(NvSNMPReplyHandler handler, bool first)
{
    if (varList.isTable())
        walkAsync(std::move(handler), first);
    else
        sendAsync(first ? Purpose::FirstGet : Purpose::NextGet, std::move(handler));
}

void NvSNMPRequest::setSync()
{
    if (!alive)
        return;
    const NvSnmpTarget target = buildTarget(*this);
    NvSnmpPdu pdu = buildPdu(Purpose::Set);
    NvSnmpAdapter* session = NvSnmpAdapter::instance();
    if (!session)
        raise(ErrNoGlobalSession);
    const int status = sendAndWait(*session, NvSnmpAdapter::Set, pdu, target);
    if (status != 0)
        raiseStatus(status);
    if (pdu.errorStatus != 0)
        raiseStatus(pdu.errorStatus);
}

void NvSNMPRequest::setAsync(NvSNMPReplyHandler handler)
{
    sendAsync(Purpose::Set, std::move(handler));
}

void NvSNMPRequest::sendAsync(Purpose purpose, NvSNMPReplyHandler handler)
{
    if (!alive)
        return;
    const NvSnmpTarget target = buildTarget(*this);
    NvSnmpPdu pdu = buildPdu(purpose);
    const NvSNMPVarList::Kind kind = varList.listKind;
    if (kind > NvSNMPVarList::EditableTable)
        raise(ErrBadListKind);
    NvSnmpAdapter* session = NvSnmpAdapter::instance();
    if (!session)
        raise(ErrNoGlobalSession);
    NvSnmpAdapter::Command command = NvSnmpAdapter::Set;
    if (purpose != Purpose::Set)
        command = kind <= NvSNMPVarList::SingleInstance ? NvSnmpAdapter::Get : NvSnmpAdapter::GetNext;
    const bool store = purpose != Purpose::Set;
    std::weak_ptr<int> life = m_life;
    const int status = session->sendAsync(
        command, pdu, target,
        [this, life, store, handler = std::move(handler)](int reason, NvSnmpPdu& reply, const NvSnmpTarget& t) {
            if (life.expired())
                return;  // the request is gone; its owner no longer listens
            onReply(reason, reply, t.addressText(), store, handler);
        });
    if (status != 0)
        raiseStatus(status);
    ++m_pending;
    _SnmpEventProcessor::instance().wake();
}

void NvSNMPRequest::onReply(int reason, const NvSnmpPdu& reply, const std::string& agent, bool store,
                            const NvSNMPReplyHandler& handler)
{
    if (reason == NvSnmpStatus::SessionDestroyed) {
        --m_pending;
        return;
    }
    const int status = reason == NvSnmpStatus::Timeout ? NvSnmpStatus::Timeout : reply.errorStatus;
    NvSNMPError e;
    try {
        e = processReply(reply, status, agent, store);
    } catch (const NvSNMPException& x) {
        e.code = x.code();
        e.message = x.what();
        e.finished = true;
    }
    if (e.finished || e.code != 0)
        m_bulk.clear();
    deliver(e, handler);
}

void NvSNMPRequest::deliver(const NvSNMPError& e, const NvSNMPReplyHandler& handler)
{
    std::weak_ptr<int> life = m_life;
    try {
        if (handler)
            handler(*this, e);
    } catch (const std::exception& x) {
        // Nothing above the pump could catch it; the handler's owner has lost
        // this reply either way.
        qWarning("SNMP reply handler failed: %s", x.what());
    } catch (...) {
        qWarning("SNMP reply handler failed with an exception of unknown type");
    }
    if (!life.expired())
        --m_pending;
}

// ---------------------------------------------------------------------------
// Table walks

std::vector<NvBulkWalk::Column> NvSNMPRequest::walkColumns() const
{
    std::vector<NvBulkWalk::Column> columns;
    for (int r = 0; r < varList.count(); ++r) {
        if (!varList.isReadable(r))
            continue;
        std::string base = baseOid(r);
        const std::string& last = varList.row(r).lastOid;
        columns.push_back({base, last.empty() ? base : last});
    }
    return columns;
}

NvSNMPRequest::BulkOutcome NvSNMPRequest::judgeBulkAnswer(int status, const NvSnmpPdu& reply, NvSnmpPdu& step)
{
    constexpr int kTooBig = 1;
    if (status == 0 && reply.errorStatus == 0 && m_bulk.takeAnswer(reply, walkColumns(), step))
        return BulkOutcome::Step;
    if (status == 0 && reply.errorStatus == kTooBig && m_bulk.halve())
        return BulkOutcome::Halved;
    return BulkOutcome::FallBack;
}

bool NvSNMPRequest::walkSync(bool first)
{
    const NvSnmpTarget target = buildTarget(*this);
    NvSnmpPdu reply;
    bool kept = false;  // the step comes from the answer kept from the last GETBULK
    if (first)
        m_bulk.start(*this, target, varList);
    else
        kept = m_bulk.active() && m_bulk.nextStep(walkColumns(), reply);
    if (!kept) {
        const NvSnmpPdu asked = buildPdu(first ? Purpose::FirstGet : Purpose::NextGet);
        NvSnmpAdapter* session = NvSnmpAdapter::instance();
        if (!session)
            raise(ErrNoGlobalSession);
        bool fallBack = false;
        for (bool sent = false; !sent;) {
            reply = asked;
            if (!m_bulk.active() || fallBack) {
                const int status = sendAndWait(*session, NvSnmpAdapter::GetNext, reply, target);
                if (status != 0)
                    raiseStatus(status);
                if (fallBack && reply.errorStatus == 0)
                    m_bulk.refuseAgent();
                break;
            }
            reply.maxRepetitions = m_bulk.repetitions();
            NvSnmpAdapter::Command command = NvSnmpAdapter::GetBulk;
            if (m_bulk.emulated()) {
                command = NvSnmpAdapter::GetNext;
                if (!m_bulk.emulatedRequest(asked, walkColumns(), reply)) {
                    reply = asked;
                    const int plain = sendAndWait(*session, NvSnmpAdapter::GetNext, reply, target);
                    if (plain != 0)
                        raiseStatus(plain);
                    break;
                }
            }
            const int status = sendAndWait(*session, command, reply, target);
            NvSnmpPdu step;
            switch (judgeBulkAnswer(status, reply, step)) {
            case BulkOutcome::Step:
                reply = std::move(step);
                sent = true;
                break;
            case BulkOutcome::Halved: break;
            case BulkOutcome::FallBack: fallBack = true; break;
            }
        }
    }
    const NvSNMPError e = processReply(reply, reply.errorStatus, target.addressText(), true);
    if (e.code != 0 || e.finished)
        m_bulk.clear();
    if (e.code != 0)
        raise(e.code);
    return !e.finished;
}

void NvSNMPRequest::walkAsync(NvSNMPReplyHandler handler, bool first)
{
    if (!alive)
        return;
    const NvSnmpTarget target = buildTarget(*this);
    if (first) {
        m_bulk.start(*this, target, varList);
    } else if (NvSnmpPdu step; m_bulk.active() && m_bulk.nextStep(walkColumns(), step)) {
        // The step is already here; it is handed over from the event pump like
        // any reply, so the handler never runs inside this call.
        std::weak_ptr<int> life = m_life;
        const std::string agent = target.addressText();
        ++m_pending;
        _SnmpEventProcessor::instance().post(
            [this, life, step = std::move(step), agent, handler = std::move(handler)] {
                if (!life.expired())
                    onReply(NvSnmpStatus::AsyncResponse, step, agent, true, handler);
            });
        return;
    }
    sendWalkStep(buildPdu(first ? Purpose::FirstGet : Purpose::NextGet), target, m_bulk.active(), false,
                 std::move(handler));
}

void NvSNMPRequest::walkAfterAsync(const std::string& instance, NvSNMPReplyHandler handler)
{
    if (!alive)
        return;
    if (!varList.isTable())
        raise(ErrNextOnSingleValue);
    const NvSnmpTarget target = buildTarget(*this);
    for (int r = 0; r < varList.count(); ++r)
        varList.row(r).lastOid = join(baseOid(r), instance);
    m_walkWentBack = false;
    m_bulk.start(*this, target, varList);
    sendWalkStep(buildPdu(Purpose::NextGet), target, m_bulk.active(), false, std::move(handler));
}

void NvSNMPRequest::sendWalkStep(const NvSnmpPdu& pdu, const NvSnmpTarget& target, bool bulk, bool fallBack,
                                 NvSNMPReplyHandler handler)
{
    NvSnmpAdapter* session = NvSnmpAdapter::instance();
    if (!session)
        raise(ErrNoGlobalSession);
    NvSnmpPdu asked = pdu;
    asked.maxRepetitions = bulk ? m_bulk.repetitions() : 0;
    NvSnmpAdapter::Command command = bulk ? NvSnmpAdapter::GetBulk : NvSnmpAdapter::GetNext;
    NvSnmpPdu wire;
    if (bulk && m_bulk.emulated()) {
        // SNMPv1: several instances per column in one get-next; a step that
        // cannot be asked so goes out as it is.
        command = NvSnmpAdapter::GetNext;
        bulk = m_bulk.emulatedRequest(pdu, walkColumns(), wire);
    }
    std::weak_ptr<int> life = m_life;
    const int status = session->sendAsync(
        command, bulk && m_bulk.emulated() ? wire : asked, target,
        [this, life, asked, bulk, fallBack, handler = std::move(handler)](int reason, NvSnmpPdu& reply,
                                                                           const NvSnmpTarget& t) {
            if (!life.expired())
                onWalkReply(reason, reply, asked, t, bulk, fallBack, handler);
        });
    if (status != 0)
        raiseStatus(status);
    ++m_pending;
    _SnmpEventProcessor::instance().wake();
}

void NvSNMPRequest::onWalkReply(int reason, const NvSnmpPdu& reply, const NvSnmpPdu& asked,
                                const NvSnmpTarget& target, bool bulk, bool fallBack,
                                const NvSNMPReplyHandler& handler)
{
    const int status = reason == NvSnmpStatus::Timeout ? NvSnmpStatus::Timeout : reply.errorStatus;
    // A request whose owner wants no more is not asked again: the failure stands.
    if (reason != NvSnmpStatus::SessionDestroyed && bulk && alive) {
        NvSnmpPdu step;
        const BulkOutcome outcome = judgeBulkAnswer(reason == NvSnmpStatus::Timeout ? reason : 0, reply, step);
        if (outcome == BulkOutcome::Step) {
            onReply(NvSnmpStatus::AsyncResponse, step, target.addressText(), true, handler);
            return;
        }
        // Asked again (this request stays counted until the new one is sent).
        try {
            sendWalkStep(asked, target, outcome == BulkOutcome::Halved, outcome == BulkOutcome::FallBack, handler);
        } catch (const NvSNMPException& x) {
            NvSNMPError e;
            e.code = x.code();
            e.message = x.what();
            e.finished = true;
            m_bulk.clear();
            deliver(e, handler);
            return;
        }
        --m_pending;
        return;
    }
    if (fallBack && reason == NvSnmpStatus::AsyncResponse && status == 0)
        m_bulk.refuseAgent();
    onReply(reason, reply, target.addressText(), true, handler);
}

// ---------------------------------------------------------------------------
// Reply processing

NvSNMPError NvSNMPRequest::processReply(const NvSnmpPdu& reply, int status, const std::string& agent, bool store)
{
    NvSNMPError e;
    const NvMappedStatus mapped = mapSnmpStatus(status);
    e.code = mapped.code;
    e.message = mapped.text;
    e.errorIndex = reply.errorIndex;
    const size_t slash = agent.find('/');
    e.agentAddress = agent.substr(0, slash);
    e.agentPort = slash == std::string::npos ? 0 : std::atoi(agent.c_str() + slash + 1);

    const bool table = varList.isTable();
    // A failed set is never turned into success: the walk rule below is for gets.
    if (!((e.code == 0 && store) || (e.code == -102 && table && store))) {
        e.finished = true;
        return e;
    }
    e.finished = false;
    size_t k = 0;
    int processed = 0;
    int ended = 0;
    std::string suffix;
    bool haveSuffix = false;
    for (int r = 0; r < varList.count(); ++r) {
        if (!varList.isReadable(r))
            continue;
        if (k >= reply.vbs.size())
            break;  // the agent sent fewer varbinds than were asked for
        const NvSnmpVb& vb = reply.vbs[k++];
        NvSNMPVarRow& row = varList.row(r);
        const std::string base = baseOid(r);
        const std::string received = oidToText(vb.oid);
        if (e.code == -102) {
            // An SNMPv1 agent at the end of its view echoes the request.
            if (row.lastOid == received) {
                e.code = 0;
                e.message = textOfCode(0);
                reportNotAdvancing(e);
            }
            e.finished = true;
            return e;
        }
        ++processed;
        const bool exception = vb.type == AsnEndOfMibView || vb.type == AsnNoSuchObject || vb.type == AsnNoSuchInstance;
        if (exception && !table) {
            // SNMPv2c/v3 say "no such object" in the value; report it as SNMPv1's
            // noSuchName, not as an empty value read successfully.
            const NvMappedStatus noSuchName = mapSnmpStatus(kNoSuchNameStatus);
            e.code = noSuchName.code;
            e.message = noSuchName.text;
            e.errorIndex = static_cast<int32_t>(k);
            e.finished = true;
            return e;
        }
        if (isEndOfColumn(base, row.lastOid, received) || (table && exception)) {
            ++ended;
            // An identifier still inside the column ends it only when it does
            // not come after the last one: the agent went back or repeated.
            if (!exception && insideColumn(base, received))
                m_walkWentBack = true;
            // The next step asks again from the last identifier received in
            // this column. (An instance rebuilt from the index values could
            // restart the walk: an index column that ended is no value.)
            if (row.lastOid.empty()) {
                try {
                    row.lastOid = join(base, instanceSuffix());
                } catch (const NvSNMPException&) {
                    row.lastOid = join(base, "0");  // index values not read yet: nothing to send, only a position
                }
            }
            row.value = kNotDone;
            continue;
        }
        storeValue(r, vb);
        row.lastOid = received;
        if (!haveSuffix && insideColumn(base, received)) {
            suffix = received.substr(base.size() + 1);
            haveSuffix = true;
        }
    }
    if (processed == ended) {
        e.finished = true;
        reportNotAdvancing(e);
    } else if (table) {
        parseInstance(suffix);
    } else {
        e.finished = true;
    }
    for (int r = 0; r < varList.count(); ++r)
        computeValue(r, false);
    return e;
}

void NvSNMPRequest::reportNotAdvancing(NvSNMPError& e) const
{
    // The rows before the fault stay; the walk is not reported as complete.
    if (m_walkWentBack && e.code == 0) {
        e.code = ErrWalkNotAdvancing;
        e.message = textOfCode(ErrWalkNotAdvancing);
    }
}

bool NvSNMPRequest::isEndOfColumn(const std::string& base, const std::string& lastOid, const std::string& received)
{
    if (!varList.isTable())
        return false;
    if (!insideColumn(base, received))
        return true;
    if (lastOid.empty())
        return false;
    // An identifier that does not grow ends the column, so that an agent that
    // repeats or goes back cannot make the walk run for ever.
    NvOid got;
    NvOid last;
    if (!oidFromText(received, got) || !oidFromText(lastOid, last))
        return received == lastOid;
    return compareOids(got, last) <= 0;
}

// ---------------------------------------------------------------------------
// Instances

std::string NvSNMPRequest::instanceSuffix()
{
    std::string suffix;
    for (int r = 0; r < varList.indexCount && r < varList.count(); ++r)
        suffix = join(suffix, encodeIndex(r));
    return suffix;
}

void NvSNMPRequest::parseInstance(const std::string& suffix)
{
    std::string rest = suffix;
    for (int r = 0; r < varList.indexCount && r < varList.count(); ++r) {
        if (rest.empty())
            raise(ErrBadKeyCount);
        if (!varList.isReadable(r))
            varList.row(r).lastOid = baseOid(r) + "." + suffix;
        decodeIndex(r, rest);
    }
}

void NvSNMPRequest::decodeIndex(int r, std::string& suffix)
{
    NvSNMPVarRow& row = varList.row(r);
    NvOid s;
    if (!suffix.empty() && !oidFromText(suffix, s))
        raise(ErrBadKeyCount);
    const bool lastImplied = varList.indexCount == r + 1 && varList.isImplied(r);
    size_t used = 0;
    auto need = [&](size_t n) {
        if (s.size() < n)
            raise(ErrBadKeyCount);
    };
    // A length sub-identifier and that many more; computed in 64 bits so that
    // a length of 4294967295 cannot wrap round to a short need.
    auto needCounted = [&] {
        need(1);
        need(1 + static_cast<size_t>(s[0]));
    };
    std::string value;
    switch (row.syntax) {
    case SyntaxBoolean:
        need(1);
        value = s[0] ? "true" : "false";
        used = 1;
        break;
    case SyntaxInteger:
        need(1);
        value = std::to_string(static_cast<int32_t>(s[0]));
        used = 1;
        break;
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
    case SyntaxDisplayString: {
        std::string octets;
        if (lastImplied) {
            octets = octetsOfArcs(s, 0, s.size());
            used = s.size();
        } else {
            needCounted();
            octets = octetsOfArcs(s, 1, s[0]);
            used = 1 + static_cast<size_t>(s[0]);
        }
        value = row.syntax == SyntaxDisplayString ? octets : octetsToHex(octets);
        break;
    }
    case SyntaxNull:
        value = kNull;
        break;
    case SyntaxOid:
        if (lastImplied) {
            value = oidToText(s);
            used = s.size();
        } else {
            needCounted();
            value = oidToText(NvOid(s.begin() + 1, s.begin() + 1 + s[0]));
            used = 1 + static_cast<size_t>(s[0]);
        }
        break;
    case SyntaxIpAddress:
    case SyntaxNsapAddress:
        need(4);
        value = oidToText(NvOid(s.begin(), s.begin() + 4));
        used = 4;
        break;
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
        need(1);
        value = std::to_string(s[0]);
        used = 1;
        break;
    case SyntaxTimeTicks:
        need(1);
        value = timeTicksToText(s[0]);
        used = 1;
        break;
    case SyntaxCounter64:
        need(2);
        value = std::to_string((static_cast<uint64_t>(s[0]) << 32) | s[1]);
        used = 2;
        break;
    case SyntaxReal:
        need(2);
        value = realToText(doubleOfHalves(s[0], s[1]));
        used = 2;
        break;
    case SyntaxMacAddress:
        need(6);
        value = octetsToHex(octetsOfArcs(s, 0, 6));
        used = 6;
        break;
    case SyntaxDateAndTime:
        need(11);
        value = NvDateTime::fromOctets(octetsOfArcs(s, 0, 11)).toText();
        used = 11;
        break;
    case SyntaxCalendarTime:
        need(2);
        value = calendarTimeToText(doubleOfHalves(s[0], s[1]));
        used = 2;
        break;
    case SyntaxAddress16:
        if (lastImplied) {
            value = octetsToHex(octetsOfArcs(s, 0, s.size()));
            used = s.size();
        } else {
            need(16);
            value = octetsToHex(octetsOfArcs(s, 0, 16));
            used = 16;
        }
        break;
    default:
        raise(ErrBadSyntax);
    }
    if (row.options)
        value = row.options->labelOfValue(value);
    row.value = value;
    suffix = oidToText(NvOid(s.begin() + static_cast<long>(used), s.end()));
}

std::string NvSNMPRequest::encodeIndex(int r)
{
    const NvSNMPVarRow& row = varList.row(r);
    // An index that does not read as its syntax is refused, never sent as 0 or 0.0.0.0.
    const std::string text = wireText(row);
    if (row.syntax != SyntaxNull && text == kNull)
        throw NvSNMPException(row.label + ": the index has no value", ErrBadPartialValue);
    const bool lastImplied = varList.indexCount == r + 1 && varList.isImplied(r);
    auto counted = [&](const std::string& arcs, size_t n) {
        if (lastImplied)
            return arcs;
        return join(std::to_string(n), arcs);
    };
    switch (row.syntax) {
    case SyntaxBoolean: return text == "true" ? "1" : "0";
    case SyntaxInteger:
        // A sub-identifier is unsigned: a negative value goes out as its
        // 32-bit pattern, which decodes back to the same value.
        return std::to_string(static_cast<uint32_t>(static_cast<int32_t>(toSigned(text))));
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque: {
        const std::string octets = hexToOctets(text);
        return counted(arcsOfOctets(octets), octets.size());
    }
    case SyntaxDisplayString: return counted(arcsOfOctets(text), text.size());
    case SyntaxNull: return {};
    case SyntaxOid: {
        NvOid o;
        if (!oidFromText(text, o))
            o.clear();
        return counted(oidToText(o), o.size());
    }
    case SyntaxIpAddress:
    case SyntaxNsapAddress: {
        in_addr a{};
        if (inet_pton(AF_INET, text.c_str(), &a) != 1)
            return "0.0.0.0";
        return arcsOfOctets(std::string(reinterpret_cast<const char*>(&a), 4));
    }
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger: return std::to_string(static_cast<uint32_t>(toUnsigned(text)));
    case SyntaxTimeTicks: return std::to_string(textToTimeTicks(text));
    case SyntaxCounter64: {
        const uint64_t v = toUnsigned(text);
        return std::to_string(v >> 32) + "." + std::to_string(v & 0xFFFFFFFFu);
    }
    case SyntaxReal: {
        auto [low, high] = halvesOf(textToReal(text));
        return std::to_string(low) + "." + std::to_string(high);
    }
    case SyntaxMacAddress: {
        const std::string octets = hexToOctets(text);
        return octets.size() < 6 ? std::string() : arcsOfOctets(octets.substr(0, 6));
    }
    case SyntaxDateAndTime: return arcsOfOctets(NvDateTime(text).toOctets());
    case SyntaxCalendarTime: {
        auto [low, high] = halvesOf(textToCalendarTime(text).value_or(0.0));
        return std::to_string(low) + "." + std::to_string(high);
    }
    case SyntaxAddress16: {
        const std::string octets = hexToOctets(text);
        if (lastImplied)
            return arcsOfOctets(octets);
        return octets.size() < 16 ? std::string() : arcsOfOctets(octets.substr(0, 16));
    }
    default: raise(ErrBadSyntax);
    }
}

// ---------------------------------------------------------------------------
// Values

void NvSNMPRequest::storeValue(int r, const NvSnmpVb& vb)
{
    NvSNMPVarRow& row = varList.row(r);
    std::string text;
    const NvSyntax syntax = row.syntax;
    if (!isOctetSyntax(syntax) && syntax != SyntaxNull && printsEmpty(vb)) {
        if (!isKnownSyntax(syntax))
            raise(ErrBadSyntax);
        text = syntax == SyntaxDisplayString ? "" : kNull;
    } else {
        switch (syntax) {
        case SyntaxBoolean: text = numberOf(vb) != 0 ? "true" : "false"; break;
        case SyntaxInteger: text = std::to_string(static_cast<int32_t>(numberOf(vb))); break;
        case SyntaxBits:
        case SyntaxOctets:
        case SyntaxOpaque:
        case SyntaxMacAddress:
        case SyntaxAddress16: text = octetsToHex(vb.octets); break;
        case SyntaxNull: text = kNull; break;
        case SyntaxOid: text = oidToText(vb.oidValue); break;
        case SyntaxIpAddress:
        case SyntaxNsapAddress: text = dottedQuad(vb.octets); break;
        case SyntaxCounter:
        case SyntaxGauge:
        case SyntaxUInteger: text = std::to_string(static_cast<uint32_t>(numberOf(vb))); break;
        case SyntaxTimeTicks: text = timeTicksToText(static_cast<uint32_t>(numberOf(vb))); break;
        case SyntaxCounter64: text = std::to_string(static_cast<uint64_t>(numberOf(vb))); break;
        case SyntaxReal: {
            auto d = octetsToDouble(vb.octets);
            text = d ? realToText(*d) : kNull;
            break;
        }
        case SyntaxDateAndTime:
            text = vb.octets.size() >= 8 ? NvDateTime::fromOctets(vb.octets).toText() : kNull;
            break;
        case SyntaxCalendarTime: {
            auto d = octetsToDouble(vb.octets);
            text = d ? calendarTimeToText(*d) : kNull;
            break;
        }
        case SyntaxDisplayString: text = displayStringOfOctets(vb.octets); break;
        default: raise(ErrBadSyntax);
        }
    }
    if (row.options)
        text = row.options->labelOfValue(text);
    row.value = text;
}

void NvSNMPRequest::loadValue(int r, NvSnmpVb& vb)
{
    const NvSNMPVarRow& row = varList.row(r);
    const NvSyntax syntax = row.syntax;
    if (!isKnownSyntax(syntax))
        raise(ErrBadSyntax);
    // A value that does not read as its syntax is refused, never sent as 0.
    const std::string text = wireText(row);
    if (text == kNull) {
        vb.type = AsnNull;
        return;
    }
    switch (syntax) {
    case SyntaxBoolean:
        vb.type = AsnInteger;
        vb.integer = text == "true" ? 1 : 0;
        break;
    case SyntaxInteger:
        vb.type = AsnInteger;
        vb.integer = static_cast<int32_t>(toSigned(text));
        break;
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
    case SyntaxMacAddress:
    case SyntaxAddress16:
        vb.type = AsnOctetString;
        vb.octets = hexToOctets(text);
        break;
    case SyntaxNull: vb.type = AsnNull; break;
    case SyntaxOid:
        vb.type = AsnObjectId;
        if (!oidFromText(text, vb.oidValue))
            raiseStatus(-17);  // invalid object identifier
        break;
    case SyntaxIpAddress:
    case SyntaxNsapAddress: {
        in_addr a{};
        if (inet_pton(AF_INET, text.c_str(), &a) != 1)
            raiseStatus(-18);  // invalid address
        vb.type = AsnIpAddress;
        vb.octets.assign(reinterpret_cast<const char*>(&a), 4);
        break;
    }
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
        // Every unsigned 32-bit code goes out with the Gauge32/Unsigned32 tag.
        vb.type = AsnGauge32;
        vb.unsignedValue = static_cast<uint32_t>(toUnsigned(text));
        break;
    case SyntaxTimeTicks:
        vb.type = AsnTimeTicks;
        vb.unsignedValue = textToTimeTicks(text);
        break;
    case SyntaxCounter64:
        vb.type = AsnCounter64;
        vb.unsignedValue = toUnsigned(text);
        break;
    case SyntaxReal:
        vb.type = AsnOctetString;
        vb.octets = doubleToOctets(textToReal(text));
        break;
    case SyntaxDateAndTime:
        vb.type = AsnOctetString;
        vb.octets = NvDateTime(text).toOctets();
        break;
    case SyntaxCalendarTime:
        vb.type = AsnOctetString;
        vb.octets = doubleToOctets(textToCalendarTime(text).value_or(0.0));
        break;
    case SyntaxDisplayString:
        vb.type = AsnOctetString;
        vb.octets = text;
        break;
    default: raise(ErrBadSyntax);
    }
}

std::string NvSNMPRequest::wireText(const NvSNMPVarRow& row)
{
    const std::string text = row.options ? row.options->valueOfLabel(row.value) : row.value;
    if (text == kNull || row.syntax == SyntaxNull || !isKnownSyntax(row.syntax))
        return text;
    return strictValueText(row.label, text, row.syntax);
}

std::string NvSNMPRequest::substituteValues(const std::string& expression)
{
    return expression;
}

void NvSNMPRequest::computeValue(int, bool)
{
    // Rows carry no get or set expressions in this system: nothing to derive.
}

bool NvSNMPRequest::evaluateCondition(const std::string& filter)
{
    return filter.empty() || !substituteValues(filter).empty();
}

bool NvSNMPRequest::matchesCondition(const std::string& filter)
{
    return evaluateCondition(filter);
}
