#include "bind/EditsPanel.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "bind/CtrlBtnPanel.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPVarDescriptor.h"

namespace {

void setColours(QWidget* control, const QColor& text, const QColor& back)
{
    QPalette palette = control->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text, text);
        palette.setColor(group, QPalette::ButtonText, text);
        palette.setColor(group, QPalette::Base, back);
        palette.setColor(group, QPalette::Button, back);
    }
    control->setPalette(palette);
}

// What a row's control shows: an edit's text or a combo box's selected item.
QString shownText(const QWidget* control)
{
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        return edit->text();
    if (const auto* combo = qobject_cast<const QComboBox*>(control))
        return combo->currentIndex() < 0 ? QString() : combo->currentText();
    return QString();
}

}  // namespace

TEditsPanel::TEditsPanel(QWidget* owner, NvSNMPRequest2Edits* binding)
    : QWidget(owner)
    , EditCtrl(binding)
    , readOnlyBackColour(QApplication::palette().color(QPalette::Button))
{
    ScrollBox1 = new QScrollArea(this);
    ScrollBox1->setWidgetResizable(false);
    m_rowArea = new QWidget;
    ScrollBox1->setWidget(m_rowArea);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ScrollBox1);
    buildRows();
}

void TEditsPanel::buildRows()
{
    rows.clear();
    if (EditCtrl) {
        NvSNMPVarList& list = EditCtrl->request.varList;
        for (int k = 0; k < list.count(); ++k) {
            const NvSNMPVarRow& r = list.row(k);
            UISnmpVar row;
            const bool writable = list.isWritable(k);
            if (writable)
                row.kind = r.options ? UISnmpVar::EditableEnum : UISnmpVar::EditableText;
            else
                row.kind = r.options ? UISnmpVar::ReadOnlyEnum : UISnmpVar::ReadOnlyText;
            auto* check = new QCheckBox(m_rowArea);
            check->setFixedWidth(checkBoxWidth);
            check->setFocusPolicy(Qt::NoFocus);
            check->setAccessibleName(QString::fromStdString(r.label));
            connect(check, &QCheckBox::clicked, this, [this] { checkClicked(); });
            row.checkBox = check;
            auto* label = new QLabel(QString::fromStdString(r.label), m_rowArea);
            label->adjustSize();
            row.label = label;
            if (row.kind == UISnmpVar::EditableEnum) {
                auto* combo = new QComboBox(m_rowArea);
                EditCtrl->bindComboBox(k, combo);
                row.control = combo;
            } else {
                auto* edit = new QLineEdit(m_rowArea);
                EditCtrl->bindEdit(k, row.format, edit);
                row.control = edit;
            }
            label->setBuddy(row.control);
            row.control->resize(editWidth, row.control->sizeHint().height());
            rows.push_back(row);
        }
    }
    rows.push_back(UISnmpVar{});  // closing record
    applyRowStates(false);
    layoutRows(true);
}

// ---------------------------------------------------------------------------
// Row looks

void TEditsPanel::setRowLook(int row, bool editable)
{
    UISnmpVar& r = rows[static_cast<size_t>(row)];
    if (r.checkBox) {
        r.checkBox->setEnabled(editable);
        if (editable) {
            if (!isRowHidden(row))
                r.checkBox->show();
            r.checkBox->setChecked(defaultChecked);
        } else {
            r.checkBox->hide();
            r.checkBox->setChecked(false);
        }
    }
    if (auto* edit = qobject_cast<QLineEdit*>(r.control.data())) {
        edit->setReadOnly(!editable);
        edit->setFocusPolicy(editable ? Qt::StrongFocus : Qt::NoFocus);
        setColours(edit, editable ? QColor(Qt::black) : readOnlyTextColour,
                   editable ? QColor(Qt::white) : readOnlyBackColour);
    } else if (auto* combo = qobject_cast<QComboBox*>(r.control.data())) {
        combo->setEnabled(editable);
        setColours(combo, editable ? QColor(Qt::black) : readOnlyTextColour,
                   editable ? QColor(Qt::white) : readOnlyBackColour);
    }
}

void TEditsPanel::setRowReadOnly(int row)
{
    setRowLook(row, false);
}

void TEditsPanel::setRowEditable(int row)
{
    setRowLook(row, true);
}

void TEditsPanel::applyRowStates(bool checked)
{
    defaultChecked = checked;
    if (!EditCtrl)
        return;
    const NvSNMPVarList& list = EditCtrl->request.varList;
    for (int k = 0; k < rowCount(); ++k) {
        if (!list.isWritable(k) || k < list.indexCount)
            setRowReadOnly(k);
        else
            setRowEditable(k);
    }
}

