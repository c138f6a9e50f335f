#include "tests/companions/CompanionFixture.h"

#include <QTreeWidget>
#include <gtest/gtest.h>

#include "snmp/NvEventWait.h"

std::unique_ptr<TCompanionWindow> openCompanion(const CompanionView& view)
{
    auto window = std::make_unique<TCompanionWindow>(view, QStringLiteral("127.0.0.1"));
    window->show();
    if (!waitUntil([&] { return window->samplesTaken() > 0; }, 10000)) {
        ADD_FAILURE() << "no poll arrived";
        return nullptr;
    }
    return window;
}

bool pollAgain(TCompanionWindow& window)
{
    const int before = window.samplesTaken();
    window.pollNow();
    return waitUntil([&] { return window.samplesTaken() > before; }, 10000);
}

QString cellOf(const TCompanionWindow& window, int section, const QString& instance, const QString& header)
{
    const QTreeWidget* tree = window.table(section);
    int column = -1;
    for (int c = 0; c < tree->columnCount(); ++c) {
        if (tree->headerItem()->text(c) == header)
            column = c;
    }
    for (int i = 0; column >= 0 && i < tree->topLevelItemCount(); ++i) {
        if (tree->topLevelItem(i)->text(0) == instance)
            return tree->topLevelItem(i)->text(column);
    }
    return {};
}
