#include "snmp/NvEventWait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <memory>
#include <time.h>

#include "snmp/NvSNMPError.h"
#include "snmp/SnmpEventProcessor.h"

bool waitUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
    // Wakes the wait at its limit when no other event comes.
    QTimer limit;
    if (ms >= 0 && QCoreApplication::instance()) {
        limit.setSingleShot(true);
        limit.start(ms);
    }
    while (!done()) {
        if (ms >= 0 && timer.elapsed() >= ms)
            return false;
        if (QCoreApplication::instance()) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        } else {
            _SnmpEventProcessor::instance().tick();
            struct timespec pause{0, 5 * 1000 * 1000};
            nanosleep(&pause, nullptr);
        }
    }
    return true;
}

void waitUntilIdle(const bool& busy)
{
    waitUntil([&busy] { return !busy; });
}

namespace {
AnswerWait& installedAnswerWait()
{
    static AnswerWait wait;
    return wait;
}
}  // namespace

void setAnswerWait(AnswerWait wait)
{
    installedAnswerWait() = std::move(wait);
}

const AnswerWait& answerWait()
{
    return installedAnswerWait();
}

int sendAndWait(NvSnmpAdapter& session, NvSnmpAdapter::Command command, NvSnmpPdu& pdu, const NvSnmpTarget& target)
{
    const AnswerWait& wait = answerWait();
    _SnmpEventProcessor& pump = _SnmpEventProcessor::instance();
    if (!wait || !QCoreApplication::instance() || !pump.isActive() || pump.inTick())
        return session.send(command, pdu, target);
    struct Answer {
        bool done = false;
        int reason = NvSnmpStatus::Success;
        NvSnmpPdu reply;
    };
    // Shared with the callback, which outlives a cancelled wait.
    auto answer = std::make_shared<Answer>();
    const int status = session.sendAsync(command, pdu, target,
                                         [answer](int reason, NvSnmpPdu& reply, const NvSnmpTarget&) {
                                             answer->done = true;
                                             answer->reason = reason;
                                             answer->reply = std::move(reply);
                                         });
    if (status != NvSnmpStatus::Success)
        return status;
    pump.wake();
    if (!wait("Waiting for " + target.addressText() + " to answer...", [&answer] { return answer->done; })) {
        if (command == NvSnmpAdapter::Set)
            throw NvSNMPException("Cancelled: the device has not confirmed the change, which may or may not "
                                  "have been made",
                                  kAnswerWaitCancelled);
        throw NvSNMPException("Cancelled before the device answered", kAnswerWaitCancelled);
    }
    if (answer->reason != NvSnmpStatus::AsyncResponse)
        return answer->reason;  // time-out, or the session closed
    // A failure of the library comes in the reply's error status; an agent's
    // error status (1..18) stays in the reply as the blocking send leaves it.
    constexpr int kLastAgentErrorStatus = 18;
    const int replied = answer->reply.errorStatus;
    if (replied < 0 || replied > kLastAgentErrorStatus)
        return replied;
    pdu = std::move(answer->reply);
    return NvSnmpStatus::Success;
}
