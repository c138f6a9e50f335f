#include "snmp/NvEventWait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <time.h>

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
