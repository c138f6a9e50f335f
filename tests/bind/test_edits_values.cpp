// The editor binding without an agent: values between rows and controls,
// port lists on check boxes, option lists, overlays and status lines.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvOptionList.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "snmp/NvValueText.h"
#include "tests/common/ErrorCode.h"

namespace {

const NvOptionPair kState[] = {{2, "disabled"}, {3, "enabled"}, {0, nullptr}};
const NvOptionList kStateList(kState);

const NvSNMPVarDescriptor kRows[] = {
    {"1.3.6.1.4.1.497.999.3.1", "Ports", SyntaxBits, AccessReadable | AccessWritable},
    {"1.3.6.1.4.1.497.999.3.2", "State", SyntaxInteger, AccessReadable | AccessWritable, &kStateList},
    {"1.3.6.1.4.1.497.999.3.3", "Name", SyntaxDisplayString, AccessReadable | AccessWritable},
    {"1.3.6.1.4.1.497.999.3.4", "Key", SyntaxOctets, AccessReadable | AccessWritable},
    {"1.3.6.1.4.1.497.999.3.5", "Count", SyntaxCounter, AccessReadable},
    {"1.3.6.1.4.1.497.999.3.6", "Flag", SyntaxBoolean, AccessReadable | AccessWritable},
    {nullptr},
};
enum { Ports, State, Name, Key, Count, Flag };

class EditsValues : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<QWidget>();
        binding = std::make_unique<NvSNMPRequest2Edits>(form.get());
        binding->request.varList.assign(NvSNMPVarList(kRows, NvSNMPVarList::ScalarGroup, 0));
    }
    std::string& value(int row) { return binding->request.varList.row(row).value; }

    std::unique_ptr<QWidget> form;
    std::unique_ptr<NvSNMPRequest2Edits> binding;
};

TEST_F(EditsValues, PortListOnEveryBitOfTheStack)
{
    std::vector<QCheckBox*> boxes;
    std::string bits;
    for (int b = 0; b < 768; ++b) {
        boxes.push_back(new QCheckBox(form.get()));
        bits += (b ? "," : "") + std::to_string(b);
    }
    binding->bindCheckBoxes(Ports, bits, boxes);

    value(Ports) = "80" + std::string(190, '0');
    binding->showValues(Ports);
    std::vector<int> checked;
    for (int b = 0; b < 768; ++b)
        if (boxes[static_cast<size_t>(b)]->isChecked())
            checked.push_back(b);
    EXPECT_EQ(checked, std::vector<int>{0});

    // Octets beyond the last box's octet keep the old value.
    value(Ports) = std::string(200, 'F');
    for (QCheckBox* box : boxes)
        box->setChecked(false);
    boxes[0]->setChecked(true);
    boxes[9]->setChecked(true);
    binding->takeValues(Ports);
    EXPECT_EQ(value(Ports), "8040" + std::string(188, '0') + "FFFFFFFF");

    value(Ports) = "";
    EXPECT_EQ(codeOf([&] { binding->showValues(Ports); }), -519);
    value(Ports) = "(NULL)";
    EXPECT_EQ(codeOf([&] { binding->showValues(-1); }), -519);
}

TEST_F(EditsValues, CheckBoxOverATwoOptionList)
{
    QCheckBox box(form.get());
    binding->bindControl(State, &box);
    struct Case {
        const char* value;
        bool checked;
    } const shown[] = {{"disabled", false}, {"enabled", true}, {"3", true}, {"2", false}, {"7", false}};
    for (const auto& c : shown) {
        box.setChecked(!c.checked);
        value(State) = c.value;
        binding->showValues(State);
        EXPECT_EQ(box.isChecked(), c.checked) << c.value;
    }
    box.setChecked(true);
    binding->takeValues(State);
    EXPECT_EQ(value(State), "enabled");
    box.setChecked(false);
    binding->takeValues(State);
    EXPECT_EQ(value(State), "disabled");
}

TEST_F(EditsValues, CheckBoxNeedsATruthValueOrOptions)
{
    QCheckBox flag(form.get()), other(form.get());
    binding->bindControl(Flag, &flag);
    value(Flag) = "true";
    binding->showValues(Flag);
    EXPECT_TRUE(flag.isChecked());
    flag.setChecked(false);
    binding->takeValues(Flag);
    EXPECT_EQ(value(Flag), "false");

    binding->bindControl(Name, &other);
    value(Name) = "x";
    EXPECT_EQ(codeOf([&] { binding->showValues(Name); }), -517);
    EXPECT_EQ(codeOf([&] { binding->takeValues(Name); }), -517);
}

