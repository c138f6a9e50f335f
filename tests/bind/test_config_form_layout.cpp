// The generated configuration form without an agent: the strip and row layout
// arithmetic, the size cap, the strip's bitmap glyphs and the programming errors.
#include <QCheckBox>
#include <QCoreApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "bind/CtrlBtnPanel.h"
#include "bind/EditsPanel.h"
#include "bind/GUIConfigForm.h"
#include "bind/ListViewPanel.h"
#include "bind/MsgPanel.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "bind/SNMPEditorPanel.h"
#include "bind/SNMPListViewPanel.h"
#include "catalogue/NvViewCatalogue.h"
#include "snmp/NvSNMPError.h"

namespace {

std::unique_ptr<NvSNMPRequest2Edits> bindingFor(QWidget* form, const NvViewTable& view)
{
    auto binding = std::make_unique<NvSNMPRequest2Edits>(form);
    binding->request.varList.assign(NvSNMPVarList(view.table, view.listKind, view.indexCount));
    return binding;
}

std::unique_ptr<NvSNMPRequest2Edits> bindingFor(QWidget* form, const char* opener)
{
    const NvViewTable* view = NvViewCatalogue::byOpener(opener);
    EXPECT_NE(view, nullptr) << opener;
    return bindingFor(form, *view);
}

}  // namespace

TEST(ConfigFormLayout, RowsStripAndPanelFollowTheArithmetic)
{
    QWidget owner;
    const auto rowsBinding = bindingFor(&owner, "Network Time");
    TEditsPanel edits(&owner, rowsBinding.get());
    ASSERT_EQ(edits.rowCount(), 5);
    EXPECT_EQ(edits.rows.back().kind, UISnmpVar::Closing);
    const std::vector<int> kinds = {UISnmpVar::EditableEnum, UISnmpVar::ReadOnlyEnum, UISnmpVar::EditableText,
                                    UISnmpVar::EditableText, UISnmpVar::EditableText};
    int widestLabel = 0;
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(edits.rows[k].kind, kinds[k]) << k;
        widestLabel = std::max(widestLabel, edits.rows[k].label->width());
    }
    const int controlLeft = TEditsPanel::checkBoxLeft + TEditsPanel::checkBoxWidth + 2 * TEditsPanel::columnGap
                            + widestLabel;
    int top = TEditsPanel::firstRowTop;
    for (int k = 0; k < 5; ++k) {
        SCOPED_TRACE(k);
        const UISnmpVar& row = edits.rows[k];
        EXPECT_EQ(row.control->geometry(), QRect(controlLeft, top, 121, row.control->height()));
        EXPECT_GE(row.control->height(), 21);
        EXPECT_EQ(row.checkBox->x(), 20);
        EXPECT_EQ(row.checkBox->width(), 20);
        EXPECT_EQ(row.checkBox->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(row.label->x(), 45);
        EXPECT_EQ(row.label->y(), top + (row.control->height() - row.label->height()) / 2);
        top += row.control->height() + 5;
    }
    const QRect last = edits.rows[4].control->geometry();
    EXPECT_EQ(edits.size(), QSize(last.right() + 1 + 40, last.bottom() + 1 + 40));
    // The panel around the same rows: strip 116 wide, splitter, message area 50 high.
    TConfigForm form(nullptr);
    TSNMPEditorPanel* panel = form.showEditor(bindingFor(&form, "Network Time"));
    EXPECT_EQ(panel->designSize(), QSize(edits.width() + 116 + 3 + 3, edits.height() + 50 + 3));
    EXPECT_EQ(form.size(), panel->designSize());

    // The strip: 10 from the top, 96 wide at 10, hidden controls take no room.
    TCtrlBtnPanel& strip = *panel->buttons;
    EXPECT_EQ(strip.width(), 116);
    int y = 10;
    for (QWidget* item : strip.items) {
        if (item->isHidden())
            continue;
        EXPECT_EQ(item->geometry(), QRect(10, y, 96, item->height())) << item->objectName().toStdString();
        y += item->height() + 5;
    }
    EXPECT_EQ(strip.RefreshBtn->y(), 10);  // count text and "Samples" are hidden in an editor

    // Tab goes through the editable rows, then the strip, then the message area.
    const std::vector<QWidget*> expected = {
        panel->editsPanel->rows[0].control, panel->editsPanel->rows[2].control, panel->editsPanel->rows[3].control,
        panel->editsPanel->rows[4].control, strip.RefreshBtn, strip.SetCheckedBtn, strip.CheckAllBtn,
        strip.ClearChecksBtn, strip.CloseBtn, panel->messages()->memo};
    std::vector<QWidget*> chain;
    QWidget* w = expected.front();
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && std::find(expected.begin(), expected.end(), w) != expected.end())
            chain.push_back(w);
        w = w->nextInFocusChain();
    } while (w != expected.front());
    EXPECT_EQ(chain, expected);

    // A hidden row takes no room; showing it puts it back.
    const int fourthTop = edits.rows[3].control->y();
    edits.hideRow(2);
    edits.layoutRows();
    EXPECT_EQ(edits.rows[3].control->y(), edits.rows[1].control->y() + edits.rows[1].control->height() + 5);
    EXPECT_TRUE(edits.isRowHidden(2));
    edits.showRow(2);
    edits.layoutRows();
    EXPECT_EQ(edits.rows[3].control->y(), fourthTop);
    // A new edit width moves nothing but the right edges.
    edits.setEditWidth(200);
    EXPECT_EQ(edits.rows[0].control->width(), 200);
    EXPECT_EQ(edits.width(), controlLeft + 200 + 40);
}

