// A counter companion view meets every fault class of the simulator while it
// polls: it does not crash, its polls end, its table stays bounded, a failed
// poll is named on its status line, and the window still closes.
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

#include "companions/CompanionViews.h"
#include "companions/CompanionWindowUnit.h"
#include "snmp/NvEventWait.h"
#include "tests/common/AgentFaults.h"
#include "tests/common/SimulatorSuite.h"

namespace {

// More lines than the simulator's stack has interfaces: a walk that kept going.
constexpr int kMostLines = 1000;

// A view with its poll and where its faults are aimed.
struct CompanionUnderFault {
    const char* argument;
    FaultTarget target;
};

const CompanionUnderFault kCompanions[] = {
    {"MIB_IFCounters", {"1.3.6.1.2.1.2.2", "1.3.6.1.2.1.2.2.1.10"}},
};

void PrintTo(const CompanionUnderFault& companion, std::ostream* os)
{
    *os << companion.argument;
}

using CompanionFault = std::tuple<CompanionUnderFault, AgentFault>;

class CompanionUnderFaults : public SimulatorSuite, public ::testing::WithParamInterface<CompanionFault> {
protected:
    FaultyAgent agent;
};

}  // namespace

TEST_P(CompanionUnderFaults, PollsTwiceAndCloses)
{
    const auto& [companion, fault] = GetParam();
    ASSERT_TRUE(agent.start(fault, companion.target)) << agent.process().log();
    const CompanionView* view = CompanionViews::find(QString::fromLatin1(companion.argument));
    ASSERT_NE(view, nullptr);

    auto window = std::make_unique<TCompanionWindow>(*view, QStringLiteral("127.0.0.1"));
    window->setPaused(true);  // the two polls below are the test's own
    window->show();
    for (int poll = 1; poll <= 2; ++poll) {
        SCOPED_TRACE("poll " + std::to_string(poll));
        if (poll > 1)
            window->pollNow();
        EXPECT_TRUE(waitUntil([&] { return window->samplesTaken() >= poll; }, 60000)) << "the poll never ended";
        for (int s = 0; s < static_cast<int>(view->sections.size()); ++s)
            EXPECT_LE(window->table(s)->topLevelItemCount(), kMostLines);
        if (*fault.status) {
            EXPECT_TRUE(window->statusText().contains(QString::fromLatin1(fault.status)))
                << window->statusText().toStdString();
        }
    }
    EXPECT_TRUE(window->close());
    window.reset();
}

INSTANTIATE_TEST_SUITE_P(AgentFaults, CompanionUnderFaults,
                         ::testing::Combine(::testing::ValuesIn(kCompanions), ::testing::ValuesIn(agentFaults())),
                         [](const ::testing::TestParamInfo<CompanionFault>& info) {
                             return std::string(std::get<0>(info.param).argument) + "_" + std::get<1>(info.param).name;
                         });
