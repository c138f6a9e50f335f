#include "editors/common/EditorDialog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QLineEdit>
#include <QStatusBar>
#include <QTabWidget>
#include <QTreeWidget>
#include <exception>

#include "bind/NvSNMPRequest2Edits.h"
#include "editors/common/PortGrid.h"
#include "platform/MainSettings.h"
#include "snmp/NvSNMPVarList.h"

EditorDialog::EditorDialog(const EditorContext& context, const QString& caption, QSize designed, bool scalePosition)
    : QDialog(context.mainWindow), m_context(context)
{
    setWindowTitle(caption);
    setModal(true);
    const bool large = context.settings && context.settings->LargeFonts;
    const double f = large ? 1.25 : 1.0;
    resize(static_cast<int>(designed.width() * f), static_cast<int>(designed.height() * f));
    if (large && scalePosition)
        move(static_cast<int>(x() * f), static_cast<int>(y() * f));
}

EditorDialog::~EditorDialog()
{
    // The derived form is gone by now: none of its handlers may run while the
    // replies still outstanding are awaited.
    for (QObject* child : findChildren<QObject*>())
        child->blockSignals(true);
    closeBindings();
}

void EditorDialog::done(int result)
{
    closeBindings();
    QDialog::done(result);
}

QString EditorDialog::addressText() const
{
    return m_context.settings ? QString::fromStdString(m_context.settings->addressText) : QString();
}

void EditorDialog::message(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QFileInfo(QCoreApplication::applicationFilePath()).fileName(), text,
                    QMessageBox::Ok, this);
    box.exec();
}

NvSNMPRequest2Edits& EditorDialog::addBinding(const NvSNMPVarDescriptor* table, NvSNMPVarList::Kind listKind, int32_t indexCount)
{
    auto binding = std::make_unique<NvSNMPRequest2Edits>(this);
    binding->request.varList.assign(NvSNMPVarList(table, listKind, indexCount));
    m_bindings.push_back(std::move(binding));
    return *m_bindings.back();
}

bool EditorDialog::report(NvSNMPRequest2Controls& binding, const std::function<void()>& action)
{
    try {
        action();
        return true;
    } catch (const std::exception& x) {
        binding.showStatus(x.what());
    }
    return false;
}

QStatusBar* EditorDialog::makeStatusBar(QWidget* parent, QLabel** firstPanel)
{
    auto* bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    auto* panel = new QLabel(bar);
    bar->addWidget(panel, 1);
    *firstPanel = panel;
    return bar;
}

QHBoxLayout* EditorDialog::addButtonRow(QBoxLayout* layout, const std::vector<ButtonSpec>& buttons)
{
    auto* row = new QHBoxLayout;
    for (const ButtonSpec& spec : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(spec.caption), this);
        button->setObjectName(QString::fromLatin1(spec.objectName));
        button->setAutoDefault(false);
        if (spec.onClick)
            connect(button, &QPushButton::clicked, this, spec.onClick);
        row->addWidget(button);
        *spec.button = button;
    }
    row->addStretch(1);
    layout->addLayout(row);
    return row;
}

QPlainTextEdit* EditorDialog::makeMemo()
{
    auto* memo = new QPlainTextEdit(this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setMaximumHeight(70);
    return memo;
}

QLineEdit* EditorDialog::lineEdit(const char* objectName)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    return edit;
}

QComboBox* EditorDialog::comboBox(const char* objectName)
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(objectName));
    return combo;
}

QTreeWidget* EditorDialog::listView(const char* objectName)
{
    auto* list = new QTreeWidget(this);
    list->setObjectName(QString::fromLatin1(objectName));
    return list;
}

PortGrid* EditorDialog::addPortPage(QTabWidget* pages, const QString& caption)
{
    auto* page = new QWidget;
    pages->addTab(page, caption);
    return new PortGrid(page, m_context);
}

QLabel* EditorDialog::staticText(QWidget* parent, const char* objectName)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(60);
    return label;
}

bool EditorDialog::hasSelectedLine(QTreeWidget* list, const QString& text)
{
    if (!list->selectedItems().isEmpty())
        return true;
    message(text);
    return false;
}

void EditorDialog::followLineCount(QTreeWidget* list, QLabel* count)
{
    auto show = [list, count] { count->setText(QString::number(list->topLevelItemCount())); };
    QAbstractItemModel* model = list->model();
    QObject::connect(model, &QAbstractItemModel::rowsInserted, count, show);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, count, show);
    QObject::connect(model, &QAbstractItemModel::modelReset, count, show);
    show();
}

void EditorDialog::closeBindings()
{
    for (auto& binding : m_bindings) {
        // The form's reply handlers end with the form.
        binding->onGetDone = nullptr;
        binding->onSetDone = nullptr;
        NvSNMPRequest2Controls::close(binding);
    }
    m_bindings.clear();
}
