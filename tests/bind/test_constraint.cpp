// Input constraints on real edits: format parsing, what typing leaves in the
// edit, moving the focus on, and the checks made when the focus leaves.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QAbstractItemView>
#include <QCoreApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cmath>
#include <limits>

#include "snmp/NvMessageCatalogue.h"
#include "bind/NvEditConstraint.h"
#include "tests/common/MessageBoxCloser.h"
#include "snmp/NvSNMPError.h"

namespace {

class ConstraintForm : public testing::Test {
protected:
    void SetUp() override
    {
        auto* layout = new QVBoxLayout(&form);
        first = new QLineEdit(&form);
        second = new QLineEdit(&form);
        layout->addWidget(first);
        layout->addWidget(second);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        first->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), first);
    }

    // Moves the focus from the first edit to the second, as a click or tab would,
    // closing a refusal box if one comes up.
    std::unique_ptr<MessageBoxCloser> leaveFirst()
    {
        auto boxes = std::make_unique<MessageBoxCloser>();
        second->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        return boxes;
    }

    QWidget form;
    QLineEdit* first = nullptr;
    QLineEdit* second = nullptr;
    NvEditConstraint constraint{&form, true};
};

} // namespace

TEST(ConstraintFormat, ParsesTheSpecifications)
{
    constexpr double dmin = std::numeric_limits<double>::min();
    constexpr double dmax = std::numeric_limits<double>::max();
    struct Case {
        const char* spec;
        char conversion, delimiter;
        double minimum, maximum;
        int maxLength, flags;
        char advance;
        int width;
    };
    const Case cases[] = {
        {"%s", 's', 0, dmin, dmax, 0, 0, 0, 0},
        {"%h", 'h', 0, dmin, dmax, 0, 0, 0, 0},
        {"%s{l32}", 's', 0, dmin, dmax, 32, 0, 0, 0},
        {"%i{}", 'i', 0, -2147483648.0, 2147483647.0, 0, 0, 0, 0},
        {"%i{n1x4094l4}", 'i', 0, 1, 4094, 4, 0, 0, 0},
        {"%i{n0x16777214l8a}", 'i', 0, 0, 16777214, 8, 1, 0, 0},
        {"%u{n0x65535l5}", 'u', 0, 0, 65535, 5, 0, 0, 0},
        {"%u", 'u', 0, 0, 4294967295.0, 0, 0, 0, 0},
        {"%f{n-1.5x2.25w80}", 'f', 0, -1.5, 2.25, 0, 0, 0, 80},
        {"%n,{l3fnn1x9}", 'n', ',', 1, 9, 3, 6, 0, 0},
        {"%s{e.l15anf}", 's', 0, dmin, dmax, 15, 7, '.', 0},
        {"%i{l2n5}", 'i', 0, 5, 2147483647.0, 2, 0, 0, 0},  // "n" with a number is the minimum
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.spec);
        EditConstraint_s rec;
        int width = -1;
        ASSERT_EQ(NvEditConstraint::parseSpecification(c.spec, rec, width), 0);
        EXPECT_EQ(rec.conversion, c.conversion);
        EXPECT_EQ(rec.delimiter, c.delimiter);
        EXPECT_EQ(rec.minimum, c.minimum);
        EXPECT_EQ(rec.maximum, c.maximum);
        EXPECT_EQ(rec.maxLength, c.maxLength);
        EXPECT_EQ(rec.flags, c.flags);
        EXPECT_EQ(rec.advanceChar, c.advance);
        EXPECT_EQ(width, c.width);
    }
}

TEST(ConstraintFormat, MalformedSpecificationsAreRefusedWithCodeTwo)
{
    const char* bad[] = {"", "%", "i", "s{l3}", "%x", "%x{l3}", "%n", "%i(", "%i{l4", "%i}",
                         "%i{q1}", "%i{l}", "%i{n}", "%i{x}", "%i{w}", "%i{e}", "%i{n1-2}", "%n,l3"};
    for (const char* spec : bad) {
        SCOPED_TRACE(spec);
        EditConstraint_s rec;
        int width = 0;
        EXPECT_EQ(NvEditConstraint::parseSpecification(spec, rec, width), -2);
    }

    QLineEdit edit;
    NvEditConstraint constraint(nullptr, true);
    try {
        constraint.attach("%x", {&edit});
        FAIL() << "a bad conversion letter was attached";
    } catch (const NvSNMPException& e) {
        EXPECT_EQ(e.code(), -2);
        EXPECT_STREQ(e.what(), "(NvCommon) Bad format specifier of edit's constraint!");
    }
    EXPECT_EQ(constraint.record(&edit), nullptr);
}

