#include "editors/access/TAccessEditorForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <exception>
#include <vector>

#include "bind/NvOptionControls.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "editors/common/EditorRegistry.h"
#include "editors/common/PortGrid.h"
#include "platform/MainSettings.h"
#include "snmp/NvSNMPVarList.h"

namespace {

constexpr int ColumnPairsPerRow = 2;

bool contains(ColumnSet set, int column)
{
    return column > 0 && column < 32 && (set & (ColumnSet{1} << column)) != 0;
}

} // namespace

TAccessEditorForm::TAccessEditorForm(const AccessEditorRecord& spec, const EditorContext& context, QWidget* owner)
    : QDialog(owner)
    , m_spec(spec)
{
    setObjectName(QString::fromLatin1(spec.className));
    setAttribute(Qt::WA_DeleteOnClose, false);
    buildForm(context);
    try {
        bindControls();
        selectDefaultItems();
        m_binding->get();
    } catch (const std::exception& failure) {
        showFailure(failure.what());
    }
    enterNoSelection();
    clearAfterWrite();
}

TAccessEditorForm::~TAccessEditorForm()
{
    // The list's model resets while QWidget's destructor deletes the children,
    // when this form is no longer one: the row count must not hear it.
    if (ListView1)
        ListView1->model()->disconnect(this);
    NvSNMPRequest2Controls::close(m_binding);
}

void TAccessEditorForm::open(const AccessEditorRecord& spec, const EditorContext& context)
{
    TAccessEditorForm form(spec, context, spec.mainWindowOwner ? context.mainWindow : nullptr);
    form.exec();
}

void TAccessEditorForm::done(int result)
{
    NvSNMPRequest2Controls::close(m_binding);
    QDialog::done(result);
}

// ---------------------------------------------------------------------------
// Building

void TAccessEditorForm::buildForm(const EditorContext& context)
{
    const TMainSettings* settings = context.settings;
    const bool largeFonts = settings && settings->LargeFonts;
    setWindowTitle(QString::fromLatin1(m_spec.designedCaption));
    if (m_spec.addressTitle && settings)
        setWindowTitle(QString::fromLatin1(m_spec.addressTitle) + QString::fromStdString(settings->addressText));
    const double scale = largeFonts ? 1.25 : 1.0;
    const int height = m_spec.designedHeight + (m_spec.portColumn ? 280 : 0);
    resize(static_cast<int>(m_spec.designedWidth * scale), static_cast<int>(height * scale));

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(4);
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setMinimumHeight(140);
    outer->addWidget(ListView1, 1);

    auto* middle = new QHBoxLayout();
    middle->setContentsMargins(8, 0, 8, 0);
    auto* grid = new QGridLayout();
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(4);
    buildControls(grid);
    middle->addLayout(grid, 1);

    auto* strip = new QVBoxLayout();
    const AccessButtonNames& names = m_spec.buttons;
    m_refreshButton = addButton(strip, names.refresh, "Refresh");
    m_modifyButton = addButton(strip, names.modify, names.modifyCaption);
    m_addButton = addButton(strip, names.add, "Add");
    m_deleteButton = addButton(strip, names.remove, "Delete");
    connect(m_refreshButton, &QPushButton::clicked, this, [this] { refresh(); });
    connect(m_modifyButton, &QPushButton::clicked, this, [this] { runOperation(AccessOperation::Modify); });
    connect(m_addButton, &QPushButton::clicked, this, [this] { runOperation(AccessOperation::Add); });
    connect(m_deleteButton, &QPushButton::clicked, this, [this] { runOperation(AccessOperation::Delete); });
    if (m_spec.isRuleEditor()) {
        StaticText1 = new QLabel(QStringLiteral("0"), this);
        StaticText1->setObjectName(QStringLiteral("StaticText1"));
        StaticText1->setAlignment(Qt::AlignCenter);
        StaticText1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        strip->addWidget(StaticText1);
        QPushButton* checkAll = addButton(strip, names.checkAll, "Check All");
        QPushButton* clearChecks = addButton(strip, names.clearChecks, "Clear Checks");
        connect(checkAll, &QPushButton::clicked, this, [this] { setAllColumnChecks(true); });
        connect(clearChecks, &QPushButton::clicked, this, [this] { setAllColumnChecks(false); });
        // The row count follows every change of the list.
        connect(ListView1->model(), &QAbstractItemModel::rowsInserted, this, [this] { updateRowCount(); });
        connect(ListView1->model(), &QAbstractItemModel::rowsRemoved, this, [this] { updateRowCount(); });
        connect(ListView1->model(), &QAbstractItemModel::modelReset, this, [this] { updateRowCount(); });
    }
    strip->addStretch(1);
    middle->addLayout(strip);
    outer->addLayout(middle);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setSizeGripEnabled(false);
    m_statusPanel = new QLabel(StatusBar1);
    StatusBar1->addWidget(m_statusPanel, 1);

    if (m_spec.portColumn) {
        auto* group = new QGroupBox(QStringLiteral("Port"), this);
        m_portGrid = new PortGrid(group, context);
        outer->addWidget(group);
        try {
            m_portGrid->fillFromStack();
        } catch (const std::exception& failure) {
            showFailure(failure.what());
        }
    }
    outer->addWidget(StatusBar1);
}

