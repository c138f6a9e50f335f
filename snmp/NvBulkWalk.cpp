#include "snmp/NvBulkWalk.h"

#include <algorithm>
#include <map>
#include <optional>

#include "snmp/NvSNMPSession.h"
#include "snmp/NvSNMPVarList.h"

namespace {

// What the walk has learnt about one agent during this run.
struct AgentRecord {
    bool refused = false;                                // failed GETBULK: get-next only
    int32_t ceiling = NvBulkWalk::kMostRepetitions;      // M that last drew tooBig, halved
};

std::map<std::string, AgentRecord>& agents()
{
    static std::map<std::string, AgentRecord> records;
    return records;
}

std::string agentKey(const NvSnmpTarget& t)
{
    return t.addressText() + "|" + std::to_string(t.version) + "|"
           + (t.kind == NvSnmpTarget::User ? "u:" + t.securityName : "c:" + t.readCommunity);
}

// Octets of one sub-identifier in BER.
int arcBytes(uint32_t arc)
{
    int n = 1;
    while (arc >= 0x80) {
        arc >>= 7;
        ++n;
    }
    return n;
}

int oidBytes(const std::string& text)
{
    NvOid o;
    if (!oidFromText(text, o))
        return 12;
    int n = 1;  // the first two arcs share one octet
    for (size_t i = 2; i < o.size(); ++i)
        n += arcBytes(o[i]);
    return n;
}

// Expected octets of an instance part for one index column.
int instanceBytes(uint32_t syntax, bool implied)
{
    switch (syntax) {
    case SyntaxIpAddress:
    case SyntaxNsapAddress: return 6;
    case SyntaxMacAddress: return 9;
    case SyntaxCounter64:
    case SyntaxReal:
    case SyntaxCalendarTime: return 8;
    case SyntaxDateAndTime: return 11;
    case SyntaxAddress16: return 16;
    case SyntaxBits:
    case SyntaxOctets:
    case SyntaxOpaque:
    case SyntaxDisplayString:
    case SyntaxOid: return implied ? 12 : 13;
    default: return 2;
    }
}

// Expected octets of a value with its tag and length.
int valueBytes(uint32_t syntax)
{
    switch (syntax) {
    case SyntaxBoolean:
    case SyntaxInteger: return 5;
    case SyntaxNull: return 2;
    case SyntaxIpAddress:
    case SyntaxNsapAddress: return 6;
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxTimeTicks:
    case SyntaxUInteger: return 7;
    case SyntaxCounter64: return 11;
    case SyntaxMacAddress: return 8;
    case SyntaxDateAndTime: return 13;
    case SyntaxReal:
    case SyntaxCalendarTime: return 10;
    default: return 26;  // texts, octet strings and identifiers of no known length
    }
}

// Whether a received varbind lies outside the column (or is an exception): a
// get-next from anywhere at or beyond the identifier that led there brings the
// same varbind again.
bool leavesColumn(const std::string& base, const NvSnmpVb& vb)
{
    if (vb.type == AsnEndOfMibView || vb.type == AsnNoSuchObject || vb.type == AsnNoSuchInstance)
        return true;
    const std::string received = oidToText(vb.oid);
    return received.size() <= base.size() + 1 || received.compare(0, base.size(), base) != 0
           || received[base.size()] != '.';
}

}  // namespace

int32_t NvBulkWalk::repetitionsForDatagram(const NvSNMPVarList& list, const NvSNMPSettings& settings)
{
    int instance = list.instance.empty() ? 0 : oidBytes("1.3." + list.instance) - 1;
    for (int r = 0; r < list.indexCount && r < list.count(); ++r)
        instance += instanceBytes(list.row(r).syntax, r + 1 == list.indexCount && list.isImplied(r));
    int perRow = 0;
    for (int r = 0; r < list.count(); ++r) {
        if (!list.isReadable(r))
            continue;
        // Varbind sequence and identifier headers, identifier, value.
        perRow += 4 + oidBytes(list.row(r).oid) + instance + valueBytes(list.row(r).syntax);
    }
    // Message, PDU and security headers.
    const int headers = settings.version == 3
                            ? 120 + static_cast<int>(settings.securityName.size() + settings.contextName.size()
                                                     + settings.contextEngineId.size())
                            : 40 + static_cast<int>(settings.readCommunity.size());
    if (perRow == 0)
        return 1;
    return std::clamp((kDatagramBytes - headers) / perRow, 1, kMostRepetitions);
}

