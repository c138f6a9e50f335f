#pragma once
// The method-list editor that the login and the enable lists share: a list
// name and up to four methods (type and server group) in the order the switch
// tries them. The two editors differ only in texts, names and table.
#include "editors/auth/ListEditorFormUnit.h"

class TMethodListForm : public TListEditorForm {
    Q_OBJECT
public:
    // Everything the login and enable editors do not share.
    struct Texts {
        const char* caption;
        const NvSNMPVarDescriptor* table;
        const char* nameEdit;
        const char* typeCombos[4];
        const char* serverEdits[4];
        const char* labels[10];            // form labels in column order
        const char* nameMissing;           // "... Name must be set."
        const char* nameTaken;             // "Has already a record with the same ..."
    };

    void AddButtonClick() override;
    void EditButtonClick() override;
    void DeleteButtonClick() override;

    QLineEdit* nameEdit = nullptr;
    QComboBox* typeCombos[4] = {};
    QLineEdit* serverEdits[4] = {};

    static constexpr const char* kOrderQuestion =
        "Method(s) after method local and none is(are) ineffective. Do you want to change your configurations?";

protected:
    TMethodListForm(const EditorContext& context, QWidget* owner, const Texts& texts);
    void bindControls(NvSNMPRequest2Edits& binding) override;

private:
    // The method-order check: false when the operator chose to change the list
    // (nothing is sent); otherwise adds to leftOut the columns of the methods
    // after the first "local" or "none".
    bool checkOrder(std::vector<int>& leftOut);
    // Column rules of the methods' types and server groups.
    void addColumnRules(std::vector<int>& leftOut) const;

    const Texts& m_texts;
};