TEST(ConstraintValidation, WholeValuesAndTheirMessages)
{
    struct Case {
        const char* spec;
        const char* text;
        int code;
        const char* message;  // the completed catalogue line, when refused
    };
    const Case cases[] = {
        {"%i{n1x4094l4}", "0", -8, "(NvCommon) Please enter a number between 1 and 4094!"},
        {"%i{n1x4094l4}", "4094", 0, ""},
        {"%i{n1x4094l4}", "4095", -8, "(NvCommon) Please enter a number between 1 and 4094!"},
        {"%i", "99999999999", -8, "(NvCommon) Please enter a number between -2147483648 and 2147483647!"},
        {"%i", "-", 0, ""},  // reads as 0
        {"%f{n0.5x2.5}", "2.75", -8, "(NvCommon) Please enter a number between 0.5 and 2.5!"},
        {"%f", "-3.5", 0, ""},
        {"%s{l15}", "123456789012345", 0, ""},
        {"%s{l15}", "1234567890123456", -4, "(NvCommon) Please enter a string whose length is less than 15!"},
        {"%s{l4f}", "abc", -5, "(NvCommon) Please enter a string whose length is 4!"},
        {"%h{l4}", "ABCDE", -6, "(NvCommon) Please enter a hex string whose length is less than 4!"},
        {"%h{l4f}", "ABC", -7, "(NvCommon) Please enter a hex string whose length is 4!"},
        {"%s{l4n}", "", -3, "(NvCommon) Empty value is not allowed!"},
        {"%i{n1x5}", "", 0, ""},
        {"%i{n1x5}", "(NULL)", 0, ""},
        {"%i{n1x5}", "(NOTDONE)", 0, ""},
        {"%n,{l3n1x9}", "1,2,9", 0, ""},
        {"%n,{l3n1x9}", "1,2.6,9", 0, ""},
        {"%n,{l3n1x9}", "1,2,3,4", -9,
         "(NvCommon) Please enter a delimited number string with delimiter ','.\n"
         "Here,the count of the number is less than 3!"},
        {"%n;{l3fn1x9}", "1;2", -10,
         "(NvCommon) Please enter a delimited number string with delimiter ';'.\n"
         "Here,the count of the number is equal to 3!"},
        {"%n,{n1.4x8.6}", "1,9.6", -11,
         "(NvCommon) Please enter a delimited number string with delimiter ','.\n"
         "Here,each number is between 1 and 9!"},
        {"%n,{n1x9}", "1,9.4", 0, ""},  // numbers are rounded before the range check
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spec << " \"" << c.text << "\"");
        EditConstraint_s rec;
        int width = 0;
        ASSERT_EQ(NvEditConstraint::parseSpecification(c.spec, rec, width), 0);
        QString message;
        EXPECT_EQ(NvEditConstraint::validateText(rec, QString::fromUtf8(c.text), &message), c.code);
        if (c.code != 0) {
            EXPECT_EQ(message.toStdString(), c.message);
        }
    }
}

TEST(ConstraintTyping, OffendingCharactersAreRemoved)
{
    struct Case {
        const char* spec;
        const char* typed;
        const char* left;
    };
    const Case cases[] = {
        {"%i{n1x4094l4}", "40a", "40"},
        {"%i{n1x4094l4}", "40945", "4094"},  // a fifth character cannot be typed
        {"%i", "-5-", "-5"},                 // a minus sign only in front
        {"%i{}", "1x2", "12"},
        {"%u", "-7", "7"},
        {"%f", "-1.5.2", "-1.52"},
        {"%h", "0aG1f", "0a1f"},
        {"%n,", ",1,,2,", "1,2,"},
        {"%s{l15}", "abcdefghijklmnop", "abcdefghijklmno"},
        {"%s", "a-b.c", "a-b.c"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.spec << " typed " << c.typed);
        QLineEdit edit;
        NvEditConstraint constraint(nullptr, true);
        constraint.attach(c.spec, {&edit});
        QTest::keyClicks(&edit, c.typed);
        EXPECT_EQ(edit.text().toStdString(), c.left);
    }
}