bool TEditsPanel::isRowHidden(int row) const
{
    return EditCtrl && (EditCtrl->request.varList.row(row).access & AccessHiddenRow) != 0;
}

void TEditsPanel::hideRow(int row)
{
    if (EditCtrl)
        EditCtrl->request.varList.row(row).access |= AccessHiddenRow;
    UISnmpVar& r = rows[static_cast<size_t>(row)];
    for (QWidget* w : {static_cast<QWidget*>(r.control.data()), static_cast<QWidget*>(r.checkBox.data()),
                       static_cast<QWidget*>(r.label.data())})
        if (w)
            w->hide();
}

void TEditsPanel::showRow(int row)
{
    if (EditCtrl)
        EditCtrl->request.varList.row(row).access &= ~AccessHiddenRow;
    UISnmpVar& r = rows[static_cast<size_t>(row)];
    for (QWidget* w : {static_cast<QWidget*>(r.control.data()), static_cast<QWidget*>(r.checkBox.data()),
                       static_cast<QWidget*>(r.label.data())})
        if (w)
            w->show();
}

void TEditsPanel::clearValues()
{
    for (int k = 0; k < rowCount(); ++k) {
        QWidget* control = rows[static_cast<size_t>(k)].control;
        if (auto* edit = qobject_cast<QLineEdit*>(control))
            edit->clear();
        else if (auto* combo = qobject_cast<QComboBox*>(control))
            combo->setCurrentIndex(-1);
        if (EditCtrl)
            EditCtrl->request.varList.row(k).value.clear();
    }
}

void TEditsPanel::setEditWidth(int width)
{
    editWidth = width;
    layoutRows(true);
}

void TEditsPanel::layoutRows(bool resizePanel)
{
    int labelWidth = 0;
    for (int k = 0; k < rowCount(); ++k)
        if (const QLabel* label = rows[static_cast<size_t>(k)].label)
            labelWidth = std::max(labelWidth, label->width());
    const int labelLeft = checkBoxLeft + checkBoxWidth + columnGap;
    const int controlLeft = labelLeft + labelWidth + columnGap;
    int top = firstRowTop;
    int right = 0;
    int bottom = 0;
    for (int k = 0; k < rowCount(); ++k) {
        if (isRowHidden(k))
            continue;
        UISnmpVar& r = rows[static_cast<size_t>(k)];
        int height = r.control->height();
        if (height < minControlHeight)
            height = minControlHeight + 1;
        r.control->setGeometry(controlLeft, top, editWidth, height);
        r.checkBox->move(checkBoxLeft, top + (height - r.checkBox->height()) / 2);
        r.label->move(labelLeft, top + (height - r.label->height()) / 2);
        right = std::max(right, controlLeft + editWidth);
        bottom = std::max(bottom, top + height);
        top += height + rowGap;
    }
    const int frame = 2 * ScrollBox1->frameWidth();
    const int width = right + panelMargin;
    const int height = bottom + panelMargin;
    m_rowArea->resize(width - frame, height - frame);
    if (resizePanel)
        resize(width, height);
}

// ---------------------------------------------------------------------------
// Counts

int TEditsPanel::editableCount() const
{
    int n = 0;
    for (int k = 0; k < rowCount(); ++k)
        if (const QCheckBox* box = rows[static_cast<size_t>(k)].checkBox)
            n += !box->isHidden() && box->isEnabledTo(m_rowArea) ? 1 : 0;
    return n;
}

int TEditsPanel::checkedCount() const
{
    int n = 0;
    for (int k = 0; k < rowCount(); ++k)
        if (const QCheckBox* box = rows[static_cast<size_t>(k)].checkBox)
            n += !box->isHidden() && box->isChecked() ? 1 : 0;
    return n;
}

bool TEditsPanel::allReadOnly() const
{
    if (!EditCtrl)
        return true;
    const NvSNMPVarList& list = EditCtrl->request.varList;
    for (int k = 0; k < list.count(); ++k)
        if (k >= list.indexCount && list.isWritable(k))
            return false;
    return true;
}

// ---------------------------------------------------------------------------
// Strip and actions

