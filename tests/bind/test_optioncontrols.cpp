// Option lists in combo boxes: labels fill the box, a label or a wire value selects.
#include <gtest/gtest.h>

#include <QComboBox>

#include "bind/NvOptionControls.h"
#include "snmp/NvOptionList.h"

TEST(OptionControls, FillAndSelectByLabelOrValue)
{
    const NvOptionPair pairs[] = {{1, "other"}, {2, "enabled"}, {3, "disabled"}, {0, nullptr}};
    const NvOptionList options(pairs);
    QComboBox combo;
    combo.addItem("stale");
    fillItems(options, &combo);
    ASSERT_EQ(combo.count(), 3);
    EXPECT_EQ(combo.itemText(2), "disabled");

    struct Case {
        const char* text;
        int index;
    };
    const Case cases[] = {{"enabled", 1}, {"DISABLED", 2}, {"1", 0}, {"3", 2}, {"9", -1}, {"(NULL)", -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        combo.setCurrentIndex(1);
        selectItem(options, &combo, c.text);
        EXPECT_EQ(combo.currentIndex(), c.index);
    }
}
