// The daylight-saving editor against hv720-sim: both encodings decoded into the
// boxes and built back from them, the kinds shown, and the order of the writes.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

#include "editors/time/SummerTimeConfigFormUnit.h"
#include "tests/editors/ServiceEditorTest.h"

namespace {

const std::string kStatus = "1.3.6.1.4.1.497.12.10.12.1.0";
const std::string kOffset = "1.3.6.1.4.1.497.12.10.12.2.0";
const std::string kRepeatStart = "1.3.6.1.4.1.497.12.10.12.3.0";
const std::string kRepeatEnd = "1.3.6.1.4.1.497.12.10.12.4.0";
const std::string kAnnualStart = "1.3.6.1.4.1.497.12.10.12.5.0";
const std::string kAnnualEnd = "1.3.6.1.4.1.497.12.10.12.6.0";
// The simulator's switch that serves octet strings under an OID cut to a length.
const std::string kLongStringsOid = "1.3.6.1.4.1.497.999.1.24.0";
const std::string kLongStringsLength = "1.3.6.1.4.1.497.999.1.25.0";

QStringList shown(std::initializer_list<const QComboBox*> boxes)
{
    QStringList texts;
    for (const QComboBox* box : boxes)
        texts << box->currentText();
    return texts;
}

using SummerTimeForm = ServiceEditorTest;

TEST_F(SummerTimeForm, AnnualValuesAreDecodedIntoTheAnnualBoxes)
{
    ASSERT_EQ(sim->set({kStatus, "i", "2", kAnnualStart, "x", "1D030200", kAnnualEnd, "x", "1A0A0300"}).exitCode, 0);
    TSummerTimeConfigForm form(context);
    EXPECT_EQ(form.ComboBox1->currentText(), "annual");
    EXPECT_EQ(shown({form.From.day, form.From.month, form.From.hour, form.From.minute}),
              QStringList({"29", "3", "2", "0"}));
    EXPECT_EQ(shown({form.To.day, form.To.month, form.To.hour, form.To.minute}),
              QStringList({"26", "10", "3", "0"}));
    EXPECT_FALSE(form.From.day->isHidden());
    EXPECT_TRUE(form.From.week->isHidden());
    EXPECT_FALSE(form.From.week->isEnabled());
}

TEST_F(SummerTimeForm, AnUndecodablePeriodIsLeftUnchosenAndNothingUnreadIsWritten)
{
    // A start of two octets: the end is still shown, and no kind writes boxes
    // that were never read or picked.
    ASSERT_EQ(sim->set({kStatus, "i", "2", kAnnualStart, "x", "1D030200", kAnnualEnd, "x", "1A0A0300"}).exitCode, 0);
    ASSERT_EQ(sim->set({kLongStringsOid, "o", kAnnualStart, kLongStringsLength, "i", "2"}).exitCode, 0);
    TSummerTimeConfigForm form(context);
    ASSERT_EQ(sim->set({kLongStringsLength, "i", "0"}).exitCode, 0);
    EXPECT_EQ(shown({form.From.day, form.From.month, form.From.hour, form.From.minute}),
              QStringList({"", "", "", ""}));
    EXPECT_EQ(shown({form.To.day, form.To.month, form.To.hour, form.To.minute}),
              QStringList({"26", "10", "3", "0"}));
    EXPECT_TRUE(form.Memo1->toPlainText().contains("From"));
    takeSets();
    form.SetBtnClick();
    form.ComboBox1->setCurrentIndex(form.ComboBox1->findText("repeating"));
    form.SetBtnClick();
    EXPECT_TRUE(takeSets().empty());

    // Once the start is picked the end read from the agent is written back as it was.
    form.ComboBox1->setCurrentIndex(form.ComboBox1->findText("annual"));
    pick(form.From.day, "29");
    pick(form.From.month, "3");
    pick(form.From.hour, "2");
    pick(form.From.minute, "0");
    form.SetBtnClick();
    idle(form.annualBinding());
    const std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[1], kAnnualStart + "=0x1D030200 " + kAnnualEnd + "=0x1A0A0300");
    ASSERT_EQ(sim->set({kStatus, "i", "1"}).exitCode, 0);  // the repeating rule the other cases start from
}

