#include "editors/common/EditorSupport.h"

#include <QCoreApplication>
#include <QDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QEventLoop>
#include <QFileInfo>
#include <QHeaderView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTreeWidget>

#include "bind/NvSNMPRequest2Controls.h"
#include "editors/common/EditorRegistry.h"
#include "platform/MainSettings.h"

namespace editor {

void applyDesignedSize(QWidget* form, const EditorContext& context, int width, int height, bool scalePosition)
{
    const bool large = context.settings && context.settings->LargeFonts;
    const double f = large ? 1.25 : 1.0;
    form->resize(static_cast<int>(width * f), static_cast<int>(height * f));
    if (large && scalePosition)
        form->move(static_cast<int>(form->x() * f), static_cast<int>(form->y() * f));
}

QString messageCaption()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void showMessage(QWidget* owner, const QString& text)
{
    QMessageBox::information(owner, messageCaption(), text, QMessageBox::Ok);
}

bool askYesNo(QWidget* owner, const QString& text)
{
    return QMessageBox::question(owner, messageCaption(), text, QMessageBox::Yes | QMessageBox::No)
           == QMessageBox::Yes;
}

void appendLine(QPlainTextEdit* memo, const std::string& text)
{
    if (memo)
        memo->appendPlainText(QString::fromStdString(text));
}

QPlainTextEdit* newStatusMemo(QWidget* parent)
{
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setMaximumHeight(72);
    return memo;
}

QTreeWidget* newReportListView(QWidget* parent, const char* objectName)
{
    auto* view = new QTreeWidget(parent);
    view->setObjectName(QString::fromLatin1(objectName));
    view->setRootIsDecorated(false);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->setUniformRowHeights(true);
    view->header()->setStretchLastSection(false);
    return view;
}

QPushButton* newButton(QWidget* parent, const char* name, const char* caption)
{
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

EditDialogButtons layoutEditDialog(QDialog* dialog, std::initializer_list<FieldRow> rows)
{
    auto* fields = new QFormLayout;
    for (const FieldRow& row : rows)
        fields->addRow(QString::fromLatin1(row.label), row.field);
    const EditDialogButtons buttons{.set = newButton(dialog, "SetButton", "Set"),
                                    .close = newButton(dialog, "CloseButton", "Close")};
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(buttons.set);
    buttonRow->addWidget(buttons.close);
    auto* whole = new QVBoxLayout(dialog);
    whole->addLayout(fields);
    whole->addLayout(buttonRow);
    QObject::connect(buttons.close, &QPushButton::clicked, dialog, &QDialog::reject);
    return buttons;
}

void layoutListForm(QDialog* form, QWidget* list, QWidget* middle, QWidget* memo,
                    const std::vector<QPushButton*>& buttons)
{
    auto* left = new QVBoxLayout;
    left->addWidget(list, 1);
    if (middle)
        left->addWidget(middle);
    if (memo)
        left->addWidget(memo);
    auto* column = new QVBoxLayout;
    for (QPushButton* button : buttons)
        column->addWidget(button);
    column->addStretch();
    auto* whole = new QHBoxLayout(form);
    whole->addLayout(left, 1);
    whole->addLayout(column);
}

QWidget* ownerOf(const EditorContext& context)
{
    return context.mainWindow;
}

} // namespace editor