TEST(ConfigFormLayout, ALongViewScrollsInsideAFormOfAtMost800By550)
{
    // Thirty rows, one with a very long label: the rows want more than the cap.
    const NvSNMPVarDescriptor* networkTime = NvViewCatalogue::byOpener("Network Time")->table;
    static const std::string longLabel(140, 'W');
    std::vector<NvSNMPVarDescriptor> rows;
    for (int k = 0; k < 30; ++k) {
        NvSNMPVarDescriptor row = networkTime[2];
        if (k == 7)
            row.label = longLabel.c_str();
        rows.push_back(row);
    }
    rows.push_back(NvSNMPVarDescriptor{});
    TConfigForm form(nullptr);
    auto binding = std::make_unique<NvSNMPRequest2Edits>(&form);
    binding->request.varList.assign(NvSNMPVarList(rows.data(), NvSNMPVarList::ScalarGroup, 0));
    TSNMPEditorPanel* panel = form.showEditor(std::move(binding));
    EXPECT_GT(panel->designSize().width(), 800);
    EXPECT_GT(panel->designSize().height(), 550);
    EXPECT_EQ(form.size(), QSize(800, 550));
    form.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(form.size(), QSize(800, 550));
    EXPECT_GT(panel->editsPanel->ScrollBox1->verticalScrollBar()->maximum(), 0);
    EXPECT_GT(panel->editsPanel->ScrollBox1->horizontalScrollBar()->maximum(), 0);
    form.close();
}

