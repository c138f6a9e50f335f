// The stack-wide port picker: pages and check boxes filled from the unit list.
#include <memory>
#include <vector>

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

#include "panels/StackingPortUitFormUnit.h"

namespace {

struct UnitRow {
    const char* unit;
    const char* status;
    const char* startPort;
    const char* portRange;
    const char* model;
};

// The main window's unit list: caption = unit, sub-items status, MAC address,
// start port, port range, LED status, mode, version, model name.
std::unique_ptr<QTreeWidget> unitList(const std::vector<UnitRow>& rows)
{
    auto view = std::make_unique<QTreeWidget>();
    view->setColumnCount(9);
    for (const auto& r : rows) {
        auto* item = new QTreeWidgetItem(view.get());
        const char* texts[] = {r.unit, r.status, "00-01-02-03-04-05", r.startPort, r.portRange, "0202", "master",
                               "1.00", r.model};
        for (int c = 0; c < 9; ++c)
            item->setText(c, QString::fromLatin1(texts[c]));
    }
    return view;
}

// Visible check boxes of one unit, as 1-based port numbers.
std::vector<int> shownPorts(const TStackingPortUitForm& form, int unit)
{
    std::vector<int> ports;
    for (int k = (unit - 1) * 64; k < unit * 64; ++k) {
        if (!form.checkBoxList().at(k)->isHidden())
            ports.push_back(k % 64 + 1);
    }
    return ports;
}

std::vector<int> range(int first, int last)
{
    std::vector<int> v;
    for (int i = first; i <= last; ++i)
        v.push_back(i);
    return v;
}

struct FillCase {
    const char* name;
    UnitRow row;
    int unit;
    const char* caption;  // nullptr: the page stays hidden
    std::vector<int> ports;
};

TEST(StackingPortForm, FillFromTheStackShowsTheUnitsThatExist)
{
    const FillCase cases[] = {
        {"present HV-720 with port range 26", {"3", "exist", "129", "26", "HV-720"}, 3, "Unit3 HV-720", range(1, 26)},
        {"not-exist HV-710 gets its model's 50 ports", {"2", "not-exist", "0", "0", "HV-710"}, 2, "Unit2 HV-710",
         range(1, 50)},
        {"not-exist HV720", {"4", "not-exist", "0", "0", "HV720"}, 4, "Unit4 HV720", range(1, 26)},
        {"not-exist other model", {"5", "not-exist", "0", "0", "HV-640*"}, 5, "Unit5 HV-640*", range(1, 24)},
        {"unconfigured, upper case", {"1", "exist", "1", "24", "USR-NOT-CFG"}, 1, nullptr, {}},
        {"unconfigured, lower case", {"6", "not-exist", "0", "0", "usr-not-cfg"}, 6, nullptr, {}},
        // A range beyond 64 would reach into the next unit's boxes.
        {"range beyond one unit", {"7", "exist", "385", "70", "HV-710"}, 7, "Unit7 HV-710", range(1, 64)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto units = unitList({c.row});
        QTreeWidget ports;
        TStackingPortUitForm form;
        form.fillFromStack(units.get(), &ports);
        ASSERT_EQ(form.pageList().size(), 12);
        ASSERT_EQ(form.checkBoxList().size(), 12 * 64);
        EXPECT_EQ(form.checkBoxList().at(0)->text(), QStringLiteral("1"));
        EXPECT_EQ(form.checkBoxList().at(64 + 63)->text(), QStringLiteral("64"));
        for (int i = 0; i < 12; ++i) {
            const bool shown = c.caption && i == c.unit - 1;
            EXPECT_EQ(form.isPageShown(i), shown) << "page " << i;
        }
        if (c.caption) {
            const int tab = form.UnitPageControl->indexOf(form.pageList().at(c.unit - 1));
            EXPECT_EQ(form.UnitPageControl->tabText(tab), QString::fromLatin1(c.caption));
        }
        EXPECT_EQ(shownPorts(form, c.unit), c.ports);
        if (c.unit < 12)
            EXPECT_TRUE(shownPorts(form, c.unit + 1).empty());
    }
}

TEST(StackingPortForm, AnEmptyUnitListIsRefilledFirst)
{
    QTreeWidget units;
    units.setColumnCount(9);
    int refills = 0;
    TStackingPortUitForm form;
    form.fillFromStack(&units, nullptr, [&] {
        ++refills;
        auto* item = new QTreeWidgetItem(&units);
        item->setText(0, QStringLiteral("1"));
        item->setText(1, QStringLiteral("exist"));
        item->setText(3, QStringLiteral("1"));
        item->setText(4, QStringLiteral("28"));
        item->setText(8, QStringLiteral("HV-720"));
    });
    EXPECT_EQ(refills, 1);
    EXPECT_TRUE(form.isPageShown(0));
    EXPECT_EQ(shownPorts(form, 1), range(1, 28));
}

TEST(StackingPortForm, ShowUnitIgnoresUnitsWithoutAPage)
{
    TStackingPortUitForm form;
    form.addUnitPage(QStringLiteral("Unit1"), 0, 64, 12);
    for (const char* unit : {"x", "", "0", "2", "13"})
        form.showUnit(QString::fromLatin1(unit), QStringLiteral("HV-720"), 1, 26, 12);
    EXPECT_FALSE(form.isPageShown(0));
    EXPECT_TRUE(shownPorts(form, 1).empty());
    form.showUnit(QStringLiteral("1"), QStringLiteral("HV-630"), 1, 24, 12);
    EXPECT_TRUE(form.isPageShown(0));
    EXPECT_EQ(form.UnitPageControl->tabText(0), QStringLiteral("Unit1 HV-630"));
}

// Row and column of every box of a page, from the positions the boxes were given.
int columnsOf(const TStackingPortUitForm& form)
{
    const int firstTop = form.checkBoxList().at(0)->y();
    int columns = 0;
    while (columns < 64 && form.checkBoxList().at(columns)->y() == firstTop)
        ++columns;
    return columns;
}

TEST(StackingPortForm, DeviceInfoFileSwitchesToTenColumns)
{
    const QString previous = QDir::currentPath();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(QDir::setCurrent(dir.path()));

    TStackingPortUitForm twelve;
    twelve.addUnitPage(QStringLiteral("Unit1"), 0, 64, 12);

    QFile marker(dir.filePath(QStringLiteral("DeviceInfo.ini")));
    ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
    marker.close();
    TStackingPortUitForm ten;
    ten.addUnitPage(QStringLiteral("Unit1"), 0, 64, 12);
    ten.addUnitPage(QStringLiteral("Unit2"), 0, 64, 7);

    ASSERT_TRUE(QDir::setCurrent(previous));

    EXPECT_EQ(columnsOf(twelve), 12);
    EXPECT_EQ(columnsOf(ten), 10);
    // Row-major order: box 10 opens the second row under box 0, on every page.
    for (int page : {0, 1}) {
        const auto& boxes = ten.checkBoxList();
        EXPECT_EQ(boxes.at(page * 64 + 10)->x(), boxes.at(page * 64)->x());
        EXPECT_GT(boxes.at(page * 64 + 10)->y(), boxes.at(page * 64 + 9)->y());
    }
}

TEST(StackingPortForm, LargeFontsScaleTheForm)
{
    TStackingPortUitForm normal;
    TStackingPortUitForm large(nullptr, true);
    EXPECT_EQ(normal.size(), QSize(543, 252));
    EXPECT_EQ(large.size(), QSize(678, 315));
}

}  // namespace