void NvBulkWalk::start(const NvSNMPSettings& settings, const NvSnmpTarget& target, const NvSNMPVarList& list)
{
    clear();
    m_agent = agentKey(target);
    const AgentRecord& agent = agents()[m_agent];
    const bool bulkVersion = settings.version == 1 || settings.version == 3;
    m_emulated = settings.version == 0 && hasIntegerIndex(list);
    m_active = (bulkVersion || m_emulated) && list.isTable() && settings.maxRepetitions != 0 && !agent.refused;
    m_automatic = settings.maxRepetitions < 0;
    const int32_t wanted = m_automatic ? repetitionsForDatagram(list, settings)
                                       : std::min(settings.maxRepetitions, kMostRepetitions);
    m_repetitions = std::clamp(wanted, 1, agent.ceiling);
}

bool NvBulkWalk::hasIntegerIndex(const NvSNMPVarList& list)
{
    if (!list.isTable() || list.indexCount != 1 || list.count() < 1)
        return false;
    switch (list.row(0).syntax) {
    case SyntaxInteger:
    case SyntaxCounter:
    case SyntaxGauge:
    case SyntaxUInteger:
    case SyntaxTimeTicks: return true;
    default: return false;
    }
}

void NvBulkWalk::clear()
{
    m_answer.clear();
    m_asked.clear();
    m_kept.clear();
    m_columns = m_count = m_next = 0;
}

bool NvBulkWalk::emulatedRequest(const NvSnmpPdu& step, const std::vector<Column>& columns, NvSnmpPdu& wire)
{
    clear();
    if (columns.empty() || step.vbs.size() != columns.size())
        return false;
    // Where each column stands: at its base (the walk starts there) or at an
    // instance of one sub-identifier x. No instance beyond the last one is asked.
    constexpr uint64_t kLastArc = 0xFFFFFFFFu;
    uint64_t count = static_cast<uint64_t>(std::max(m_repetitions, 1));
    std::vector<std::optional<uint64_t>> at;
    std::vector<NvOid> bases(columns.size());
    for (size_t c = 0; c < columns.size(); ++c) {
        NvOid last;
        if (!oidFromText(columns[c].base, bases[c]) || !oidFromText(columns[c].lastOid, last))
            return false;
        if (last == bases[c]) {
            at.emplace_back();
            continue;
        }
        if (last.size() != bases[c].size() + 1 || !std::equal(bases[c].begin(), bases[c].end(), last.begin()))
            return false;
        at.emplace_back(last.back());
        count = std::min(count, kLastArc - last.back() + 1);
    }
    wire = step;
    wire.vbs.clear();
    wire.vbs.reserve(count * columns.size());
    m_asked.assign(columns.size(), {});
    for (uint64_t j = 0; j < count; ++j) {
        for (size_t c = 0; c < columns.size(); ++c) {
            NvSnmpVb vb = step.vbs[c];
            if (j > 0) {
                // From the base: the base, then instances 1, 2, ... (a first
                // row 0 only costs a further request).
                const uint64_t arc = at[c] ? *at[c] + j : j;
                vb.oid = bases[c];
                vb.oid.push_back(static_cast<uint32_t>(arc));
            }
            m_asked[c].push_back(j == 0 ? columns[c].lastOid : oidToText(vb.oid));
            wire.vbs.push_back(std::move(vb));
        }
    }
    return true;
}