TEST(ConfigFormLayout, TableFormPanelShowsEveryHeaderWithinTheScreen)
{
    // The second table's headers alone are wider than the 450 px the panel
    // once was capped at.
    for (const char* opener : {"System Log Host Table", "Target Address Table"}) {
        SCOPED_TRACE(opener);
        QWidget owner;
        const auto binding = bindingFor(&owner, opener);
        TListViewPanel list(&owner, binding.get());
        const QTreeWidget* view = list.listView;
        const QFontMetrics metrics(view->header()->font());
        int columns = 0;
        for (int col = 0; col < view->columnCount(); ++col) {
            if (view->columnWidth(col) == 0)
                continue;  // a hidden column
            EXPECT_GT(view->columnWidth(col), metrics.horizontalAdvance(view->headerItem()->text(col)));
            columns += view->columnWidth(col);
        }
        const int screen = owner.screen()->availableGeometry().width();
        EXPECT_EQ(list.width(), std::min(list.wantedWidth(), screen));
        EXPECT_GT(list.wantedWidth(), columns);
        EXPECT_EQ(list.height(), 350);

        TConfigForm form(nullptr);
        TSNMPListViewPanel* panel = form.showTable(bindingFor(&form, opener));
        EXPECT_EQ(panel->designSize(), QSize(list.width() + 116 + 3 + 3, 350 + 50 + 3));
        EXPECT_EQ(form.formType(), TConfigForm::TableForm);
        EXPECT_EQ(form.bindings().size(), 1u);
    }
}

TEST(ConfigFormLayout, ProgrammingErrorsAreRaised)
{
    struct Case {
        const char* name;
        std::function<void(TConfigForm&)> run;
        std::string message;
    };
    const Case cases[] = {
        {.name = "second view",
         .run = [](TConfigForm& f) {
             f.showEditor(bindingFor(&f, "Network Time"));
             f.showTable(bindingFor(&f, "System Log Host Table"));
         },
         .message = "Can not change Type of a Config Form!"},
        {.name = "add text not offered",
         .run = [](TConfigForm& f) { f.showTable(bindingFor(&f, "System Log Host Table"), 6, "bogus"); },
         .message = "TSNMPListViewPanel::SetAddStatus - Wrong AddStatusValue:bogus"},
        {.name = "delete row without a combo box",
         .run = [](TConfigForm& f) { f.showTable(bindingFor(&f, "System Log Host Table"), -1, "", 1, "destroy"); },
         .message = "TSNMPListViewPanel::SetDeleteStatus - Wrong DeleteStatusValue:destroy"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TConfigForm form(nullptr);
        try {
            c.run(form);
            ADD_FAILURE() << "no error";
        } catch (const NvSNMPException& x) {
            EXPECT_EQ(std::string(x.what()), c.message);
        }
    }
    TEditsPanel unbound(nullptr, nullptr);
    TCtrlBtnPanel strip(nullptr);
    try {
        unbound.ArrangeCtrlBtn(&strip);
        ADD_FAILURE() << "no error";
    } catch (const NvSNMPException& x) {
        EXPECT_EQ(std::string(x.what()), "TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!");
    }
}

TEST(ConfigFormLayout, BitmapsInTheWorkingDirectoryReplaceCaptionsUntilOneFailsToLoad)
{
    QTemporaryDir dir;
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::darkGreen);
    ASSERT_TRUE(glyph.save(dir.filePath("Get.bmp"), "BMP"));
    ASSERT_TRUE(glyph.save(dir.filePath("Add.bmp"), "BMP"));    // after the broken one: not loaded
    ASSERT_TRUE(glyph.save(dir.filePath("Close.bmp"), "BMP"));
    QFile broken(dir.filePath("SetCheck.bmp"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("not a bitmap");
    broken.close();
    // Set.bmp is missing: that button is skipped and loading goes on.
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    TCtrlBtnPanel strip(nullptr);
    QDir::setCurrent(before);

    struct Expect {
        QPushButton* button;
        const char* caption;  // empty: shows the glyph
    };
    for (const Expect& e : {Expect{strip.RefreshBtn, ""}, Expect{strip.EditBtn, "Edit"},
                            Expect{strip.SetCheckedBtn, "Set Checked"}, Expect{strip.AddBtn, "Add"},
                            Expect{strip.CloseBtn, "Close"}}) {
        SCOPED_TRACE(e.button->objectName().toStdString());
        EXPECT_EQ(e.button->text(), QString::fromLatin1(e.caption));
        EXPECT_EQ(e.button->icon().isNull(), *e.caption != 0);
    }
    EXPECT_EQ(strip.RefreshBtn->toolTip(), "Refresh");
}
