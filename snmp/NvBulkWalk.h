#pragma once
// GETBULK side of a table walk. One GETBULK answer holds M successive get-next
// steps over the same columns; this class keeps the answer and hands its
// repetitions out one at a time, each as the reply a get-next step would have
// received, so the request processes them exactly like get-next replies.
//
// A repetition is handed out only while it is what get-next would bring: each
// column either asks from the identifier it received in the previous
// repetition, or has left its column (or met an exception) and asks from an
// instance at or beyond the one that led out, which brings the same answer
// again. Anything else (an agent that repeated or went back, a sparse column
// that fell behind) drops the rest of the answer and the next step is sent.
//
// It also chooses M: first from the expected size of one row so that an answer
// fits a 1,472-byte datagram, then doubled after every full answer and set to
// what the agent sent after a shortened one; tooBig halves it. Agents that fail
// GETBULK are remembered for the rest of the run and walked with get-next.
//
// SNMPv1 has no GETBULK. For a table with one integer index it is emulated: one
// get-next PDU asks, in every column, the column's position x and the
// instances x+1 ... x+M-1 after it. Each varbind of the answer is exactly what
// a get-next step from that identifier brings, so a step is handed out while
// every column stands at an identifier that was asked; rows may be missing or
// columns sparse, the steps stay those of a get-next walk.
#include <cstdint>
#include <string>
#include <vector>

#include "snmp/NvSnmpPdu.h"

class NvSNMPVarList;
struct NvSNMPSettings;

class NvBulkWalk {
public:
    // Most repetitions ever asked for in one request.
    static constexpr int32_t kMostRepetitions = 128;
    // The datagram an answer is first sized for.
    static constexpr int kDatagramBytes = 1472;

    // One asked column as the walk stands: its base identifier and the
    // identifier the next get-next step would ask for.
    struct Column {
        std::string base;
        std::string lastOid;
    };

    // Starts a walk of the list over the target: decides whether GETBULK is
    // used (SNMPv2c or v3, not switched off, the agent has not failed it) and
    // chooses the first M. Drops a kept answer.
    void start(const NvSNMPSettings& settings, const NvSnmpTarget& target, const NvSNMPVarList& list);
    // Whether the walk's requests go out as GETBULK (or its SNMPv1 emulation).
    bool active() const { return m_active; }
    // Whether GETBULK is emulated with get-next of several instances (SNMPv1).
    bool emulated() const { return m_emulated; }
    // The get-next PDU of the emulation for a step whose varbinds ask the
    // columns as they stand: M instances per column, repetition by repetition
    // like a GETBULK answer. False when a column stands at an identifier that
    // is neither its base nor its base and one sub-identifier (the step is
    // then sent as it is).
    bool emulatedRequest(const NvSnmpPdu& step, const std::vector<Column>& columns, NvSnmpPdu& wire);
    // M for the next GETBULK.
    int32_t repetitions() const { return m_repetitions; }
    // Drops a kept answer (the walk ends, or it starts again).
    void clear();

    // A GETBULK answer to columns.size() asked varbinds arrived: keeps it and
    // gives the first repetition in step. False when it holds no complete
    // repetition (the agent failed GETBULK). For the emulation: the answer to
    // the last emulatedRequest, false when it does not answer every varbind.
    bool takeAnswer(const NvSnmpPdu& answer, const std::vector<Column>& columns, NvSnmpPdu& step);
    // The next kept repetition for columns as they stand now, in step; false
    // when none is left that get-next would give.
    bool nextStep(const std::vector<Column>& columns, NvSnmpPdu& step);

    // The agent answered tooBig: halves M; false when M was already 1.
    bool halve();
    // The agent failed GETBULK where get-next works: get-next from now on, for
    // this walk and every later walk to that agent. The emulation is not given
    // up: the failed request only cost one step asked again with get-next (an
    // SNMPv1 agent fails the whole PDU when one instance lies past its view).
    void refuseAgent();

    // Forgets what was learnt about agents (for tests).
    static void forgetAgents();
    // Rows expected to fit one datagram for the list's readable columns.
    static int32_t repetitionsForDatagram(const NvSNMPVarList& list, const NvSNMPSettings& settings);
    // Whether the list is a table with one index of one integer sub-identifier
    // (the tables whose walks SNMPv1 can ask several rows of at once).
    static bool hasIntegerIndex(const NvSNMPVarList& list);

private:
    struct Kept {
        std::string received;  // identifier handed out in the last repetition
        bool left = false;     // the column has left its subtree (or met an exception)
        NvSnmpVb leaving;      // what led out of it
        NvOid leftFrom;        // the identifier that was asked when it left
    };
    void record(const std::vector<Column>& columns, const NvSnmpPdu& step);
    bool nextEmulatedStep(const std::vector<Column>& columns, NvSnmpPdu& step);

    bool m_active = false;
    bool m_emulated = false;
    // Emulation: the identifiers asked in each column, in repetition order.
    std::vector<std::vector<std::string>> m_asked;
    bool m_automatic = true;
    int32_t m_repetitions = 1;
    std::string m_agent;
    std::vector<NvSnmpVb> m_answer;
    size_t m_columns = 0;
    size_t m_count = 0;  // complete repetitions kept
    size_t m_next = 0;   // next repetition to hand out
    std::vector<Kept> m_kept;
};
