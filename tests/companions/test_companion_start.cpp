// Choosing the view from a companion's arguments: every menu entry's /T value
// opens a view of the program the module starts for it, and wrong or missing
// arguments give a message that says what is wrong.
#include <gtest/gtest.h>

#include "app/CompanionLauncher.h"
#include "app/MenuCatalogue.h"
#include "companions/CompanionStart.h"
#include "companions/CompanionViews.h"
#include "platform/MainSettings.h"

TEST(CompanionStart, EveryMenuEntryOpensAViewOfItsProgram)
{
    TMainSettings settings;
    settings.addressText = "127.0.0.1";
    QStringList offered;
    for (const TMenuEntry& entry : MenuCatalogue::entries()) {
        if (entry.kind != TMenuKind::Companion)
            continue;
        SCOPED_TRACE(entry.viewArgument);
        const QString argument = QString::fromLatin1(entry.viewArgument);
        offered << argument.mid(2);
        const QString program = CompanionLauncher::companionName(argument);
        EXPECT_TRUE(CompanionViews::programNames().contains(program));
        const CompanionStart::Choice choice = CompanionStart::choose(program, {"/I127.0.0.1", argument.toStdString()}, settings);
        ASSERT_TRUE(choice.view) << choice.error.toStdString();
        EXPECT_EQ(QString::fromLatin1(choice.view->argument), argument.mid(2));
    }
    // and no view is left without a menu entry
    for (const CompanionView& view : CompanionViews::all())
        EXPECT_TRUE(offered.contains(QString::fromLatin1(view.argument))) << view.argument;
}

TEST(CompanionStart, WrongArgumentsAreExplained)
{
    struct Case {
        const char* name;
        const char* program;
        std::vector<std::string> arguments;
        const char* address;
        const char* expectedView;  // null: an error containing expectedText
        const char* expectedText;
    };
    const Case cases[] = {
        {"unknown view", "MIB", {"/TMIB_Nothing"}, "10.0.0.1", nullptr, "Unknown view \"/TMIB_Nothing\""},
        {"unknown view lists the program's views", "Rmon", {"/TRmon_X"}, "10.0.0.1", nullptr,
         "/TRmon_Statistics, /TRmon_History, /TRmon_AlarmEvent"},
        {"view of another program", "MIB", {"/TRmon_Statistics"}, "10.0.0.1", nullptr, "Unknown view"},
        {"no view", "Bridge", {"/Rquorel"}, "10.0.0.1", nullptr, "No view given"},
        {"no address", "Layer3", {"/TLayer3_OSPF"}, "", nullptr, "No device address given"},
        {"the last view argument counts", "MIB", {"/TMIB_Info", "/TMIB_IFTable"}, "10.0.0.1", "MIB_IFTable", ""},
        {"another program name accepts every view", "companion-copy", {"/TRmon_History"}, "10.0.0.1",
         "Rmon_History", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TMainSettings settings;
        settings.addressText = c.address;
        const CompanionStart::Choice choice = CompanionStart::choose(c.program, c.arguments, settings);
        if (c.expectedView) {
            ASSERT_TRUE(choice.view) << choice.error.toStdString();
            EXPECT_STREQ(choice.view->argument, c.expectedView);
        } else {
            EXPECT_FALSE(choice.view);
            EXPECT_TRUE(choice.error.contains(QString::fromLatin1(c.expectedText))) << choice.error.toStdString();
        }
    }
}
