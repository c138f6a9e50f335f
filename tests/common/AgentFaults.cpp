#include "tests/common/AgentFaults.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>

#include <fstream>
#include <ostream>

#include "snmp/NvEventWait.h"
#include "snmp/NvSnmpAdapter.h"
#include "tests/common/AgentSession.h"

std::vector<std::string> AgentFault::optionsFor(const FaultTarget& target) const
{
    std::vector<std::string> aimed;
    for (std::string option : options) {
        for (const auto& [mark, by] : {std::pair{"$S", &target.subtree}, std::pair{"$C", &target.column}}) {
            const size_t at = option.find(mark);
            if (at != std::string::npos)
                option.replace(at, 2, *by);
        }
        aimed.push_back(option);
    }
    return aimed;
}

const std::vector<AgentFault>& agentFaults()
{
    // Late answers come within the session's time-out (3 s); the stop comes
    // after a few requests, inside the first read or walk.
    static const std::vector<AgentFault> faults = {
        {"silence", {"--drop-every", "1"}, "timed out"},
        {"late_answers", {"--delay", "1200"}, "", true},
        {"duplicated_late_answers", {"--duplicate", "150"}, "", true},
        {"wrong_request_ids", {"--wrong-id", "1"}, "timed out"},
        {"undecodable_bytes", {"--garbage", "1"}, "timed out"},
        {"wrong_types", {"--wrong-type", "$S"}, ""},
        {"error_status", {"--error", "$S=genErr"}, "General Error"},
        {"walk_goes_back", {"--walk-fault", "$C=back"}, "went back or repeated during the walk", false, true},
        {"walk_repeats", {"--walk-fault", "$C=repeat"}, "went back or repeated during the walk", false, true},
        {"stops_answering_half_way", {"--stop-after", "3"}, ""},
    };
    return faults;
}

void PrintTo(const AgentFault& fault, std::ostream* os)
{
    *os << fault.name;
}

bool FaultyAgent::start(const AgentFault& fault, const FaultTarget& target, const std::vector<std::string>& extra,
                        unsigned timeout)
{
    std::vector<std::string> options = extra;
    options.insert(options.end(), {"--quiet", "--set-log", m_sim.dir() + "/sets.log"});
    const std::vector<std::string> aimed = fault.optionsFor(target);
    options.insert(options.end(), aimed.begin(), aimed.end());
    if (!m_sim.start(options))
        return false;
    pointSessionAt(m_sim.port(), timeout);
    return true;
}

size_t FaultyAgent::committedSets() const
{
    std::ifstream in(m_sim.dir() + "/sets.log");
    size_t n = 0;
    for (std::string line; std::getline(in, line);)
        ++n;
    return n;
}

bool agentQuiet(int limitMs)
{
    // A walk's next request goes out from inside the reply of the one before
    // and a re-read may follow a set from a queued call: quiet means nothing
    // outstanding across several passes of the event loop.
    constexpr int kQuietMs = 300;
    QElapsedTimer quietFor;
    quietFor.start();
    QTimer look;  // wakes the wait when no reply does
    look.start(50);
    return waitUntil(
        [&] {
            if (NvSnmpAdapter::instance()->outstanding() > 0)
                quietFor.restart();
            return quietFor.elapsed() >= kQuietMs;
        },
        limitMs);
}

int setsReportedOk(const QString& statusText)
{
    int oks = 0;
    for (const QString& line : statusText.split('\n'))
        oks += line.contains(QStringLiteral("Set")) && line.contains(QStringLiteral("Ok!"));
    return oks;
}

QString statusAreaText(const QWidget& form)
{
    QStringList lines;
    for (const QPlainTextEdit* memo : form.findChildren<QPlainTextEdit*>())
        lines << memo->toPlainText();
    for (const QStatusBar* bar : form.findChildren<QStatusBar*>()) {
        lines << bar->currentMessage();
        for (const QLabel* panel : bar->findChildren<QLabel*>())
            lines << panel->text();
    }
    lines.removeAll(QString());
    return lines.join('\n');
}