void TEditsPanel::ArrangeCtrlBtn(TCtrlBtnPanel* strip)
{
    if (!EditCtrl)
        throw NvSNMPException("TEditsPanel:ArrangeCtrlBtn - EditCtrl is NULL!", -1);
    for (QWidget* w : {static_cast<QWidget*>(strip->countText), static_cast<QWidget*>(strip->countLabel),
                       static_cast<QWidget*>(strip->EditBtn), static_cast<QWidget*>(strip->AddBtn),
                       static_cast<QWidget*>(strip->DeleteBtn)})
        w->hide();
    for (QPushButton* b : {strip->RefreshBtn, strip->SetCheckedBtn, strip->CheckAllBtn, strip->ClearChecksBtn,
                           strip->CloseBtn})
        b->show();
    if (allReadOnly()) {
        strip->SetCheckedBtn->hide();
        strip->CheckAllBtn->hide();
        strip->ClearChecksBtn->hide();
    } else if (editableCount() <= 1) {
        strip->CheckAllBtn->hide();
        strip->ClearChecksBtn->hide();
        if (strip->SetCheckedBtn->icon().isNull())
            strip->SetCheckedBtn->setText(QStringLiteral("Set"));
        strip->SetCheckedBtn->setAccessibleName(QStringLiteral("Set"));
        strip->SetCheckedBtn->setEnabled(true);
        for (int k = 0; k < rowCount(); ++k) {
            QCheckBox* box = rows[static_cast<size_t>(k)].checkBox;
            if (box && !box->isHidden() && box->isEnabledTo(m_rowArea))
                box->setChecked(true);
        }
        if (checkedCount() <= 1)
            for (int k = 0; k < rowCount(); ++k)
                if (QCheckBox* box = rows[static_cast<size_t>(k)].checkBox)
                    box->hide();
    }
    strip->arrange();
}

void TEditsPanel::checkClicked()
{
    if (m_setButton)
        m_setButton->setEnabled(checkedCount() > 0);
}

void TEditsPanel::checkAll()
{
    for (int k = 0; k < rowCount(); ++k) {
        QCheckBox* box = rows[static_cast<size_t>(k)].checkBox;
        if (box && box->isEnabledTo(m_rowArea))
            box->setChecked(true);
    }
    if (m_setButton && checkedCount() >= 1)
        m_setButton->setEnabled(true);
}

void TEditsPanel::clearChecks()
{
    for (int k = 0; k < rowCount(); ++k) {
        QCheckBox* box = rows[static_cast<size_t>(k)].checkBox;
        if (box && box->isEnabledTo(m_rowArea))
            box->setChecked(false);
    }
    if (m_setButton && checkedCount() == 0)
        m_setButton->setEnabled(false);
}

void TEditsPanel::setChecked(QAbstractButton* button)
{
    if (!EditCtrl)
        return;
    NvSNMPRequest2Edits& binding = *EditCtrl;
    NvSNMPVarList& list = binding.request.varList;
    const bool wasAsynchronous = binding.asynchronous;
    binding.asynchronous = false;
    // Rows that are not sent are excluded before the controls are read, so that
    // an unchecked or hidden row whose combo box has no selection (as after the
    // Add dialog cleared the rows) cannot fail the collection of the others.
    std::vector<int> excluded;
    for (int k = 0; k < rowCount(); ++k) {
        const QCheckBox* box = rows[static_cast<size_t>(k)].checkBox;
        if ((!box || !box->isChecked() || isRowHidden(k)) && !(list.row(k).access & AccessExcluded)) {
            list.row(k).access |= AccessExcluded;
            excluded.push_back(k);
        }
    }
    bool empty = false;
    for (int k = 0; k < rowCount(); ++k)
        if (!(list.row(k).access & AccessExcluded) && shownText(rows[static_cast<size_t>(k)].control).isEmpty())
            empty = true;
    bool written = false;
    // A value refused while the fields are read belongs to this Set, and the
    // dialog stays open with what was typed so that it can be corrected.
    binding.lastOperation = NvSNMPRequest2Controls::SetOperation;
    try {
        if (empty) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Warning"), QStringLiteral("Some items are empty!"),
                            QMessageBox::Ok, window());
            box.exec();
        } else {
            binding.collectValues();
            binding.set(false, false);
            written = true;
        }
    } catch (const NvSNMPException& x) {
        binding.showStatus(x.what());
    } catch (const std::exception& x) {
        binding.showStatus(x.what());
    }
    for (int k : excluded)
        list.row(k).access &= ~AccessExcluded;
    binding.asynchronous = wasAsynchronous;
    if (written && button && button->property("tag").toInt() == 1)
        if (QWidget* form = window())
            form->close();
}