TEST_F(EditsValues, OverlayOfEditsOnTheWholeValue)
{
    QLineEdit name(form.get()), key(form.get());
    binding->bindEdit(Name, "%s", &name);
    binding->bindEdit(Key, "%h", &key);
    struct Case {
        int row;
        QLineEdit* edit;
        const char* before;
        const char* typed;
        const char* after;
    } const cases[] = {
        {Name, &name, "a much longer name", "short", "short"},
        {Name, &name, "abc", "", ""},
        {Key, &key, "01020304", "AA", "AA020304"},
        {Key, &key, "01", "AABBCC", "AABBCC"},
    };
    for (const auto& c : cases) {
        value(c.row) = c.before;
        c.edit->setText(c.typed);
        binding->takeValues(c.row);
        EXPECT_EQ(value(c.row), c.after) << c.before << " <- " << c.typed;
    }
}

TEST_F(EditsValues, EveryControlKindShowsAndTakes)
{
    QLabel label(form.get());
    QComboBox combo(form.get());
    QLineEdit edit(form.get());
    binding->bindControl(Count, &label);  // read-only row: shown, never taken
    binding->bindComboBox(State, &combo);
    binding->bindEdit(Name, "%s{l15}", &edit);
    value(Count) = "42";
    value(State) = "3";
    value(Name) = "core";
    binding->showValues(-1);
    EXPECT_EQ(label.text(), "42");
    EXPECT_EQ(combo.currentText(), "enabled");
    EXPECT_EQ(edit.text(), "core");

    combo.setCurrentIndex(0);
    edit.setText("edge");
    label.setText("7");
    binding->takeValues(-1);
    EXPECT_EQ(value(State), "disabled");
    EXPECT_EQ(value(Name), "edge");
    EXPECT_EQ(value(Count), "42");

    // A combo box without a selection cannot be collected.
    combo.setCurrentIndex(-1);
    EXPECT_NE(codeOf([&] { binding->takeValues(State); }), 0);

    // Unbinding leaves the row's value alone on the next collection.
    binding->unbind(Name);
    edit.setText("other");
    binding->takeValues(Name);
    EXPECT_EQ(value(Name), "edge");
}

TEST_F(EditsValues, BindingErrors)
{
    QComboBox combo(form.get());
    QWidget plain(form.get());
    EXPECT_EQ(codeOf([&] { binding->bindComboBox(Name, &combo); }), -520);
    binding->bindControl(Count, &plain);
    value(Count) = "1";
    EXPECT_EQ(codeOf([&] { binding->showValues(Count); }), -521);
    QCheckBox one(form.get());
    EXPECT_EQ(codeOf([&] { binding->bindCheckBoxes(Ports, "0,1", {&one}); }), -522);
    EXPECT_EQ(codeOf([&] { binding->bindCheckBoxes(Ports, "x", {&one}); }), -519);
}

TEST_F(EditsValues, StatusLinesOnEveryTargetKind)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const auto saved = NvSNMPRequest2Controls::clock;
    NvSNMPRequest2Controls::clock = [] { return QTime(10, 15, 3); };
    QPlainTextEdit memo(form.get());
    QStatusBar bar(form.get());
    QLabel panel(&bar);
    bar.addWidget(&panel);

    binding->request.varList.name = " Led Status";
    binding->setStatusTarget(&memo);
    binding->showStatus("(NvSNMP++) Ok!");
    binding->request.varList.name = "";
    binding->showStatus("(NvSNMP++) Ok!");
    EXPECT_EQ(memo.toPlainText().toStdString(),
              "Get: (NvSNMP++) Ok! Request: Led Status. Receive at 10:15:03 AM.\n"
              "Get: (NvSNMP++) Ok!. Receive at 10:15:03 AM.");

    NvSNMPRequest2Controls::clock = [] { return QTime(0, 5, 9); };
    binding->lastOperation = NvSNMPRequest2Controls::SetOperation;
    binding->request.varList.name = " Ports";
    binding->setStatusTarget(&bar);
    binding->showStatus("first");
    binding->showStatus("second");
    EXPECT_EQ(bar.currentMessage().toStdString(), "Set: second Request: Ports. Receive at 12:05:09 AM.");

    NvSNMPRequest2Controls::clock = [] { return QTime(23, 0, 0); };
    binding->setStatusTarget(&panel);
    binding->showStatus("third");
    EXPECT_EQ(panel.text().toStdString(), "Set: third Request: Ports. Receive at 11:00:00 PM.");
    NvSNMPRequest2Controls::clock = saved;
}

}  // namespace
