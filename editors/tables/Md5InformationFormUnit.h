#pragma once
// The MD5 key table: numbered keys, edited and added through the dialog
// TMd5EditForm, deleted from the list.
#include <QDialog>
#include <memory>

#include "bind/NvSNMPRequest2Edits.h"

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TMd5EditForm;
struct EditorContext;

class TMd5InformationForm : public QDialog {
    Q_OBJECT
public:
    explicit TMd5InformationForm(const EditorContext& context, QWidget* owner = nullptr);
    ~TMd5InformationForm() override;

    void ListView1Click();
    void RefreshButtonClick();
    void EditButtonClick();
    void AddButtonClick();
    void DeleteButtonClick();

    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshButton = nullptr;
    QPushButton* EditButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* AddButton = nullptr;
    TMd5EditForm* Md5EditForm = nullptr;

    NvSNMPRequest2Edits* binding() const { return m_binding.get(); }

protected:
    void done(int result) override;

private:
    void closeDialogAndBinding();
    // Shows the dialog in a mode with its status combo fixed at an item.
    void showDialog(int mode, int statusItem);

    std::unique_ptr<NvSNMPRequest2Edits> m_binding;
};