TEST_F(ConstraintForm, RefusedExitShowsTheMessageAndRestoresTheLastAcceptedText)
{
    constraint.attach("%i{n1x4094l4}", {first});
    first->setText("4094");
    auto boxes = leaveFirst();
    EXPECT_TRUE(boxes->texts.isEmpty());
    EXPECT_EQ(constraint.record(first)->lastAccepted, "4094");
    boxes.reset();

    first->setFocus();
    first->setText("0");
    boxes = leaveFirst();
    EXPECT_EQ(boxes->texts, QStringList({"(NvCommon) Please enter a number between 1 and 4094!"}));
    EXPECT_EQ(boxes->captions, QStringList({QFileInfo(QCoreApplication::applicationFilePath()).fileName()}));
    EXPECT_EQ(first->text(), "4094");
    EXPECT_EQ(form.focusWidget(), first);
}

TEST_F(ConstraintForm, RefusedFirstExitEmptiesTheEdit)
{
    constraint.attach("%s{l15}", {first});
    first->setText("1234567890123456");  // set by code: kept whole, not cut
    EXPECT_EQ(first->text().length(), 16);
    auto boxes = leaveFirst();
    EXPECT_EQ(boxes->texts, QStringList({"(NvCommon) Please enter a string whose length is less than 15!"}));
    EXPECT_EQ(first->text(), "");
    EXPECT_EQ(form.focusWidget(), first);
}

TEST_F(ConstraintForm, GivingTheFocusBackIsNoExitOfTheOtherEdit)
{
    // The second edit would refuse its own exit (empty, "n" flag); the focus
    // returning to the first edit after its refusal must not trigger that.
    constraint.attach("%i{n1x4094}", {first});
    constraint.attach("%s{l4n}", {second});
    first->setText("0");
    auto boxes = leaveFirst();
    EXPECT_EQ(boxes->texts, QStringList({"(NvCommon) Please enter a number between 1 and 4094!"}));
    EXPECT_EQ(form.focusWidget(), first);
}

TEST_F(ConstraintForm, PlaceholdersAreNeitherFilteredNorChecked)
{
    int exits = 0;
    NvEditEvents::of(first)->setExitHandler([&](QLineEdit*) { ++exits; });
    constraint.attach("%i{n1x4094}", {first});
    first->setText("(NULL)");
    EXPECT_EQ(first->text(), "(NULL)");
    auto boxes = leaveFirst();
    EXPECT_TRUE(boxes->texts.isEmpty());
    EXPECT_EQ(first->text(), "(NULL)");
    EXPECT_EQ(exits, 0);
}

TEST_F(ConstraintForm, FullFieldMovesTheFocusOn)
{
    constraint.attach("%i{n0x16777214l8a}", {first});
    QTest::keyClicks(first, "1234567");
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(QApplication::focusWidget(), first);
    QTest::keyClick(first, '8');
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(QApplication::focusWidget(), second);
    EXPECT_EQ(constraint.record(first)->lastAccepted, "12345678");
}

// The configuration form's refresh message (34002) reaches the form although
// a constraint filters the form's events for its own focus-next event.
TEST_F(ConstraintForm, FormRefreshMessagePassesTheFocusFilter)
{
    struct Recorder : QObject {
        int refreshes = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == static_cast<QEvent::Type>(34002))
                ++refreshes;
            return false;
        }
    } recorder;
    form.installEventFilter(&recorder);  // runs after filters installed later
    constraint.attach("%i{n0x16777214l2a}", {first});
    QTest::keyClicks(first, "12");
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(QApplication::focusWidget(), second);
    QCoreApplication::postEvent(&form, new QEvent(static_cast<QEvent::Type>(34002)));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(recorder.refreshes, 1);
    form.removeEventFilter(&recorder);
}

TEST_F(ConstraintForm, AdvanceCharacterMovesOnInsteadOfBeingTyped)
{
    constraint.attach("%s{e.}", {first});
    QTest::keyClicks(first, "ab.");
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(first->text(), "ab");
    EXPECT_EQ(QApplication::focusWidget(), second);
}