void TAccessEditorForm::buildControls(QGridLayout* grid)
{
    const NvSNMPVarList list(m_spec.table, NvSNMPVarList::EditableTable, m_spec.indexCount);
    int position = 0;
    for (const AccessControlSpec& c : m_spec.controls) {
        const int tableColumn = m_spec.cpu ? c.cpuColumn : c.column;
        if (tableColumn == 0 || tableColumn > list.count())
            continue;
        ColumnSlot& slot = m_slots[static_cast<size_t>(c.column)];
        slot.tableColumn = tableColumn;
        if (tableColumn == list.count())
            m_rowStatusColumn = c.column;
        const QString caption = QString::fromLatin1(m_spec.cpu && c.cpuCaption ? c.cpuCaption : c.caption);
        QWidget* lead = nullptr;
        if (m_spec.isRuleEditor() && tableColumn > m_spec.indexCount) {
            slot.check = new QCheckBox(caption, this);
            slot.check->setObjectName(QString::fromLatin1(c.checkName));
            lead = slot.check;
        } else {
            lead = new QLabel(caption, this);
        }
        if (list.row(tableColumn - 1).options) {
            auto* combo = new QComboBox(this);
            connect(combo, &QComboBox::currentTextChanged, this, [this, column = c.column] {
                if (column == m_spec.permitColumn)
                    applyPermitRule();
            });
            slot.control = combo;
        } else {
            slot.control = new QLineEdit(this);
        }
        slot.control->setObjectName(QString::fromLatin1(c.name));
        const int row = position / ColumnPairsPerRow;
        const int pair = position % ColumnPairsPerRow;
        grid->addWidget(lead, row, pair * 2);
        grid->addWidget(slot.control, row, pair * 2 + 1);
        ++position;
    }
    for (int pair = 0; pair < ColumnPairsPerRow; ++pair)
        grid->setColumnStretch(pair * 2 + 1, 1);
    // The port list has the same column in the family and in the table.
    if (m_spec.portColumn)
        m_slots[static_cast<size_t>(m_spec.portColumn)].tableColumn = m_spec.portColumn;
}

QPushButton* TAccessEditorForm::addButton(QBoxLayout* strip, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    strip->addWidget(button);
    return button;
}

