// The main window's port table as the catalogue reads it from the simulator:
// every enumerated value is one of the catalogue's labels, and link, speed and
// port type agree with each other and with the unit's expansion module.
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "catalogue/NvCatalogueTables.h"
#include "snmp/NvOptionList.h"
#include "snmp/NvSNMPRequest.h"
#include "snmp/NvSNMPSession.h"
#include "tests/common/AgentSession.h"
#include "tests/common/SimulatorProcess.h"

namespace {

enum { Index, Unit, PortType, LinkStatus, NwayStatus };

bool hasLabel(const NvSNMPVarList& list, int row, const std::string& text)
{
    const NvOptionList* options = list.row(row).options;
    return options && options->indexOfLabel(text) >= 0;
}

}  // namespace

TEST(PortTableAgainstSimulator, LabelsOfTheCatalogueAndAConsistentLinkPerPort)
{
    // The default stack: an HV-720 with an HM20, an HV-710 with an HM10, an HV-640.
    SimulatorProcess sim;
    ASSERT_TRUE(sim.start({"--led-period", "3600000", "--quiet"})) << sim.log();
    QTemporaryDir work;
    startSnmpSession(work.path().toStdString());
    pointSessionAt(sim.port(), 100);

    const std::map<int, std::string> moduleType{{1, "1000BASE-SX"}, {2, "1000BASE-T"}};
    const std::map<int, int> panelPorts{{1, 24}, {2, 48}, {3, 24}};
    NvSNMPRequest request;
    request.varList.assign(NvSNMPVarList(PortInfoVars, NvSNMPVarList::Table, 1));
    std::set<std::string> linkStates;
    int rows = 0;
    for (bool more = request.getSync(true); more; more = request.getSync(false)) {
        ++rows;
        const NvSNMPVarList& list = request.varList;
        auto value = [&](int column) { return list.row(column).value; };
        SCOPED_TRACE("port " + value(Index));
        const int unit = std::stoi(value(Unit));
        const int unitPort = (std::stoi(value(Index)) - 1) % 64 + 1;
        for (int column : {PortType, LinkStatus, NwayStatus})
            EXPECT_TRUE(hasLabel(list, column, value(column))) << list.row(column).label << ": " << value(column);

        const bool modulePort = unitPort > panelPorts.at(unit);
        EXPECT_EQ(value(PortType), modulePort ? moduleType.at(unit) : "100BASE-TX");
        linkStates.insert(value(LinkStatus));
        if (value(LinkStatus) == "link-fail")
            EXPECT_EQ(value(NwayStatus), "link-down");
        else if (modulePort)
            EXPECT_EQ(value(NwayStatus), "full-1Gigabps");
        else
            EXPECT_TRUE(value(NwayStatus) == "full-10Mbps" || value(NwayStatus) == "full-100Mbps") << value(NwayStatus);
    }
    EXPECT_EQ(rows, 26 + 50 + 24);
    EXPECT_EQ(linkStates, (std::set<std::string>{"link-pass", "link-fail"}));
}