TEST_F(SummerTimeForm, RepeatingValuesAreDecodedWithTheLastWeekRules)
{
    TSummerTimeConfigForm form(context);  // the simulator starts with a repeating rule
    ASSERT_EQ(form.ComboBox1->currentText(), "repeating");
    struct Case {
        const char* hex;
        bool end;
        QStringList boxes;  // week, day of week, month, hour, minute
    } cases[] = {
        {"000001030200", false, {"Last", "Sunday", "3", "2", "0"}},
        {"020002040100", false, {"Second", "Monday", "4", "1", "0"}},
        {"050001030200", false, {"Last", "Sunday", "3", "2", "0"}},
        {"ff00010A0300", true, {"Last", "Sunday", "10", "3", "0"}},
        {"FF0007010000", true, {"Last", "Saturday", "1", "0", "0"}},
        {"010002030400", true, {"First", "Monday", "3", "4", "0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hex);
        TSummerTimeConfigForm::PeriodBoxes& boxes = c.end ? form.To : form.From;
        TSummerTimeConfigForm::decodeRepeat(c.hex, boxes);
        EXPECT_EQ(shown({boxes.week, boxes.dayOfWeek, boxes.monthR, boxes.hourR, boxes.minuteR}), c.boxes);
    }
    // A text cut short stops at the missing octet; the boxes before it keep their new items.
    EXPECT_THROW(TSummerTimeConfigForm::decodeRepeat("03000504", form.From), std::exception);
    EXPECT_EQ(shown({form.From.week, form.From.dayOfWeek, form.From.monthR, form.From.hourR}),
              QStringList({"Third", "Thursday", "4", "2"}));
}

TEST_F(SummerTimeForm, SetWritesStatusAndOffsetFirstThenTheChosenEncoding)
{
    TSummerTimeConfigForm form(context);
    // First Sunday of March 02:00 to the last Sunday of October 03:00.
    pick(form.From.week, "First");
    pick(form.From.dayOfWeek, "Sunday");
    pick(form.From.monthR, "3");
    pick(form.From.hourR, "2");
    pick(form.From.minuteR, "0");
    pick(form.To.week, "Last");
    pick(form.To.dayOfWeek, "Sunday");
    pick(form.To.monthR, "10");
    pick(form.To.hourR, "3");
    pick(form.To.minuteR, "0");
    pick(form.OffSetTimeComboBox, "90");
    form.SetBtnClick();
    idle(form.repeatBinding());
    const std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 2u);
    EXPECT_EQ(sets[0], kStatus + "=1 " + kOffset + "=90");
    EXPECT_EQ(sets[1], kRepeatStart + "=0x010001030200 " + kRepeatEnd + "=0xFF00010A0300");

    // Annual: 29 March 02:00 to 26 October 03:00.
    pick(form.ComboBox1, "annual");
    EXPECT_FALSE(form.From.day->isHidden());
    pick(form.From.day, "29");
    pick(form.From.month, "3");
    pick(form.From.hour, "2");
    pick(form.From.minute, "0");
    pick(form.To.day, "26");
    pick(form.To.month, "10");
    pick(form.To.hour, "3");
    pick(form.To.minute, "0");
    form.SetBtnClick();
    idle(form.annualBinding());
    const std::vector<std::string> annual = takeSets();
    ASSERT_EQ(annual.size(), 2u);
    EXPECT_EQ(annual[0], kStatus + "=2 " + kOffset + "=90");
    EXPECT_EQ(annual[1], kAnnualStart + "=0x1D030200 " + kAnnualEnd + "=0x1A0A0300");
}

TEST_F(SummerTimeForm, DisabledRuleWritesOnlyStatusAndOffsetAndAnOddOffsetLeavesTheChoice)
{
    ASSERT_EQ(sim->set({kStatus, "i", "0", kOffset, "i", "45"}).exitCode, 0);
    TSummerTimeConfigForm form(context);
    EXPECT_EQ(form.ComboBox1->currentText(), "disable");
    EXPECT_EQ(form.OffSetTimeComboBox->currentText(), "30");  // 45 is not offered: the choice stays
    for (QComboBox* box : {form.From.week, form.From.monthR, form.To.minuteR, form.From.day, form.To.day})
        EXPECT_FALSE(box->isEnabled()) << box->objectName().toStdString();
    takeSets();
    form.SetBtnClick();
    idle(form.statusBinding());
    const std::vector<std::string> sets = takeSets();
    ASSERT_EQ(sets.size(), 1u);
    EXPECT_EQ(sets[0], kStatus + "=0 " + kOffset + "=30");
}

} // namespace
