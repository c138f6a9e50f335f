// The shared port grid: placed in a group box, filled from the unit list and
// bound bit by bit to a port-list row; port numbers split for display.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "bind/NvSNMPRequest2Edits.h"
#include "editors/common/PortGrid.h"
#include "panels/StackingPortUitFormUnit.h"
#include "platform/MainSettings.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPVarList.h"

namespace {

const NvSNMPVarDescriptor kPortList[] = {
    {"1.3.6.1.4.1.497.999.3.1", "Ports", SyntaxBits, AccessReadable | AccessWritable},
    {"1.3.6.1.4.1.497.999.3.2", "Name", SyntaxDisplayString, AccessReadable | AccessWritable},
    {nullptr},
};

// The main window's unit list: caption = unit, then status, MAC, start port,
// port range, LED status, mode, version, model.
void addUnit(QTreeWidget& view, const char* unit, const char* range, const char* model)
{
    auto* item = new QTreeWidgetItem(&view);
    const char* texts[] = {unit, "exist", "00-01-02-03-04-05", "1", range, "0202", "master", "1.00", model};
    for (int c = 0; c < 9; ++c)
        item->setText(c, QString::fromLatin1(texts[c]));
}

TEST(PortGrid, FilledFromTheStackAndBoundBitByBit)
{
    QTreeWidget units;
    units.setColumnCount(9);
    int refills = 0;
    TMainSettings settings;
    EditorContext context;
    context.settings = &settings;
    context.unitListView = &units;
    // An empty unit list is read again before the pages are shown.
    context.refillUnitList = [&] {
        ++refills;
        addUnit(units, "1", "26", "HV-720");
        addUnit(units, "2", "50", "HV-710");
    };

    QWidget form;
    auto* box = new QGroupBox(QStringLiteral("Ports"), &form);
    auto* grid = new PortGrid(box, context);
    grid->fillFromStack();
    EXPECT_EQ(refills, 1);
    ASSERT_EQ(grid->boxes().size(), PortGrid::BoxCount);
    EXPECT_EQ(grid->picker()->parentWidget(), box);
    EXPECT_TRUE(grid->picker()->isPageShown(1));
    EXPECT_FALSE(grid->picker()->isPageShown(2));
    EXPECT_FALSE(grid->box(66)->isHidden());   // unit 2 port 2
    EXPECT_TRUE(grid->box(27)->isHidden());    // unit 1 has 26 ports
    EXPECT_EQ(grid->box(0), nullptr);
    EXPECT_EQ(grid->box(769), nullptr);

    NvSNMPRequest2Edits binding(&form);
    binding.request.varList.assign(NvSNMPVarList(kPortList, NvSNMPVarList::ScalarGroup, 0));
    grid->bindTo(binding, 0);
    std::string& value = binding.request.varList.row(0).value;

    // Port 1 and port 66 (octet 8, second bit) shown on their boxes.
    value = "80" + std::string(14, '0') + "40" + std::string(174, '0');
    binding.showValues(0);
    EXPECT_TRUE(grid->isChecked(1));
    EXPECT_TRUE(grid->isChecked(66));
    EXPECT_FALSE(grid->isChecked(65));

    grid->box(1)->setChecked(false);
    grid->box(768)->setChecked(true);
    binding.takeValues(0);
    EXPECT_EQ(value, std::string(16, '0') + "40" + std::string(172, '0') + "01");

    grid->clear();
    EXPECT_FALSE(grid->anyChecked());

    // A list shorter than the grid loads its bits, the control bound after the
    // grid still loads, and the error names the short list.
    QLabel name(&form);
    binding.bindControl(1, &name);
    grid->box(700)->setChecked(true);
    value = "40";
    binding.request.varList.row(1).value = "uplink";
    try {
        binding.showValues(-1);
        ADD_FAILURE() << "a short list passed unnoticed";
    } catch (const NvSNMPException& x) {
        EXPECT_NE(std::string(x.what()).find("Ports"), std::string::npos) << x.what();
    }
    EXPECT_TRUE(grid->isChecked(2));
    EXPECT_FALSE(grid->isChecked(700));
    EXPECT_EQ(name.text(), QStringLiteral("uplink"));
}

TEST(PortGrid, PortNumbersSplitIntoUnitAndPort)
{
    struct Case {
        int number, unit, port;
    };
    const Case cases[] = {{1, 1, 1}, {64, 1, 64}, {65, 2, 1}, {67, 2, 3}, {128, 2, 64}, {768, 12, 64}, {0, 0, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const PortGrid::UnitPort up = PortGrid::splitPortNumber(c.number);
        EXPECT_EQ(up.unit, c.unit);
        EXPECT_EQ(up.port, c.port);
        if (c.number > 0) {
            EXPECT_EQ(PortGrid::portNumber(c.unit, c.port), c.number);
        }
    }
}

}  // namespace