void TAccessEditorForm::bindControls()
{
    m_binding = std::make_unique<NvSNMPRequest2Edits>(this);
    m_binding->request.varList.assign(
        NvSNMPVarList(m_spec.table, NvSNMPVarList::EditableTable, m_spec.indexCount));
    m_binding->asynchronous = false;
    m_binding->attachListView(ListView1, true);
    m_binding->setStatusTarget(m_statusPanel);
    // After the binding's own selection handler has filled the controls.
    connect(ListView1, &QTreeWidget::itemSelectionChanged, this, [this] { rowSelectionChanged(); });

    for (const AccessControlSpec& c : m_spec.controls) {
        const ColumnSlot& slot = m_slots[static_cast<size_t>(c.column)];
        if (!slot.control)
            continue;
        const int row = slot.tableColumn - 1;
        if (auto* combo = qobject_cast<QComboBox*>(slot.control)) {
            m_binding->bindComboBox(row, combo);
        } else {
            const char* constraint = m_spec.cpu && c.cpuConstraint ? c.cpuConstraint : c.constraint;
            m_binding->bindEdit(row, constraint ? constraint : "%s", qobject_cast<QLineEdit*>(slot.control));
        }
    }
    if (m_portGrid)
        m_portGrid->bindTo(*m_binding, m_spec.portColumn - 1);
}

void TAccessEditorForm::selectDefaultItems()
{
    for (const AccessControlSpec& c : m_spec.controls) {
        auto* combo = qobject_cast<QComboBox*>(control(c.column));
        if (combo && c.defaultItem)
            combo->setCurrentIndex(combo->findText(QString::fromLatin1(c.defaultItem)));
        else if (combo)
            combo->setCurrentIndex(-1);
    }
    // The rule editors open ready to create a row.
    if (m_spec.isRuleEditor())
        selectRowStatus("createAndGo");
}

// ---------------------------------------------------------------------------
// Controls

QWidget* TAccessEditorForm::control(int familyColumn) const
{
    if (familyColumn <= 0 || familyColumn >= MaxColumns)
        return nullptr;
    return m_slots[static_cast<size_t>(familyColumn)].control;
}

QCheckBox* TAccessEditorForm::columnCheck(int familyColumn) const
{
    if (familyColumn <= 0 || familyColumn >= MaxColumns)
        return nullptr;
    return m_slots[static_cast<size_t>(familyColumn)].check;
}

QString TAccessEditorForm::statusText() const
{
    return m_statusPanel->text();
}

QString TAccessEditorForm::controlText(int familyColumn) const
{
    QWidget* widget = control(familyColumn);
    if (auto* combo = qobject_cast<QComboBox*>(widget))
        return combo->currentIndex() < 0 ? QString() : combo->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    return {};
}

bool TAccessEditorForm::isEmptyEdit(int familyColumn) const
{
    return controlText(familyColumn).isEmpty();
}

void TAccessEditorForm::selectRowStatus(const char* text)
{
    if (auto* combo = qobject_cast<QComboBox*>(control(m_rowStatusColumn)))
        combo->setCurrentIndex(combo->findText(QString::fromLatin1(text)));
}

void TAccessEditorForm::setAllColumnChecks(bool checked)
{
    for (const ColumnSlot& slot : m_slots) {
        if (slot.check && slot.check->isEnabled())
            slot.check->setChecked(checked);
    }
}

// ---------------------------------------------------------------------------
// Checks and column rules

bool TAccessEditorForm::holds(const AccessCondition& condition) const
{
    auto* combo = qobject_cast<QComboBox*>(control(condition.column));
    switch (condition.test) {
    case AccessTest::None:
        return true;
    case AccessTest::Empty:
        return isEmptyEdit(condition.column);
    case AccessTest::TextIs:
        return controlText(condition.column) == QLatin1String(condition.text);
    case AccessTest::TextIsNot:
        return controlText(condition.column) != QLatin1String(condition.text);
    case AccessTest::IndexIs:
        return combo && combo->currentIndex() == condition.number;
    case AccessTest::IndexIsNot:
        return !combo || combo->currentIndex() != condition.number;
    case AccessTest::NoSelection:
        return combo && combo->currentIndex() < 0;
    case AccessTest::Checked:
        return columnCheck(condition.column) && columnCheck(condition.column)->isChecked();
    case AccessTest::Unchecked:
        return !columnCheck(condition.column) || !columnCheck(condition.column)->isChecked();
    case AccessTest::Duplicate:
        return isDuplicate();
    case AccessTest::CheckedCountAbove: {
        int count = 0;
        for (int column = 1; column < MaxColumns; ++column)
            count += contains(condition.columnSet, column) && holds(checked(column));
        return count > condition.number;
    }
    }
    return false;
}

