#pragma once
// The request engine: get, get-next walks and sets over one variable list, in
// blocking and asynchronous forms. Values travel as display texts in the list's
// rows; this class converts them to and from the wire.
//
// Reply handler (asynchronous forms): called once per request, from the event
// pump only, with the request and the reply record; the rows of request.varList
// hold what was stored. reply.finished is true when no further reply follows
// (walk ended, error, scalar or set done). A walk is driven by the handler:
//
//     request.getAsync(handler, true);        // first row
//     void handler(NvSNMPRequest& r, const NvSNMPError& e) {
//         ... use r.varList ...
//         if (!e.finished) r.getAsync(handler, false);   // next row
//     }
//
// The handler may destroy the request; nothing touches it afterwards. It is not
// called for a request whose session closes while it is open, or once the request
// is destroyed. An owner that must wait processes events until its own busy
// flag clears, or calls waitForReplies().
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "snmp/NvBulkWalk.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPSession.h"
#include "snmp/NvSNMPVarList.h"
#include "snmp/NvSnmpPdu.h"

class NvSNMPRequest;
using NvSNMPReplyHandler = std::function<void(NvSNMPRequest& request, const NvSNMPError& reply)>;

class NvSNMPRequest : public NvSNMPSettings {
public:
    // Copies the session records and the request time-out; one retry.
    NvSNMPRequest();
    // Clears alive and keeps the event pump running for at most 6 s while
    // replies are outstanding.
    virtual ~NvSNMPRequest();

    NvSNMPRequest(const NvSNMPRequest&) = delete;
    NvSNMPRequest& operator=(const NvSNMPRequest&) = delete;

    NvSNMPVarList varList;
    // Cleared once the owner wants no further requests; every operation then
    // returns at once without sending.
    bool alive = true;
    // Asynchronous requests sent and not yet answered.
    int pendingCount() const { return m_pending; }

    // One blocking get (or get-next step of a walk). True when a further table
    // row may follow. Throws NvSNMPException.
    bool getSync(bool first);
    // Sends one get (or get-next step); the handler runs later. Throws only when
    // the request cannot be sent.
    void getAsync(NvSNMPReplyHandler handler, bool first);
    // First step of a walk that starts at the rows after the instance (the
    // index columns' sub-identifiers, "64"): every column asks get-next from
    // there. Later steps go on with getAsync(handler, false).
    void walkAfterAsync(const std::string& instance, NvSNMPReplyHandler handler);
    // One set of the list's writable rows. Throws NvSNMPException.
    void setSync();
    void setAsync(NvSNMPReplyHandler handler);

    bool matchesCondition(const std::string& filter);

    // Instance text built from the index columns ("5.3.97.98.99").
    std::string instanceSuffix();
    // Fills the index columns from an instance text; -514 when it runs short.
    void parseInstance(const std::string& suffix);
    // oid, or oid + "." + the list's instance.
    std::string baseOid(int row) const;

    // Processes events until no reply is outstanding or ms have passed; true
    // when none is outstanding.
    bool waitForReplies(int ms);

    // Overridable steps.
    virtual std::string substituteValues(const std::string& expression);
    // Takes the row's value from the front of suffix and removes what it used.
    virtual void decodeIndex(int row, std::string& suffix);
    virtual std::string encodeIndex(int row);
    // The row's value text as it goes to the wire: read strictly for its syntax
    // (the option value for a label); throws, naming the row, when it does not read.
    static std::string wireText(const NvSNMPVarRow& row);
    virtual void storeValue(int row, const NvSnmpVb& vb);
    virtual void loadValue(int row, NvSnmpVb& vb);
    virtual void computeValue(int row, bool forSet);
    virtual bool evaluateCondition(const std::string& filter);
    virtual bool isEndOfColumn(const std::string& base, const std::string& lastOid, const std::string& received);

    // The reply record for a reply (or failure status) that arrived; stores the
    // values. Public for the engine's own plumbing and for tests.
    NvSNMPError processReply(const NvSnmpPdu& reply, int status, const std::string& agent, bool store);

private:
    enum class Purpose { FirstGet, NextGet, Set };
    // What a GETBULK answer leads to: a walk step, the same request again with
    // M halved, or the step asked again with get-next.
    enum class BulkOutcome { Step, Halved, FallBack };
    NvSnmpPdu buildPdu(Purpose purpose);
    void sendAsync(Purpose purpose, NvSNMPReplyHandler handler);
    void onReply(int reason, const NvSnmpPdu& reply, const std::string& agent, bool store,
                 const NvSNMPReplyHandler& handler);
    // Calls the handler with the record; the request counts one reply fewer.
    void deliver(const NvSNMPError& e, const NvSNMPReplyHandler& handler);

    // Table walks: each step is one get-next, or one repetition of a GETBULK
    // answer, processed alike.
    bool walkSync(bool first);
    void walkAsync(NvSNMPReplyHandler handler, bool first);
    // Sends one walk step; fallBack marks a get-next that stands in for a
    // failed GETBULK.
    void sendWalkStep(const NvSnmpPdu& pdu, const NvSnmpTarget& target, bool bulk, bool fallBack,
                      NvSNMPReplyHandler handler);
    void onWalkReply(int reason, const NvSnmpPdu& reply, const NvSnmpPdu& asked, const NvSnmpTarget& target,
                     bool bulk, bool fallBack, const NvSNMPReplyHandler& handler);
    BulkOutcome judgeBulkAnswer(int status, const NvSnmpPdu& reply, NvSnmpPdu& step);
    // The asked columns as the walk stands.
    std::vector<NvBulkWalk::Column> walkColumns() const;
    // A walk that ends with code 0 after the agent went back or repeated in a
    // column ends with ErrWalkNotAdvancing instead.
    void reportNotAdvancing(NvSNMPError& e) const;

    int m_pending = 0;
    // Set when an answer inside a column did not come after the column's last one.
    bool m_walkWentBack = false;
    NvBulkWalk m_bulk;
    std::shared_ptr<int> m_life = std::make_shared<int>(0);
};
