#pragma once
// The SNMP side of hv720-sim: net-snmp's agent library set up to read no system
// configuration, listen only where it is told, check communities and users,
// and answer every request from the object store through one handler.
#include "sim/FaultSwitches.h"
#include "sim/ObjectStore.h"
#include "sim/SimOptions.h"
#include "sim/StackModel.h"

#include <csignal>
#include <ctime>
#include <deque>
#include <memory>
#include <string>
#include <vector>

class SimAgent {
public:
    SimAgent(const SimOptions& options, ObjectStore& store, StackModel& stack, FaultSwitches& faults);
    ~SimAgent();

    // Initialises the library, registers the handler and opens the port.
    bool start(std::string& error);
    // Serves requests until stop becomes non-zero.
    void run(volatile std::sig_atomic_t& stop);
    void shutdown();

    // Entry points called from the library's C callbacks.
    int handle(void* handler, void* registration, void* reqinfo, void* requests);
    void finishDelayed(void* cache);
    void ledTick();
    bool dropThis(void* pdu);
    bool answerFaultyWalk(void* session, void* pdu);
    // Marks the answers to the request being processed as exempt from faults (a
    // request to the control scalars), or gives it a request id never sent.
    void beginRequest(void* pdu);
    void endRequest() { m_exempt = false; }
    // Sends an answer through the listening transport, playing the transport
    // faults (garbage, duplicates) on it.
    int sendAnswer(void* transport, const void* buffer, int size, void** opaque, int* opaqueLength);
    void sendLateCopy(void* copy);

private:
    void process(void* reqinfo, void* requests, const Oid& root);
    bool delayOnce(long transid);
    SimValue faulty(const Oid& oid, const SimValue& value) const;

    // An answer to send again later (--duplicate).
    struct LateCopy {
        void* transport;
        std::string bytes;
        std::string opaque;
    };
    void logSet(const std::vector<ObjectStore::SetItem>& items) const;
    void logGet(const Oid& oid) const;
    const ObjectStore::Map::value_type* nextForWalk(const Oid& o) const;

    // The value an entry shows now (counters grown, the clock read), or at the start with --still.
    SimValue shown(const ObjectStore::Entry& entry) const;

    const SimOptions& m_options;
    const std::time_t m_startTime = std::time(nullptr);
    ObjectStore& m_store;
    StackModel& m_stack;
    FaultSwitches& m_faults;
    std::string m_dir;
    bool m_ownDir = false;
    bool m_started = false;
    std::deque<long> m_delayed;
    std::deque<std::unique_ptr<LateCopy>> m_lateCopies;
    void* m_transport = nullptr;  // the listening transport whose send is wrapped
    bool m_exempt = false;
    unsigned long m_answerCount = 0;
};
