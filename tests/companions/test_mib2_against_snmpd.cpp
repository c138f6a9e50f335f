// The MIB-II views against Debian's snmpd, line by line: every line the agent
// walks is shown under its instance, with each value as the MIB types it;
// counters and clocks, which move between the two reads, must be numbers.
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <set>

#include "companions/CompanionViews.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/AgentSession.h"
#include "tests/common/SnmpWalkColumn.h"
#include "tests/common/SnmpdFixture.h"
#include "tests/companions/CompanionFixture.h"

namespace {

// Values that change from one read to the next although their syntax does not say so.
bool moves(const NvSNMPVarDescriptor& d)
{
    static const char* const kMoving[] = {
        "1.3.6.1.2.1.4.21.1.10",  // ipRouteAge
        "1.3.6.1.2.1.2.2.1.21",   // ifOutQLen
    };
    for (const char* oid : kMoving) {
        if (std::string(d.oid) == oid)
            return true;
    }
    return false;
}

void compareShown(const TCompanionWindow& window, int port)
{
    const CompanionView& view = window.view();
    for (int s = 0; s < static_cast<int>(view.sections.size()); ++s) {
        const CompanionSection& section = view.sections[s];
        SCOPED_TRACE(section.caption);
        const bool scalars = section.layout == CompanionLayout::Scalars;
        int checked = 0;
        std::set<QString> walked;
        for (const NvSNMPVarDescriptor* d = section.objects; d->oid; ++d) {
            SCOPED_TRACE(d->label);
            const WalkedColumn agent = walkColumn(port, d->oid);
            for (const auto& [instance, raw] : agent) {
                SCOPED_TRACE(instance);
                const QString shown = scalars ? cellOf(window, s, d->label, "Value")
                                              : cellOf(window, s, QString::fromStdString(instance), d->label);
                const std::optional<std::string> expected = expectedDisplayText(*d, raw);
                walked.insert(QString::fromStdString(instance));
                ++checked;
                if (!expected || moves(*d))
                    EXPECT_FALSE(shown.isEmpty());
                else
                    EXPECT_EQ(shown.toStdString(), *expected);
            }
        }
        EXPECT_GT(checked, 0);
        if (scalars)
            continue;
        // and no line the agent does not have
        std::set<QString> lines;
        for (int i = 0; i < window.table(s)->topLevelItemCount(); ++i)
            lines.insert(window.table(s)->topLevelItem(i)->text(0));
        EXPECT_EQ(lines, walked);
    }
}

}  // namespace

TEST(CompanionAgainstSnmpd, MibTwoViewsShowTheAgentsLines)
{
    SnmpdFixture snmpd;
    std::string why;
    ASSERT_TRUE(snmpd.start(&why)) << why;
    QTemporaryDir bootCounter;
    startSnmpSession(bootCounter.path().toStdString());
    pointSessionAt(snmpd.port());
    for (const char* name : {"MIB_IFTable", "MIB_IFCounters", "MIB_IPCounters", "MIB_IPRouting", "MIB_IPAddress",
                             "MIB_ICMPCounters", "MIB_UDPCounters", "MIB_SNMPCounters", "MIB_Info"}) {
        SCOPED_TRACE(name);
        const CompanionView* view = CompanionViews::find(name);
        ASSERT_TRUE(view);
        const auto window = openCompanion(*view);
        ASSERT_TRUE(window);
        EXPECT_FALSE(window->statusText().contains("failed")) << window->statusText().toStdString();
        compareShown(*window, snmpd.port());
    }
}
