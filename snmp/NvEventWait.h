#pragma once
// The one wait of the program: processes events until a condition holds,
// sleeping until the next event instead of spinning (the SNMP pump ticks every
// 20 ms while it runs, so a wait on a reply always wakes up). Without an
// application object it ticks the pump itself.
#include <functional>
#include <string>

#include "snmp/NvSnmpAdapter.h"

// True once done() holds; false when ms (>= 0) passed first. ms < 0 waits
// without limit.
bool waitUntil(const std::function<bool()>& done, int ms = -1);

// Waits until the flag is false (a binding's busy).
void waitUntilIdle(const bool& busy);

// How a blocking request waits for its answer. Unset (the default), it blocks
// inside the SNMP session; the user interface installs a wait that keeps the
// event loop running. The wait returns false when the user cancelled it;
// what says what is awaited.
using AnswerWait = std::function<bool(const std::string& what, const std::function<bool()>& answered)>;
void setAnswerWait(AnswerWait wait);
const AnswerWait& answerWait();

// Code of the exception a blocking request raises when its wait is cancelled.
inline constexpr int kAnswerWaitCancelled = -600;

// The session's blocking send, with the same outcome, waiting through the
// installed answer wait when there is one and the event pump can deliver the
// answer (it is running and not inside a tick). A cancelled wait raises
// NvSNMPException with kAnswerWaitCancelled; a set's message says that the
// change is unconfirmed. The answer that comes later is dropped.
int sendAndWait(NvSnmpAdapter& session, NvSnmpAdapter::Command command, NvSnmpPdu& pdu, const NvSnmpTarget& target);
