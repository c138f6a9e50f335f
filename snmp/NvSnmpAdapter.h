#pragma once
// The SNMP session of the process: get, get-next, get-bulk and set in blocking and
// callback forms, with results in the class library's status numbering
// (0 success, -5 time-out, 1400..1414 USM, -1401..-1418 message processing,
// -1..-23 class statuses, 1..18 agent error status in the reply PDU).
//
// One underlying session is kept per agent and credentials and reused by every
// request to that target. Callbacks of the asynchronous forms run only from
// processPendingEvents(), never from inside a send or a blocking call.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "snmp/NvSnmpPdu.h"

namespace NvSnmpStatus {
inline constexpr int Success = 0;
inline constexpr int Error = -1;
inline constexpr int ResourceUnavailable = -2;
inline constexpr int InternalError = -3;
inline constexpr int Unsupported = -4;
inline constexpr int Timeout = -5;
inline constexpr int AsyncResponse = -6;
inline constexpr int SessionDestroyed = -8;
inline constexpr int InvalidClass = -10;
inline constexpr int InvalidPdu = -11;
inline constexpr int InvalidTarget = -12;
inline constexpr int NotSupportedOnTarget = -16;
inline constexpr int InvalidAddress = -18;
inline constexpr int TransportFailed = -22;

inline constexpr int UsmSuccess = 1400;
inline constexpr int UsmError = 1401;
inline constexpr int UsmUnsupportedSecurityLevel = 1403;
inline constexpr int UsmUnknownSecurityName = 1404;
inline constexpr int UsmEncryptionError = 1405;
inline constexpr int UsmDecryptionError = 1406;
inline constexpr int UsmAuthenticationError = 1407;
inline constexpr int UsmAuthenticationFailure = 1408;
inline constexpr int UsmParseError = 1409;
inline constexpr int UsmUnknownEngineId = 1410;
inline constexpr int UsmNotInTimeWindow = 1411;
inline constexpr int UsmUnsupportedAuthProtocol = 1412;
inline constexpr int UsmUnsupportedPrivProtocol = 1413;

inline constexpr int MpSuccess = -1401;
inline constexpr int MpUnsupportedSecurityModel = -1402;
inline constexpr int MpInvalidMessage = -1405;
inline constexpr int MpParseError = -1408;
inline constexpr int MpUnknownContext = -1417;
}  // namespace NvSnmpStatus

class NvSnmpAdapter {
public:
    enum Command { Get, GetNext, GetBulk, Set };

    // reason: NvSnmpStatus::AsyncResponse when a reply (or a failure, whose
    // status is then in reply.errorStatus) arrived, Timeout when the agent did
    // not answer, SessionDestroyed when the session closes with the request open.
    using Callback = std::function<void(int reason, NvSnmpPdu& reply, const NvSnmpTarget& target)>;

    // Creates the process-wide session once (later calls return the same one).
    // status 0 means usable. Initialises the SNMP library so that it reads no
    // configuration or MIB files and writes no state files.
    static NvSnmpAdapter* open(int& status);
    // The session, or null before open().
    static NvSnmpAdapter* instance();

    // Whether the SNMP library offers the protocol of that number.
    static bool knowsAuthProtocol(int number);
    static bool knowsPrivProtocol(int number);

    // Local SNMPv3 engine id and boot count.
    int mpInit(const std::string& engineId, uint32_t boots);

    // Blocking: sends and waits; on success pdu holds the reply (its error status
    // may be non-zero). Returns a status.
    int send(Command command, NvSnmpPdu& pdu, const NvSnmpTarget& target);
    // Callback form: returns a status for the send; the callback runs once later,
    // from processPendingEvents(), unless the send failed.
    int sendAsync(Command command, const NvSnmpPdu& pdu, const NvSnmpTarget& target, Callback callback);

    // Reads what has arrived, runs retries and time-outs, and delivers finished
    // requests to their callbacks.
    void processPendingEvents();
    // Sockets of the open sessions, for readiness notification; the handler runs
    // whenever the set changes.
    std::vector<int> socketDescriptors() const;
    void setSocketsChangedHandler(std::function<void()> handler);

    // Requests sent and not yet delivered.
    int outstanding() const;
    // Requests put on the wire so far, retries and discovery not counted (for
    // tests and benchmarks).
    uint64_t sentCount() const;

    // Closes every session; open requests get SessionDestroyed (no delivery
    // follows), and the adapter stays usable. For tests and process end.
    void closeSessions();

    ~NvSnmpAdapter();

    struct Impl;

private:
    NvSnmpAdapter();
    std::unique_ptr<Impl> d;
};
