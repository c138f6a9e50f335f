#include "bind/NvSNMPRequest2Edits.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <algorithm>
#include <cstdlib>

#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvNumList.h"
#include "bind/ListColumnFit.h"
#include "bind/ListFillPaint.h"
#include "bind/NvEditConstraint.h"
#include "bind/NvOptionControls.h"
#include "snmp/NvOptionList.h"
#include "snmp/NvSNMPVarDescriptor.h"
#include "snmp/NvStrictValue.h"

namespace {

enum class Kind { Label, CheckBox, ComboBox, Edit, Other };

Kind kindOf(QWidget* control)
{
    if (qobject_cast<QCheckBox*>(control))
        return Kind::CheckBox;
    if (qobject_cast<QComboBox*>(control))
        return Kind::ComboBox;
    if (qobject_cast<QLineEdit*>(control))
        return Kind::Edit;
    if (qobject_cast<QLabel*>(control))
        return Kind::Label;
    return Kind::Other;
}

// "0,1,2" -> {0, 1, 2}; blanks around the numbers and empty pieces are ignored.
std::vector<int32_t> parseBitIndices(const std::string& text)
{
    std::vector<int32_t> bits;
    for (std::string_view piece : splitNumberList(text, ',')) {
        if (piece.empty())
            continue;
        const std::optional<int32_t> bit = wholeNumber(piece);
        if (!bit || *bit < 0 || *bit > 65535)
            throw errorOfCode(ErrBitIndexRange);  // not a usable bit number
        bits.push_back(*bit);
    }
    return bits;
}

bool bitOf(const std::string& octets, int bit)
{
    return (static_cast<uint8_t>(octets[static_cast<size_t>(bit / 8)]) & (0x80u >> (bit % 8))) != 0;
}

std::string throughValueOfLabel(const NvSNMPVarRow& row, const std::string& text)
{
    return row.options ? row.options->valueOfLabel(text) : text;
}

}  // namespace

NvSNMPRequest2Edits::NvSNMPRequest2Edits(QWidget* ownerForm)
    : NvSNMPRequest2Controls(ownerForm)
    , m_constraints(std::make_unique<NvEditConstraint>(ownerForm, true))
{
}

NvSNMPRequest2Edits::~NvSNMPRequest2Edits()
{
    if (m_listView)
        QObject::disconnect(m_listView, nullptr, m_constraints.get(), nullptr);
}

// ---------------------------------------------------------------------------
// List view

void NvSNMPRequest2Edits::attachListView(QTreeWidget* view, bool enable)
{
    if (m_listView)
        QObject::disconnect(m_listView, nullptr, m_constraints.get(), nullptr);
    m_listView = view;
    enableOnSelect = enable;
    m_lastSelected = nullptr;
    if (!view)
        return;
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    // The selection stays visible when the list loses the focus.
    QPalette palette = view->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    view->setPalette(palette);
    // Grid lines between cells.
    view->setStyleSheet(QStringLiteral("QTreeView::item { border-right: 1px solid palette(mid);"
                                       " border-bottom: 1px solid palette(mid); }"
                                       "QTreeView::item:selected { background: palette(highlight);"
                                       " color: palette(highlighted-text); }"));
    view->header()->setStretchLastSection(false);
    view->header()->setSectionResizeMode(QHeaderView::Interactive);
    view->header()->setMinimumSectionSize(0);
    // The connection lives with the constraint object, which the binding owns.
    QObject::connect(view, &QTreeWidget::itemSelectionChanged, m_constraints.get(), [this] { onSelectionChanged(); });
    if (!m_columnFit || m_columnFit->parent() != view)
        m_columnFit = new ListColumnFit(view);
    if (!m_fillPaint || m_fillPaint->parent() != view)
        m_fillPaint = new ListFillPaint(view);
    buildColumns();
    m_lineRows = lineLayout();
}

void NvSNMPRequest2Edits::buildColumns()
{
    QTreeWidget* view = m_listView;
    const NvSNMPVarList& list = request.varList;
    const int wanted = list.hiddenColumnCount() + list.listedCount();
    if (view->columnCount() >= wanted && view->columnCount() > 0)
        return;
    QStringList headers;
    std::vector<bool> hidden;
    for (int r = 0; r < list.count(); ++r)
        if (list.isHiddenColumn(r)) {
            headers << QString::fromStdString(list.row(r).label);
            hidden.push_back(true);
        }
    for (int r = 0; r < list.count(); ++r)
        if (list.isListed(r)) {
            headers << QString::fromStdString(list.row(r).label);
            hidden.push_back(false);
        }
    view->clear();
    m_lastSelected = nullptr;
    view->setColumnCount(0);
    view->setColumnCount(std::max<int>(1, static_cast<int>(headers.size())));
    view->setHeaderLabels(headers);
    m_columnFit->sizeToHeaders(hidden);
}

