#pragma once
// The authentication servers: address and protocol (the index), port, shared
// key, time-out and retry count.
#include "editors/auth/ListEditorFormUnit.h"

class TServerInformationForm : public TListEditorForm {
    Q_OBJECT
public:
    explicit TServerInformationForm(const EditorContext& context, QWidget* owner = nullptr);

    void AddButtonClick() override;
    void EditButtonClick() override;
    void DeleteButtonClick() override;

    QLineEdit* IPEdit = nullptr;
    QComboBox* ProtocolComboBox = nullptr;
    QLineEdit* PortEdit = nullptr;
    QLineEdit* KeyEdit = nullptr;
    QLineEdit* TimeoutEdit = nullptr;
    QLineEdit* RetryCEdit = nullptr;

protected:
    void bindControls(NvSNMPRequest2Edits& binding) override;

private:
    // The IP and protocol checks; false (after the message) when one fails.
    bool checkIndex();
    // The port, key, time-out and retry columns whose edits are empty.
    std::vector<int> emptyColumns() const;
};
