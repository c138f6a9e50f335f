#pragma once
// A walk of a table with one integer index, split into index ranges that are
// walked at the same time, each by a request of its own. Range i holds the rows
// from bounds[i - 1] up to before bounds[i]; the first range starts at the
// table's beginning and the last has no end, so together they hold the rows of
// one walk of the table, and they are handed out in index order.
//
// A range's walk starts with get-next from the index before its first one and
// ends at its first row at or beyond its end (that row is the next range's),
// after its last possible index, at the end of the table or at a failure.
// After a failure the rows of the ranges beyond it are dropped: the rows are
// those a single walk would have read before it failed, and the failure is
// the outcome, as it would have been that walk's.
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPVarList.h"

class NvSegmentedWalk {
public:
    // Values of the list's rows for one table row, in list order.
    using Values = std::vector<std::string>;
    using DoneHandler = std::function<void(const NvSNMPError& outcome)>;

    // Ranges walked at once at most; the others wait for one of them to end.
    static constexpr size_t kMostInFlight = 16;

    explicit NvSegmentedWalk(const NvSNMPVarList& list);
    // Switches the requests off and waits for their outstanding replies.
    ~NvSegmentedWalk();
    NvSegmentedWalk(const NvSegmentedWalk&) = delete;
    NvSegmentedWalk& operator=(const NvSegmentedWalk&) = delete;

    // Starts the walks. Bounds are sorted, and 0 and repeated bounds dropped.
    // done runs from the event pump once every range has ended (outcome code 0,
    // or the failure of the first range in index order that failed). Throws
    // NvSNMPException when the first range's request cannot be sent.
    void start(std::vector<uint32_t> bounds, DoneHandler done);
    bool busy() const { return m_started && !m_finished; }
    // No further request: running walks end with their next reply, waiting
    // ranges do not start.
    void stop();
    // The rows read, in index order.
    std::vector<Values> rows() const;

    // Rows one request of a walk of the list is expected to bring with the
    // session's settings (the size of a range that one request covers).
    static int32_t rowsPerRequest(const NvSNMPVarList& list);

private:
    struct Range {
        std::optional<uint32_t> from;  // first index; none: the table's beginning
        std::optional<uint32_t> end;   // first index beyond; none: the table's end
        std::unique_ptr<NvSNMPRequest> request;
        std::map<uint32_t, Values> rows;
        NvSNMPError failure;
        bool ended = false;
    };

    void launch(size_t range);
    // The handler of the range's replies; it does nothing once the walk is gone.
    NvSNMPReplyHandler replyHandler(size_t range);
    void onReply(size_t range, NvSNMPRequest& request, const NvSNMPError& reply);
    // The range's request failed (or could not be sent): the failure is kept
    // and the range ends.
    void failRange(size_t range, const NvSNMPException& failure);
    // The range has ended: the next waiting range starts; done runs after the last.
    void endRange(size_t range);
    size_t firstFailed() const;

    NvSNMPVarList m_list;
    std::vector<Range> m_ranges;
    size_t m_next = 0;  // first range not started
    size_t m_inFlight = 0;
    bool m_started = false;
    bool m_stopped = false;
    bool m_finished = false;
    DoneHandler m_done;
    std::shared_ptr<int> m_life = std::make_shared<int>(0);
};