std::vector<int> NvSNMPRequest2Edits::lineLayout() const
{
    const NvSNMPVarList& list = request.varList;
    std::vector<int> rows;
    for (int r = 0; r < list.count(); ++r)
        if (list.isHiddenColumn(r))
            rows.push_back(r);
    for (int r = 0; r < list.count(); ++r)
        if (list.isListed(r))
            rows.push_back(r);
    return rows;
}

void NvSNMPRequest2Edits::appendLine()
{
    QStringList cells;
    cells.reserve(static_cast<qsizetype>(m_lineRows.size()));
    for (int r : m_lineRows)
        cells << QString::fromStdString(request.varList.row(r).value);
    m_columnFit->note(cells);
    // Lines go into the list as they come, without running the event loop per
    // line: the view lays out and repaints once when control returns to it.
    m_listView->addTopLevelItem(new QTreeWidgetItem(cells));
    m_fillPaint->lineAdded();
}

void NvSNMPRequest2Edits::selectedLineToRows()
{
    if (!m_listView)
        return;
    const QList<QTreeWidgetItem*> selected = m_listView->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* item = selected.first();
    // Cells are read back in the order the line was built, so every row gets
    // its own cell whatever the order of hidden and listed rows, and whatever
    // rows were hidden or excluded since.
    int cell = 0;
    for (int r : m_lineRows) {
        request.varList.row(r).value = item->text(cell).toStdString();
        ++cell;
    }
}

void NvSNMPRequest2Edits::onSelectionChanged()
{
    QTreeWidget* view = m_listView;
    if (!view)
        return;
    QTreeWidgetItem* now = nullptr;
    const QList<QTreeWidgetItem*> selected = view->selectedItems();
    if (!selected.isEmpty())
        now = selected.first();
    QTreeWidgetItem* before = m_lastSelected;
    if (before && view->indexOfTopLevelItem(before) < 0)
        before = nullptr;
    m_lastSelected = now;
    if (before && before != now)
        itemSelected(view, before, false);
    if (now && now != before)
        itemSelected(view, now, true);
}

void NvSNMPRequest2Edits::itemSelected(QTreeWidget* sender, QTreeWidgetItem* item, bool selected)
{
    if (savedSelectHandler)
        savedSelectHandler(sender, item, selected);
    if (!selected)
        return;
    // Runs from the toolkit's event dispatch: nothing above could report errors.
    try {
        if (enableOnSelect)
            setControlsEnabled(true);
        selectedLineToRows();
        showValues(-1);
    } catch (const std::exception& x) {
        lastOperation = GetOperation;
        reportFailure(x.what());
    }
}

// ---------------------------------------------------------------------------
// Binding controls

void NvSNMPRequest2Edits::bindControl(int row, QWidget* control)
{
    auto record = std::make_unique<ControlBinding>();
    record->row = row;
    record->controls.emplace_back(control);
    m_bindings.push_back(std::move(record));
}

void NvSNMPRequest2Edits::bindComboBox(int row, QComboBox* comboBox)
{
    const NvOptionList* options = request.varList.row(row).options;
    if (!options)
        throw errorOfCode(ErrNoOptionList);
    // Text-prefix option lists cannot be offered as a plain choice.
    if (options->valueKind() == 3)
        throw errorOfCode(ErrTooFewControls);
    comboBox->setEditable(false);
    fillItems(*options, comboBox);
    bindControl(row, comboBox);
}

void NvSNMPRequest2Edits::bindEdit(int row, const std::string& constraintFormat, QLineEdit* edit)
{
    m_constraints->attach(constraintFormat, {edit});
    bindControl(row, edit);
}

void NvSNMPRequest2Edits::bindCheckBoxes(int row, const std::string& bitIndices, const std::vector<QCheckBox*>& checkBoxes)
{
    bindControlList(row, bitIndices, std::vector<QWidget*>(checkBoxes.begin(), checkBoxes.end()));
}

void NvSNMPRequest2Edits::bindControlList(int row, const std::string& bitIndices, const std::vector<QWidget*>& controls)
{
    std::vector<int32_t> bits = parseBitIndices(bitIndices);
    if (bits.size() > controls.size())
        throw errorOfCode(ErrTooFewControls);
    auto record = std::make_unique<ControlBinding>();
    record->row = row;
    for (size_t i = 0; i < bits.size(); ++i)
        record->controls.emplace_back(controls[i]);
    record->bitIndices = std::move(bits);
    m_bindings.push_back(std::move(record));
}

