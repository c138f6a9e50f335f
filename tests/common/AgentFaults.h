#pragma once
// The fault classes of hv720-sim that an open view meets (silence, late and
// duplicated answers, wrong ids, undecodable bytes, wrong types, error
// statuses, a walk that repeats or goes back, an agent that stops half way),
// each aimed at the objects of the view under test; a simulator started with
// one of them; and the checks every faulty round shares.
#include <QString>

#include <string>
#include <vector>

#include "tests/common/SimulatorProcess.h"

class QWidget;

// Where a fault is aimed: the subtree that answers with an error status or
// wrong types, and the column whose get-next repeats or goes back.
struct FaultTarget {
    std::string subtree;
    std::string column;
};

struct AgentFault {
    const char* name;
    std::vector<std::string> options;  // "$S" stands for the target's subtree, "$C" for its column
    const char* status;                // a text the view's status area must show; empty: any
    bool answersAll = false;           // every request is answered (late or twice): writes go through
    bool walksOnly = false;            // met only by a walk (a view that only gets and sets never sees it)
    // The simulator's options for this fault aimed at target.
    std::vector<std::string> optionsFor(const FaultTarget& target) const;
};

// Every fault class, once.
const std::vector<AgentFault>& agentFaults();
// GoogleTest's printer: the fault's name.
void PrintTo(const AgentFault& fault, std::ostream* os);

// hv720-sim on a free loopback port with one fault, logging the sets it commits.
class FaultyAgent {
public:
    // Starts the simulator (extra options first) and points the session at it
    // with the given time-out (hundredths of a second); false (see log()) when
    // it does not answer.
    bool start(const AgentFault& fault, const FaultTarget& target, const std::vector<std::string>& extra = {},
               unsigned timeout = 300);
    // The set requests the agent committed so far.
    size_t committedSets() const;
    SimulatorProcess& process() { return m_sim; }

private:
    SimulatorProcess m_sim;
};

// Processes events until no request has been outstanding for a while; false
// when requests kept going for limitMs (a walk that never ends).
bool agentQuiet(int limitMs = 30000);
// Lines of the status text that report a Set as done ("Set...Ok").
int setsReportedOk(const QString& statusText);
// Everything a form shows in its status areas: its memos, its status bars'
// messages and the panels (labels) inside them, one per line.
QString statusAreaText(const QWidget& form);
