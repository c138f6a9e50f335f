#include "snmp/SnmpEventProcessor.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSocketNotifier>

#include "snmp/NvSnmpAdapter.h"

namespace {
_SnmpEventProcessor* g_processor = nullptr;

void destroyProcessor()
{
    delete g_processor;
    g_processor = nullptr;
}
}  // namespace

_SnmpEventProcessor& _SnmpEventProcessor::instance()
{
    if (!g_processor) {
        g_processor = new _SnmpEventProcessor();
        if (QCoreApplication::instance())
            qAddPostRoutine(destroyProcessor);
    }
    return *g_processor;
}

_SnmpEventProcessor::_SnmpEventProcessor()
{
    m_timer.setInterval(kIntervalMs);
    m_timer.setSingleShot(false);
    connect(&m_timer, &QTimer::timeout, this, [this] { tick(); });
}

_SnmpEventProcessor::~_SnmpEventProcessor()
{
    m_timer.stop();
    m_notifiers.clear();
    if (NvSnmpAdapter* adapter = NvSnmpAdapter::instance())
        adapter->setSocketsChangedHandler(nullptr);
}

void _SnmpEventProcessor::start()
{
    m_started = true;
    if (NvSnmpAdapter* adapter = NvSnmpAdapter::instance())
        adapter->setSocketsChangedHandler([this] { syncNotifiers(); });
    if (!m_inTick)
        m_timer.start();
    syncNotifiers();
}

void _SnmpEventProcessor::stop()
{
    m_started = false;
    m_timer.stop();
    setNotifiersEnabled(false);
}

void _SnmpEventProcessor::tick()
{
    if (m_inTick)
        return;
    m_inTick = true;
    m_timer.stop();
    setNotifiersEnabled(false);
    ++m_ticks;
    try {
        if (NvSnmpAdapter* adapter = NvSnmpAdapter::instance())
            adapter->processPendingEvents();
    } catch (...) {
        // Reply handlers report their own failures; whatever still gets here
        // must not leave the pump marked as running with its timer stopped.
        qWarning("SNMP event pump: a reply raised an exception");
    }
    // What the posted functions post in turn (the next row of a walk whose
    // rows are at hand) runs in the same tick for up to kPostedBudgetMs, so a
    // walk does not pay a whole tick per row; after that it waits for the next
    // tick and the event loop gets its turn.
    QElapsedTimer budget;
    budget.start();
    do {
        std::vector<std::function<void()>> posted;
        posted.swap(m_posted);
        for (auto& f : posted)
            f();
    } while (!m_posted.empty() && budget.elapsed() < kPostedBudgetMs);
    if (!m_posted.empty() && QCoreApplication::instance())
        QMetaObject::invokeMethod(this, [this] { tick(); }, Qt::QueuedConnection);
    m_inTick = false;
    if (m_started) {
        NvSnmpAdapter* adapter = NvSnmpAdapter::instance();
        if ((adapter && adapter->outstanding() > 0) || !m_posted.empty())
            m_timer.start();
        syncNotifiers();
    }
}

void _SnmpEventProcessor::wake()
{
    if (m_started && !m_inTick && !m_timer.isActive())
        m_timer.start();
}

void _SnmpEventProcessor::post(std::function<void()> f)
{
    const bool first = m_posted.empty();
    m_posted.push_back(std::move(f));
    if (first && QCoreApplication::instance())
        QMetaObject::invokeMethod(this, [this] { tick(); }, Qt::QueuedConnection);
}

void _SnmpEventProcessor::syncNotifiers()
{
    if (!QCoreApplication::instance())
        return;
    NvSnmpAdapter* adapter = NvSnmpAdapter::instance();
    std::map<int, std::unique_ptr<QSocketNotifier>> next;
    if (adapter) {
        for (int fd : adapter->socketDescriptors()) {
            auto it = m_notifiers.find(fd);
            if (it != m_notifiers.end()) {
                next.emplace(fd, std::move(it->second));
                m_notifiers.erase(it);
            } else {
                auto notifier = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
                connect(notifier.get(), &QSocketNotifier::activated, this, [this] { tick(); });
                next.emplace(fd, std::move(notifier));
            }
        }
    }
    // Notifiers of closed sockets go before their descriptors can be reused.
    m_notifiers.swap(next);
    setNotifiersEnabled(m_started && !m_inTick);
}

void _SnmpEventProcessor::setNotifiersEnabled(bool enabled)
{
    for (auto& [fd, notifier] : m_notifiers)
        notifier->setEnabled(enabled);
}
