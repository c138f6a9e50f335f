#include "editors/auth/ListEditorFormUnit.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editors/common/EditorRegistry.h"
#include "editors/common/EditorSupport.h"

TListEditorForm::TListEditorForm(const EditorContext& context, QWidget* owner, const char* caption,
                                 const char* countTextName, int width, int height)
    : QDialog(owner)
{
    setWindowTitle(QString::fromLatin1(caption));
    ListView1 = editor::newReportListView(this, "ListView1");
    StatusBar1 = new QStatusBar(this);
    StatusPanel = new QLabel(StatusBar1);
    StatusBar1->addWidget(StatusPanel, 1);
    countText = new QLabel(QStringLiteral("0"), StatusBar1);
    countText->setObjectName(QString::fromLatin1(countTextName));
    countText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    countText->setMinimumWidth(40);
    StatusBar1->addPermanentWidget(countText);

    auto* fieldsRow = new QHBoxLayout;
    for (QFormLayout*& fields : m_fields) {
        fields = new QFormLayout;
        fieldsRow->addLayout(fields);
    }
    GetButton = new QPushButton(QStringLiteral("Refresh"), this);
    EditButton = new QPushButton(QStringLiteral("Edit"), this);
    AddButton = new QPushButton(QStringLiteral("Add"), this);
    DeleteButton = new QPushButton(QStringLiteral("Delete"), this);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {GetButton, EditButton, AddButton, DeleteButton}) {
        button->setAutoDefault(false);
        buttons->addWidget(button);
    }
    buttons->addStretch();
    GetButton->setObjectName(QStringLiteral("GetButton"));
    EditButton->setObjectName(QStringLiteral("EditButton"));
    AddButton->setObjectName(QStringLiteral("AddButton"));
    DeleteButton->setObjectName(QStringLiteral("DeleteButton"));

    auto* left = new QVBoxLayout;
    left->addWidget(ListView1, 1);
    left->addLayout(fieldsRow);
    auto* body = new QHBoxLayout;
    body->addLayout(left, 1);
    body->addLayout(buttons);
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(body, 1);
    whole->addWidget(StatusBar1);
    editor::applyDesignedSize(this, context, width, height);

    connect(GetButton, &QPushButton::clicked, this, &TListEditorForm::GetButtonClick);
    connect(EditButton, &QPushButton::clicked, this, [this] { EditButtonClick(); });
    connect(AddButton, &QPushButton::clicked, this, [this] { AddButtonClick(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteButtonClick(); });
    QAbstractItemModel* model = ListView1->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, &TListEditorForm::updateCount);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &TListEditorForm::updateCount);
    connect(model, &QAbstractItemModel::modelReset, this, &TListEditorForm::updateCount);
}

TListEditorForm::~TListEditorForm()
{
    // The list's model resets while QWidget's destructor deletes the children,
    // when this form is no longer one: the row count must not hear it.
    if (ListView1)
        ListView1->model()->disconnect(this);
    NvSNMPRequest2Controls::close(m_binding);
}

void TListEditorForm::done(int result)
{
    NvSNMPRequest2Controls::close(m_binding);
    QDialog::done(result);
}

void TListEditorForm::addField(const char* label, QWidget* control)
{
    // Two columns of fields, filled left then right.
    QFormLayout* fields = m_fields[m_fieldCount++ % 2];
    fields->addRow(QString::fromLatin1(label), control);
}

QLineEdit* TListEditorForm::newEdit(const char* name)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

QComboBox* TListEditorForm::newCombo(const char* name)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    return combo;
}

void TListEditorForm::start(const NvSNMPVarDescriptor* table, int32_t indexCount)
{
    try {
        m_binding = std::make_unique<NvSNMPRequest2Edits>(this);
        m_binding->request.varList = NvSNMPVarList(table, NvSNMPVarList::EditableTable, indexCount);
        m_binding->asynchronous = false;
        m_binding->attachListView(ListView1, true);
        // After the binding's own handler, which enables every bound control.
        connect(ListView1, &QTreeWidget::itemSelectionChanged, this, &TListEditorForm::ListView1Click);
        bindControls(*m_binding);
        m_binding->setStatusTarget(StatusPanel);
        clearEdits();
        RowComboBox->setCurrentIndex(RowComboBox->findText(QStringLiteral("createAndGo")));
        enterNoSelection();
        m_binding->get();
    } catch (const std::exception& x) {
        if (m_binding)
            m_binding->showStatus(x.what());
        else
            StatusPanel->setText(QString::fromLocal8Bit(x.what()));
    }
    enterNoSelection();
    updateCount();
}

void TListEditorForm::GetButtonClick()
{
    try {
        m_binding->get();
    } catch (const std::exception& x) {
        m_binding->showStatus(x.what());
    }
    enterNoSelection();
    clearEdits();
    updateCount();
}

void TListEditorForm::ListView1Click()
{
    const bool selected = !ListView1->selectedItems().isEmpty();
    EditButton->setEnabled(selected);
    DeleteButton->setEnabled(selected);
    AddButton->setEnabled(!selected);
    for (QWidget* control : m_indexControls)
        control->setEnabled(!selected);
}

void TListEditorForm::enterNoSelection()
{
    ListView1->clearSelection();
    ListView1->setCurrentItem(nullptr);
    ListView1Click();
}

void TListEditorForm::clearEdits()
{
    for (QLineEdit* edit : m_clearedEdits)
        edit->clear();
    for (QComboBox* combo : m_clearedCombos)
        combo->setCurrentIndex(-1);
}

void TListEditorForm::updateCount()
{
    countText->setText(QString::number(ListView1->topLevelItemCount()));
}

bool TListEditorForm::hasLine(const QString& first, const QString* second) const
{
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* line = ListView1->topLevelItem(i);
        if (line->text(0) == first && (!second || line->text(1) == *second))
            return true;
    }
    return false;
}

void TListEditorForm::refuse(const char* message, QWidget* focus)
{
    editor::showMessage(this, QString::fromLatin1(message));
    if (focus)
        focus->setFocus();
}

void TListEditorForm::write(const std::vector<int>& leftOut, const char* rowStatus)
{
    NvSNMPVarList& list = m_binding->request.varList;
    std::vector<int32_t> saved;
    for (int r = 0; r < list.count(); ++r)
        saved.push_back(list.row(r).access);
    try {
        for (int r : leftOut)
            list.row(r).access |= AccessExcluded;
        if (rowStatus)
            RowComboBox->setCurrentIndex(RowComboBox->findText(QString::fromLatin1(rowStatus)));
        m_binding->set(false, true);
        for (int r = 0; r < list.count(); ++r)
            list.row(r).access = saved[static_cast<size_t>(r)];
        m_binding->get();
    } catch (const std::exception& x) {
        for (int r = 0; r < list.count(); ++r)
            list.row(r).access = saved[static_cast<size_t>(r)];
        m_binding->showStatus(x.what());
    }
    enterNoSelection();
    clearEdits();
    updateCount();
}