void NvSNMPRequest2Edits::unbind(int row)
{
    for (auto it = m_bindings.begin(); it != m_bindings.end();) {
        if ((*it)->row != row) {
            ++it;
            continue;
        }
        for (const QPointer<QWidget>& control : (*it)->controls)
            if (auto* edit = qobject_cast<QLineEdit*>(control.data()))
                m_constraints->detach(edit);
        it = m_bindings.erase(it);
    }
}

void NvSNMPRequest2Edits::setControlsEnabled(bool enabled)
{
    for (const auto& record : m_bindings)
        for (const QPointer<QWidget>& control : record->controls)
            if (control)
                control->setEnabled(enabled);
}

void NvSNMPRequest2Edits::setConstraintOwner(QWidget* form)
{
    m_constraints->setOwnerForm(form);
}

// ---------------------------------------------------------------------------
// Values between rows and controls

void NvSNMPRequest2Edits::showValues(int row)
{
    NvSNMPVarList& list = request.varList;
    // A bit list shorter than its controls loads the bits it has; the controls
    // bound after it still load, and the short list is named at the end.
    std::string shortList;
    for (const auto& record : m_bindings) {
        if (row != -1 && record->row != row)
            continue;
        if (record->row < 0 || record->row >= list.count() || record->controls.empty())
            continue;
        const NvSNMPVarRow& r = list.row(record->row);
        if (r.access & AccessExcluded)
            continue;
        std::string text = throughValueOfLabel(r, r.value);
        const std::string octets = textToOctets(text, r.syntax);
        if (r.options)
            text = r.options->labelOfValue(text);
        QWidget* first = record->controls.front();
        if (!first)
            continue;
        switch (kindOf(first)) {
        case Kind::Label:
            static_cast<QLabel*>(first)->setText(QString::fromStdString(text));
            break;
        case Kind::CheckBox:
            if (!record->bitIndices.empty()) {
                for (size_t i = 0; i < record->controls.size(); ++i) {
                    const int bit = record->bitIndices[i];
                    if (bit < 0)
                        throw errorOfCode(ErrBitIndexRange);
                    const bool present = static_cast<size_t>(bit / 8) < octets.size();
                    if (!present && shortList.empty())
                        shortList = r.label + ": the list holds " + std::to_string(octets.size())
                                    + " octets, its controls need " + std::to_string(record->bitIndices.back() / 8 + 1);
                    if (auto* box = qobject_cast<QCheckBox*>(record->controls[i].data()))
                        box->setChecked(present && bitOf(octets, bit));
                }
            } else if (r.options) {
                int position = r.options->indexOfLabel(text);
                if (position < 0)
                    position = r.options->indexOfValue(text);
                static_cast<QCheckBox*>(first)->setChecked(position > 0);
            } else if (r.syntax == SyntaxBoolean) {
                static_cast<QCheckBox*>(first)->setChecked(text == "true");
            } else {
                throw errorOfCode(ErrBadPartialSyntax);
            }
            break;
        case Kind::ComboBox:
            if (r.options)
                selectItem(*r.options, static_cast<QComboBox*>(first), text);
            else
                static_cast<QComboBox*>(first)->setCurrentIndex(
                    static_cast<QComboBox*>(first)->findText(QString::fromStdString(text)));
            break;
        case Kind::Edit: {
            auto* edit = static_cast<QLineEdit*>(first);
            edit->setText(QString::fromStdString(text));
            // A refused entry later comes back to the value shown here.
            if (m_constraints->record(edit))
                m_constraints->rememberText(edit);
            break;
        }
        case Kind::Other:
            throw errorOfCode(ErrBadControlType);
        }
    }
    if (!shortList.empty())
        throw NvSNMPException(shortList, errorOfCode(ErrBitIndexRange).code());
}

int NvSNMPRequest2Edits::recordsOfRow(int row) const
{
    int count = 0;
    for (const auto& record : m_bindings)
        if (record->row == row && !record->controls.empty())
            ++count;
    return count;
}