bool TAccessEditorForm::holdsAll(const AccessConditions& conditions) const
{
    for (const AccessCondition& condition : conditions) {
        if (!holds(condition))
            return false;
    }
    return true;
}

// A listed row with the same ids (the caption and, for rules, the first sub-item).
bool TAccessEditorForm::isDuplicate() const
{
    const QString id = controlText(1);
    const QString accessId = controlText(2);
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* item = ListView1->topLevelItem(i);
        if (item->text(0) == id && (m_spec.indexCount < 2 || item->text(1) == accessId))
            return true;
    }
    return false;
}

ColumnSet TAccessEditorForm::columnsLeftOut(AccessOperation operation, const AccessOperationSpec& spec) const
{
    ColumnSet out = 0;
    auto add = [&out](int column) { out |= ColumnSet{1} << column; };
    if (m_spec.isRuleEditor() && operation != AccessOperation::Delete) {
        // Only checked columns are sent; an Add always sends its Row Status.
        for (int column = 1; column < MaxColumns; ++column) {
            const QCheckBox* check = m_slots[static_cast<size_t>(column)].check;
            if (check && !check->isChecked() && !(operation == AccessOperation::Add && column == m_rowStatusColumn))
                add(column);
        }
        if (m_spec.permitColumn && holds(checked(m_spec.permitColumn))
            && controlText(m_spec.permitColumn) == QLatin1String("deny"))
            out |= m_spec.denyColumns;
        if (m_portGrid && operation == AccessOperation::Add && !m_portGrid->anyChecked())
            add(m_spec.portColumn);
    }
    for (const auto rules : {spec.rules, spec.moreRules}) {
        for (const AccessColumnRule& rule : rules) {
            if (!holdsAll(rule.when))
                continue;
            if (!rule.eachWhenEmpty) {
                out |= rule.leaveOut;
                continue;
            }
            for (int column = 1; column < MaxColumns; ++column) {
                if (contains(rule.leaveOut, column) && isEmptyEdit(column))
                    add(column);
            }
        }
    }
    return out;
}

// Excludes the rows of the columns (family numbers) from the next request.
void TAccessEditorForm::leaveOut(ColumnSet columnSet)
{
    NvSNMPVarList& list = m_binding->request.varList;
    const int rowStatusRow = list.count() - 1;
    if (columnSet == AllButRowStatus) {
        for (int row = list.indexCount; row < rowStatusRow; ++row)
            list.row(row).access = AccessExcluded;
        return;
    }
    for (int column = 1; column < MaxColumns; ++column) {
        const int tableColumn = m_slots[static_cast<size_t>(column)].tableColumn;
        if (contains(columnSet, column) && tableColumn > list.indexCount)
            list.row(tableColumn - 1).access = AccessExcluded;
    }
}

void TAccessEditorForm::refuse(const AccessCheck& check)
{
    QMessageBox box(QMessageBox::NoIcon, QFileInfo(QCoreApplication::applicationFilePath()).fileName(),
                    QString::fromLatin1(check.message), QMessageBox::Ok, this);
    box.exec();
    QWidget* focus = control(check.focusColumn);
    if (focus && focus->isEnabled())
        focus->setFocus(Qt::OtherFocusReason);
}

const AccessOperationSpec& TAccessEditorForm::operationSpec(AccessOperation operation) const
{
    switch (operation) {
    case AccessOperation::Add:
        return m_spec.add;
    case AccessOperation::Modify:
        return m_spec.modify;
    case AccessOperation::Delete:
        break;
    }
    return m_spec.remove;
}

// ---------------------------------------------------------------------------
// Operations

void TAccessEditorForm::refresh()
{
    try {
        m_binding->get();
    } catch (const std::exception& failure) {
        showFailure(failure.what());
    }
    enterNoSelection();
    // The ports of the rule shown before are not carried into the next Add.
    if (m_portGrid)
        m_portGrid->clear();
    applyPermitRule();
}

