#pragma once
// The BOOTP relay servers of each IP interface, at most four per interface;
// new entries are added through the dialog TNewBootpCtrlForm.
#include <QDialog>
#include <memory>

#include "bind/NvSNMPRequest2Edits.h"

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class TNewBootpCtrlForm;
struct EditorContext;

class TBOOTCtrlTableForm : public QDialog {
    Q_OBJECT
public:
    explicit TBOOTCtrlTableForm(const EditorContext& context, QWidget* owner = nullptr);
    ~TBOOTCtrlTableForm() override;

    void RefreshButtonClick();
    void DeleteButtonClick();
    void AddButtonClick();

    QTreeWidget* ListView1 = nullptr;
    QComboBox* ComboBox1 = nullptr;  // state (hidden)
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshButton = nullptr;
    QPushButton* DeleteButton = nullptr;
    QPushButton* AddButton = nullptr;
    QPushButton* CloseButton = nullptr;
    TNewBootpCtrlForm* NewBootpCtrlForm = nullptr;

    NvSNMPRequest2Edits* binding() const { return m_binding.get(); }

protected:
    void done(int result) override;

private:
    void closeDialogAndBinding();

    std::unique_ptr<NvSNMPRequest2Edits> m_binding;
};