void NvSNMPRequest2Edits::takeValues(int row)
{
    NvSNMPVarList& list = request.varList;
    for (int k = 0; k < list.count(); ++k) {
        if (row != -1 && k != row)
            continue;
        if (!list.isWritable(k))
            continue;
        NvSNMPVarRow& r = list.row(k);
        std::string whole = textToOctets(throughValueOfLabel(r, r.value), r.syntax);
        bool bound = false;
        for (const auto& record : m_bindings) {
            if (record->row != k || record->controls.empty())
                continue;
            QWidget* first = record->controls.front();
            if (!first)
                continue;
            if (!bound && r.syntax == SyntaxDisplayString)
                whole.clear();  // a display string is rebuilt from its controls alone
            bound = true;
            std::string part;
            switch (kindOf(first)) {
            case Kind::Label:
                part = textToOctets(throughValueOfLabel(r, static_cast<QLabel*>(first)->text().toStdString()), r.syntax);
                break;
            case Kind::CheckBox:
                if (!record->bitIndices.empty()) {
                    for (size_t i = 0; i < record->controls.size(); ++i) {
                        const int bit = record->bitIndices[i];
                        if (bit < 0)
                            throw errorOfCode(ErrBitIndexRange);
                        const size_t need = static_cast<size_t>(bit / 8) + 1;
                        if (part.size() < need)
                            part.resize(need, '\0');
                        auto* box = qobject_cast<QCheckBox*>(record->controls[i].data());
                        uint8_t& octet = reinterpret_cast<uint8_t&>(part[static_cast<size_t>(bit / 8)]);
                        const uint8_t mask = static_cast<uint8_t>(0x80u >> (bit % 8));
                        if (box && box->isChecked())
                            octet |= mask;
                        else
                            octet &= static_cast<uint8_t>(~mask);
                    }
                } else if (r.options) {
                    const bool checked = static_cast<QCheckBox*>(first)->isChecked();
                    const int position = checked ? 1 : 0;
                    if (position >= r.options->count())
                        throw errorOfCode(ErrTooFewControls);
                    part = textToOctets(r.options->valueOfLabel(r.options->item(position).label), r.syntax);
                } else if (r.syntax == SyntaxBoolean) {
                    part = textToOctets(static_cast<QCheckBox*>(first)->isChecked() ? "true" : "false", r.syntax);
                } else {
                    throw errorOfCode(ErrBadPartialSyntax);
                }
                break;
            case Kind::ComboBox: {
                auto* combo = static_cast<QComboBox*>(first);
                // Nothing chosen (the device's value is none of the choices): the
                // row is refused by name, never written.
                if (combo->currentIndex() < 0)
                    throw NvSNMPException(r.label + ": nothing is chosen", -1);
                part = textToOctets(throughValueOfLabel(r, combo->currentText().toStdString()), r.syntax);
                break;
            }
            case Kind::Edit: {
                // Typed text goes through the one strict reading: what does not
                // convert is refused with the field named, and nothing is sent.
                const std::string typed = throughValueOfLabel(r, static_cast<QLineEdit*>(first)->text().toStdString());
                const bool wholeValue = record->controls.size() == 1 && recordsOfRow(k) == 1;
                part = textToOctets(wholeValue ? strictValueText(r.label, typed, r.syntax, r.ranges)
                                               : strictPartText(r.label, typed, r.syntax),
                                    r.syntax);
                break;
            }
            case Kind::Other:
                throw errorOfCode(ErrBadControlType);
            }
            if (whole.size() < part.size())
                whole.resize(part.size(), '\0');
            whole.replace(0, part.size(), part);
        }
        if (bound) {
            std::string text = octetsToText(whole, r.syntax);
            if (r.options)
                text = r.options->labelOfValue(text);
            r.value = text;
        }
    }
}

// ---------------------------------------------------------------------------
// Hooks

void NvSNMPRequest2Edits::beforeGet()
{
    if (!m_listView)
        return;
    buildColumns();
    m_lastSelected = nullptr;
    m_listView->clear();
    m_lineRows = lineLayout();
    m_columnFit->restart();
    m_fillPaint->begin();
}

void NvSNMPRequest2Edits::rowReceived()
{
    if (m_listView)
        appendLine();
    else
        showValues(-1);
}

void NvSNMPRequest2Edits::collectValues()
{
    for (int k = 0; k < request.varList.count(); ++k)
        request.varList.row(k).value.clear();
    if (m_listView)
        selectedLineToRows();
    takeValues(-1);
}

void NvSNMPRequest2Edits::getFailed(const NvSNMPError& reply)
{
    // The lines read before the failure stay visible.
    finishLines();
    NvSNMPRequest2Controls::getFailed(reply);
}

void NvSNMPRequest2Edits::finishLines()
{
    if (!m_listView)
        return;
    m_columnFit->fit();
    m_fillPaint->end();
    if (onColumnsFitted)
        onColumnsFitted();
}

void NvSNMPRequest2Edits::afterGet()
{
    finishLines();
    if (m_listView && enableOnSelect && request.varList.listKind == NvSNMPVarList::Table)
        setControlsEnabled(false);
}