TEST_F(ConstraintForm, OwnHandlersAreChainedAndComeBackOnDetach)
{
    QStringList changes;
    int exits = 0;
    NvEditEvents* events = NvEditEvents::of(first);
    events->setChangeHandler([&](QLineEdit* e) { changes << e->text(); });
    events->setExitHandler([&](QLineEdit* e) {
        ++exits;
        // the own exit handler vetoes "13": the last accepted text comes back
        NvEditEvents::setTag(e, e->text() == "13" ? -1 : 0);
    });
    constraint.attach("%i{n1x99}", {first});

    QTest::keyClicks(first, "1x2");
    // never called for a text holding the rejected character; the corrected
    // text is a change of its own
    EXPECT_EQ(changes, QStringList({"1", "1", "12"}));
    leaveFirst();
    EXPECT_EQ(exits, 1);
    EXPECT_EQ(constraint.record(first)->lastAccepted, "12");

    first->setFocus();
    first->setText("13");
    leaveFirst();
    EXPECT_EQ(exits, 2);
    EXPECT_EQ(first->text(), "12");
    NvEditEvents::setTag(first, 0);

    constraint.detach(first);
    EXPECT_EQ(constraint.record(first), nullptr);
    first->setFocus();
    changes.clear();
    QTest::keyClicks(first, "a");
    EXPECT_EQ(first->text(), "12a");
    EXPECT_EQ(changes, QStringList({"12a"}));
}

TEST_F(ConstraintForm, DestroyedConstraintLeavesWorkingEdits)
{
    QStringList changes;
    NvEditEvents::of(first)->setChangeHandler([&](QLineEdit* e) { changes << e->text(); });
    {
        NvEditConstraint shortLived(&form, false);
        shortLived.attach("%u{l2}", {first});
        shortLived.rememberText(first);
    }
    QTest::keyClicks(first, "x12345");
    EXPECT_EQ(first->text(), "x12345");  // neither filter nor length limit remain
    EXPECT_EQ(changes.size(), 6);
}

TEST_F(ConstraintForm, WidthAndOwnerForm)
{
    QWidget other;
    constraint.setOwnerForm(&other);
    EXPECT_EQ(constraint.ownerForm(), &other);
    constraint.attach("%s{w120}", {first});
    EXPECT_EQ(first->width(), 120);
    constraint.setOwnerForm(&form);
}

TEST_F(ConstraintForm, APasteThatDoesNotFitIsCutToTheRoomLeft)
{
    struct Case {
        const char* before;
        const char* clipboard;
        const char* after;
    };
    const Case cases[] = {
        {"ab", "cdefgh", "abcde"},
        {"abcde", "x", "abcde"},  // full: nothing goes in
        {"", "xyz", "xyz"},       // fits: pasted whole
    };
    constraint.attach("%s{l5}", {first});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.clipboard);
        first->setText(c.before);
        first->end(false);
        QApplication::clipboard()->setText(c.clipboard);
        QTest::keySequence(first, QKeySequence::Paste);
        EXPECT_EQ(first->text().toStdString(), c.after);
    }
    // Typing on in a full field still adds nothing, and code may set more.
    QTest::keyClick(first, 'q');
    EXPECT_EQ(first->text(), "xyz" "q");
    first->setText("1234567");
    EXPECT_EQ(first->text(), "1234567");
}

TEST_F(ConstraintForm, ClickingAButtonOrComboBoxOutOfARefusedEditDoesNotActOnIt)
{
    auto* button = new QPushButton("Go", &form);
    auto* combo = new QComboBox(&form);
    combo->addItems({"a", "b"});
    form.layout()->addWidget(button);
    form.layout()->addWidget(combo);
    QCoreApplication::processEvents();
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked, [&] { ++clicks; });
    constraint.attach("%i{n1x10}", {first});
    for (QWidget* target : {static_cast<QWidget*>(button), static_cast<QWidget*>(combo)}) {
        SCOPED_TRACE(target->metaObject()->className());
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        first->setFocus();
        first->setText("99");
        MessageBoxCloser boxes;
        QTest::mouseClick(target, Qt::LeftButton, {}, target->rect().center());
        QCoreApplication::processEvents();
        EXPECT_EQ(boxes.texts, QStringList({"(NvCommon) Please enter a number between 1 and 10!"}));
        EXPECT_EQ(form.focusWidget(), first);
        EXPECT_EQ(clicks, 0);
        EXPECT_FALSE(button->isDown());
        EXPECT_FALSE(combo->view()->isVisible());
    }
    // Once the edit holds an accepted value the same click acts.
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    first->setFocus();
    first->setText("5");
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    EXPECT_EQ(clicks, 1);
}
