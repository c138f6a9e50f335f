// The generic views over standard MIBs that Debian's snmpd implements (IF-MIB
// and the SNMPv3 framework), opened from the menu against a real agent: every
// view shows the agent's rows, with each value decoded as the MIB types it,
// compared with snmpwalk of the same columns.
#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "app/MainUnit.h"
#include "app/MenuCatalogue.h"
#include "app/MenuDispatcher.h"
#include "bind/GUIConfigForm.h"
#include "bind/ListViewPanel.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "snmp/NvOptionList.h"
#include "snmp/NvSNMPVarDescriptor.h"
#include "snmp/NvSNMPVarList.h"
#include "snmp/NvValueText.h"
#include "tests/app/ModuleUnderTest.h"
#include "tests/common/SnmpWalkColumn.h"
#include "tests/common/SnmpdFixture.h"

namespace {

// Subtrees the agent implements: interfaces and the SNMPv3 framework.
const char* const kImplemented[] = {
    "1.3.6.1.2.1.2.2.1.", "1.3.6.1.2.1.31.1.1.1.", "1.3.6.1.6.3.10.2.1.", "1.3.6.1.6.3.11.2.1.",
    "1.3.6.1.6.3.12.1.",  "1.3.6.1.6.3.13.1.",     "1.3.6.1.6.3.15.1.",   "1.3.6.1.6.3.16.1.",
};

bool implemented(const NvSNMPVarDescriptor* table)
{
    for (const NvSNMPVarDescriptor* d = table; d->oid; ++d) {
        const std::string oid = std::string(d->oid) + ".";
        bool inside = false;
        for (const char* prefix : kImplemented)
            inside = inside || oid.rfind(prefix, 0) == 0;
        if (!inside)
            return false;
    }
    return true;
}

// Clock-like scalars that change between the two reads.
bool moves(const NvSNMPVarDescriptor& d)
{
    return std::string(d.oid) == "1.3.6.1.6.3.10.2.1.3";  // snmpEngineTime
}

struct Shown {
    QString status;
    std::vector<std::vector<std::string>> lines;  // table views: cell texts by descriptor row
    std::vector<std::string> values;              // scalar views
};

Shown openView(QAction* action)
{
    Shown shown;
    ModalWatcher watcher([&](QWidget* modal) {
        auto* form = qobject_cast<TConfigForm*>(modal);
        if (!form || !form->activeBinding() || form->activeBinding()->busy)
            return false;
        const NvSNMPVarList& vars = form->activeBinding()->request.varList;
        if (auto* list = form->findChild<TListViewPanel*>()) {
            QTreeWidget* view = list->listView;
            std::map<std::string, int> columnOf;
            for (int c = 0; c < view->columnCount(); ++c)
                columnOf[view->headerItem()->text(c).toStdString()] = c;
            for (int l = 0; l < view->topLevelItemCount(); ++l) {
                std::vector<std::string> cells;
                for (int r = 0; r < vars.count(); ++r) {
                    const auto c = columnOf.find(vars.row(r).label);
                    cells.push_back(c == columnOf.end() ? "" : view->topLevelItem(l)->text(c->second).toStdString());
                }
                shown.lines.push_back(cells);
            }
        } else {
            for (int r = 0; r < vars.count(); ++r)
                shown.values.push_back(vars.row(r).value);
        }
        if (auto* memo = form->findChild<QPlainTextEdit*>())
            shown.status = memo->toPlainText();
        form->close();
        return true;
    });
    action->trigger();
    return shown;
}

// Rows in the agent's SNMPv3 target and notification tables, which start empty.
void addTargetRows(uint16_t port)
{
    const QString agent = QString("127.0.0.1:%1").arg(port);
    const QStringList sets[] = {
        {"1.3.6.1.6.3.12.1.2.1.2.97.98.99", "o", "1.3.6.1.6.1.1", "1.3.6.1.6.3.12.1.2.1.3.97.98.99", "x",
         "7F0000010FA2", "1.3.6.1.6.3.12.1.2.1.7.97.98.99", "s", "prm", "1.3.6.1.6.3.12.1.2.1.9.97.98.99", "i", "4"},
        {"1.3.6.1.6.3.12.1.3.1.2.112.114.109", "i", "1", "1.3.6.1.6.3.12.1.3.1.3.112.114.109", "i", "2",
         "1.3.6.1.6.3.12.1.3.1.4.112.114.109", "s", "quorel", "1.3.6.1.6.3.12.1.3.1.5.112.114.109", "i", "1",
         "1.3.6.1.6.3.12.1.3.1.7.112.114.109", "i", "4"},
        {"1.3.6.1.6.3.13.1.1.1.2.110.116.102", "s", "tag", "1.3.6.1.6.3.13.1.1.1.3.110.116.102", "i", "1",
         "1.3.6.1.6.3.13.1.1.1.5.110.116.102", "i", "4"},
    };
    for (const QStringList& set : sets) {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MIBS", "");
        tool.setProcessEnvironment(env);
        tool.start("snmpset", QStringList{"-v2c", "-c", "tessany", agent} + set);
        tool.waitForFinished(10000);
        ASSERT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    }
}

TEST(MenuAgainstSnmpd, StandardMibViewsShowTheAgentsRows)
{
    SnmpdFixture snmpd;
    std::string why;
    ASSERT_TRUE(snmpd.start(&why)) << why;
    addTargetRows(snmpd.port());
    QTemporaryDir dir;
    auto main = openModule(dir, {.agentPort = snmpd.port()});
    ASSERT_TRUE(main);

    int opened = 0, compared = 0;
    std::string names;
    for (const TMenuEntry& e : MenuCatalogue::entries()) {
        if (e.kind != TMenuKind::View || !implemented(e.table))
            continue;
        SCOPED_TRACE(e.component);
        const Shown shown = openView(main->menuDispatcher()->action(e.component));
        ++opened;
        names += std::string(names.empty() ? "" : ", ") + e.component;
        EXPECT_TRUE(shown.status.contains("(NvSNMP++) Ok!")) << shown.status.toStdString();
        const bool table = MenuCatalogue::isTableView(e);
        const int indexCount = MenuCatalogue::indexCount(e);
        WalkedColumn first;
        for (int r = 0; e.table[r].oid; ++r) {
            const NvSNMPVarDescriptor& d = e.table[r];
            const bool index = table && r < indexCount;
            if (index)
                continue;  // shown from the instance; the line count checks the instances
            const WalkedColumn agent = walkColumn(snmpd.port(), d.oid);
            if (!table) {
                ASSERT_EQ(agent.size(), 1u) << d.oid;
                const auto expected = expectedDisplayText(d, agent[0].second);
                if (expected && !moves(d)) {
                    EXPECT_EQ(shown.values[r], *expected) << d.label;
                    ++compared;
                } else {
                    EXPECT_FALSE(shown.values[r].empty()) << d.label;
                }
                continue;
            }
            // Lines follow the instances of the first column the agent serves;
            // a column that ends before the others shows "(NOTDONE)".
            if (first.empty())
                first = agent;
            std::map<std::string, std::string> byInstance(agent.begin(), agent.end());
            ASSERT_EQ(shown.lines.size(), first.size()) << d.oid;
            for (size_t l = 0; l < first.size(); ++l) {
                const auto value = byInstance.find(first[l].first);
                if (value == byInstance.end()) {
                    EXPECT_EQ(shown.lines[l][r], "(NOTDONE)") << d.label << " instance " << first[l].first;
                    continue;
                }
                const auto expected = expectedDisplayText(d, value->second);
                if (!expected)
                    continue;
                EXPECT_EQ(shown.lines[l][r], *expected) << d.label << " instance " << first[l].first;
                ++compared;
            }
        }
        if (table) {
            EXPECT_GT(shown.lines.size(), 0u);
        }
    }
    std::printf("standard MIB views opened against snmpd: %d (%s), values compared with snmpwalk: %d\n", opened,
                names.c_str(), compared);
    EXPECT_GE(opened, 12);
}

}  // namespace