void TAccessEditorForm::runOperation(AccessOperation operation)
{
    const AccessOperationSpec& spec = operationSpec(operation);
    for (const AccessCheck& check : spec.idChecks) {
        if (holdsAll(check.when)) {
            refuse(check);
            return;
        }
    }
    for (const AccessRedirect& redirect : spec.redirects) {
        if (holdsAll(redirect.when)) {
            runOperation(redirect.runAs);
            return;
        }
    }
    for (const auto checks : {spec.checks, spec.moreChecks}) {
        for (const AccessCheck& check : checks) {
            if (holdsAll(check.when)) {
                refuse(check);
                return;
            }
        }
    }

    NvSNMPVarList& list = m_binding->request.varList;
    std::vector<int32_t> saved;
    for (int row = 0; row < list.count(); ++row)
        saved.push_back(list.row(row).access);
    auto restore = [&] {
        for (int row = 0; row < list.count(); ++row)
            list.row(row).access = saved[static_cast<size_t>(row)];
    };
    try {
        leaveOut(columnsLeftOut(operation, spec));
        if (spec.rowStatus)
            selectRowStatus(spec.rowStatus);
        m_binding->set(false, true);
    } catch (const std::exception& failure) {
        // Nothing was written: the typed fields and the selection stay for a correction.
        restore();
        showFailure(failure.what());
        return;
    }
    restore();
    try {
        m_binding->get();
    } catch (const std::exception& failure) {
        showFailure(failure.what());
    }
    enterNoSelection();
    clearAfterWrite();
}

// ---------------------------------------------------------------------------
// States

void TAccessEditorForm::rowSelectionChanged()
{
    const bool selected = !ListView1->selectedItems().isEmpty();
    m_modifyButton->setEnabled(selected);
    m_deleteButton->setEnabled(selected);
    m_addButton->setEnabled(!selected);
    for (int column = 1; column <= m_spec.indexCount; ++column) {
        if (QWidget* id = control(column))
            id->setEnabled(!selected);
    }
    applyPermitRule();
}

void TAccessEditorForm::enterNoSelection()
{
    {
        const QSignalBlocker quiet(ListView1);
        ListView1->clearSelection();
        ListView1->setCurrentItem(nullptr);
    }
    rowSelectionChanged();
}

// Edits emptied; the rule editors also clear their column and port check boxes.
void TAccessEditorForm::clearAfterWrite()
{
    for (const ColumnSlot& slot : m_slots) {
        if (auto* edit = qobject_cast<QLineEdit*>(slot.control))
            edit->clear();
        if (slot.check)
            slot.check->setChecked(false);
    }
    if (m_portGrid)
        m_portGrid->clear();
    // The status of this write is not carried into the next: the rule editors
    // are ready to create a row again.
    if (m_spec.isRuleEditor())
        selectRowStatus("createAndGo");
    updateRowCount();
    applyPermitRule();
}

// "deny" disables the priority and replacement controls and clears their check
// boxes; another permit text enables them ("mirror" leaves them be where the
// editor says so).
void TAccessEditorForm::applyPermitRule()
{
    if (!m_spec.permitColumn || !m_spec.denyColumns)
        return;
    const QString permit = controlText(m_spec.permitColumn);
    if (m_spec.mirrorKeepsPriority && permit == QLatin1String("mirror"))
        return;
    const bool enable = permit != QLatin1String("deny");
    for (int column = 1; column < MaxColumns; ++column) {
        if (!contains(m_spec.denyColumns, column))
            continue;
        const ColumnSlot& slot = m_slots[static_cast<size_t>(column)];
        if (slot.control)
            slot.control->setEnabled(enable);
        if (slot.check) {
            slot.check->setEnabled(enable);
            if (!enable)
                slot.check->setChecked(false);
        }
    }
}

void TAccessEditorForm::updateRowCount()
{
    if (StaticText1)
        StaticText1->setText(QString::number(ListView1->topLevelItemCount()));
}

void TAccessEditorForm::showFailure(const std::string& message)
{
    m_statusPanel->setText(QString::fromStdString(message));
}
