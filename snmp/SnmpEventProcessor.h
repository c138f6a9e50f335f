#pragma once
// The event pump: delivers replies, retries and time-outs of asynchronous
// requests on the user-interface thread. It ticks every 20 ms and at once when
// a session socket becomes readable, so a walk pays one round trip per row.
// A tick disables the timer and the socket notifiers, processes pending events
// once and enables them again: it never re-enters, even when a reply handler
// runs a nested event loop. With no request outstanding the timer rests (there
// is no retry or time-out to run) until the next send wakes it; the socket
// notifiers stay on.
#include <QObject>
#include <QTimer>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class QSocketNotifier;

class _SnmpEventProcessor : public QObject {
public:
    static constexpr int kIntervalMs = 20;
    // Longest a tick goes on running functions posted from posted functions.
    static constexpr int kPostedBudgetMs = 10;

    // The one instance (created on first use, freed when the application ends).
    static _SnmpEventProcessor& instance();

    void start();
    void stop();
    bool isActive() const { return m_started; }
    bool inTick() const { return m_inTick; }

    // One tick now; nothing while a tick is running.
    void tick();

    // A request was sent: the timer runs again until nothing is outstanding.
    void wake();

    // Runs f from a tick as soon as the event loop turns: for replies that
    // are already at hand, so they reach their handlers like any other.
    void post(std::function<void()> f);

    // Number of ticks so far (for benchmarks).
    quint64 tickCount() const { return m_ticks; }

    ~_SnmpEventProcessor() override;

private:
    _SnmpEventProcessor();
    void syncNotifiers();
    void setNotifiersEnabled(bool enabled);

    QTimer m_timer;
    std::map<int, std::unique_ptr<QSocketNotifier>> m_notifiers;
    bool m_started = false;
    bool m_inTick = false;
    quint64 m_ticks = 0;
    std::vector<std::function<void()>> m_posted;
};
