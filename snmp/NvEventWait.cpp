#include "snmp/NvEventWait.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <time.h>

#include "snmp/SnmpEventProcessor.h"

bool waitUntil(const std::function<bool()>& done, int ms)
{
    QElapsedTimer timer;
    timer.start();
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