bool NvBulkWalk::nextEmulatedStep(const std::vector<Column>& columns, NvSnmpPdu& step)
{
    const size_t width = m_asked.size();
    if (m_answer.empty() || columns.size() != width) {
        clear();
        return false;
    }
    NvSnmpPdu out;
    out.vbs.reserve(width);
    for (size_t c = 0; c < width; ++c) {
        const std::vector<std::string>& asked = m_asked[c];
        const auto found = std::find(asked.begin(), asked.end(), columns[c].lastOid);
        if (found == asked.end()) {
            clear();
            return false;
        }
        out.vbs.push_back(m_answer[static_cast<size_t>(found - asked.begin()) * width + c]);
    }
    step = std::move(out);
    return true;
}

bool NvBulkWalk::takeAnswer(const NvSnmpPdu& answer, const std::vector<Column>& columns, NvSnmpPdu& step)
{
    if (m_emulated) {
        // A get-next answer holds every asked varbind, or the request failed.
        const size_t asked = m_asked.empty() ? 0 : m_asked.size() * m_asked.front().size();
        if (asked == 0 || answer.vbs.size() != asked) {
            clear();
            return false;
        }
        m_answer = answer.vbs;
        return nextEmulatedStep(columns, step);
    }
    clear();
    m_columns = columns.size();
    if (m_columns == 0)
        return false;
    // An agent may leave repetitions out to fit its message size; a repetition
    // cut in the middle is not used.
    m_count = std::min(answer.vbs.size() / m_columns, static_cast<size_t>(m_repetitions));
    if (m_count == 0)
        return false;
    const int32_t asked = m_repetitions;
    const int32_t got = static_cast<int32_t>(m_count);
    const int32_t ceiling = agents()[m_agent].ceiling;
    if (got < asked)
        m_repetitions = got;  // the agent's own limit
    else if (m_automatic)
        m_repetitions = std::min({asked * 2, kMostRepetitions, ceiling});
    m_answer.assign(answer.vbs.begin(), answer.vbs.begin() + static_cast<long>(m_count * m_columns));
    m_kept.assign(m_columns, Kept{});
    step = NvSnmpPdu{};
    step.vbs.assign(m_answer.begin(), m_answer.begin() + static_cast<long>(m_columns));
    record(columns, step);
    m_next = 1;
    return true;
}

bool NvBulkWalk::nextStep(const std::vector<Column>& columns, NvSnmpPdu& step)
{
    if (m_emulated)
        return nextEmulatedStep(columns, step);
    if (m_next >= m_count || columns.size() != m_columns)
        return false;
    step = NvSnmpPdu{};
    step.vbs.reserve(m_columns);
    for (size_t k = 0; k < m_columns; ++k) {
        const Kept& kept = m_kept[k];
        NvOid asked;
        if (columns[k].lastOid == kept.received) {
            step.vbs.push_back(m_answer[m_next * m_columns + k]);
        } else if (kept.left && oidFromText(columns[k].lastOid, asked) && compareOids(asked, kept.leftFrom) >= 0) {
            step.vbs.push_back(kept.leaving);
        } else {
            clear();
            return false;
        }
    }
    record(columns, step);
    ++m_next;
    return true;
}

void NvBulkWalk::record(const std::vector<Column>& columns, const NvSnmpPdu& step)
{
    for (size_t k = 0; k < m_columns; ++k) {
        Kept& kept = m_kept[k];
        const NvSnmpVb& vb = step.vbs[k];
        kept.received = oidToText(vb.oid);
        if (!kept.left && leavesColumn(columns[k].base, vb)) {
            NvOid from;
            if (oidFromText(columns[k].lastOid, from)) {
                kept.left = true;
                kept.leaving = vb;
                kept.leftFrom = from;
            }
        }
    }
}

bool NvBulkWalk::halve()
{
    AgentRecord& agent = agents()[m_agent];
    if (m_repetitions <= 1)
        return false;
    m_repetitions /= 2;
    agent.ceiling = m_repetitions;
    return true;
}

void NvBulkWalk::refuseAgent()
{
    if (m_emulated) {
        clear();
        return;
    }
    agents()[m_agent].refused = true;
    m_active = false;
    clear();
}

void NvBulkWalk::forgetAgents()
{
    agents().clear();
}
