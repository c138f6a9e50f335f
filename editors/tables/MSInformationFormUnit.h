#pragma once
// The member switches of the single-IP management group: added through the
// dialog TMSEditForm, deleted by writing destroy to a member's row.
#include <QDialog>
#include <memory>

#include "bind/NvSNMPRequest2Edits.h"

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TMSEditForm;
struct EditorContext;

class TMSInformationForm : public QDialog {
    Q_OBJECT
public:
    explicit TMSInformationForm(const EditorContext& context, QWidget* owner = nullptr);
    ~TMSInformationForm() override;

    void RefreshButtonClick();
    void DeleteButtonClick();
    void AddButtonClick();

    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* EditButton = nullptr;  // in the layout, never shown
    TMSEditForm* MSEditForm = nullptr;

    NvSNMPRequest2Edits* binding() const { return m_binding.get(); }

protected:
    void done(int result) override;

private:
    void closeDialogAndBinding();

    std::unique_ptr<NvSNMPRequest2Edits> m_binding;
};
