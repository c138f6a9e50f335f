#pragma once
// The pattern the forwarding and filtering forms share, driven by a recipe:
// one or two editor bindings over catalogue tables, an optional list view,
// labelled controls, port grids on tab pages (or in a group box), a button
// strip and the read-only status box Memo1 that every binding reports to.
// Each form keeps only its recipe and its buttons' specifics.
#include <QDialog>
#include <QList>
#include <memory>
#include <span>
#include <vector>

#include "bind/NvSNMPRequest2Edits.h"
#include "editors/common/EditorRegistry.h"

class PortGrid;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
struct NvSNMPVarDescriptor;

class TForwardingInfoForm : public QDialog {
    Q_OBJECT
public:
    enum class FieldKind { Edit, Combo, StaticText };
    enum class Action { Refresh, Set, Add, Delete, Close };

    struct ListRecipe {
        const NvSNMPVarDescriptor* table = nullptr;
        NvSNMPVarList::Kind kind = NvSNMPVarList::ScalarGroup;
        int32_t indexCount = 0;
    };
    struct FieldRecipe {
        const char* name;
        const char* label;
        int row = -1;           // -1: bound to no row
        FieldKind kind = FieldKind::Edit;
        const char* constraint = "%s";
        int list = 0;           // which binding
        bool readOnly = false;
        bool disabled = false;
        bool hidden = false;
    };
    struct GridRecipe {
        const char* page;
        int row = -1;           // -1: shows the units, bound to no row
    };
    struct ButtonRecipe {
        const char* name;
        const char* caption;
        Action action;
        bool hidden = false;
    };
    struct Recipe {
        const char* caption;
        int width;
        int height;
        ListRecipe lists[2];
        const char* listView = nullptr;     // nullptr: no list view
        std::span<const FieldRecipe> fields;
        std::span<const GridRecipe> grids;
        const char* gridGroupBox = nullptr;  // the one grid sits in this group box instead of a page
        bool fieldsHidden = false;          // the controls' panel is hidden
        std::span<const ButtonRecipe> buttons;
        bool showCount = false;
    };

    ~TForwardingInfoForm() override;

    virtual void RefreshClick();
    virtual void SetClick();
    virtual void AddClick() {}
    virtual void DeleteClick() {}

    QTreeWidget* listView() const { return m_listView; }
    QPlainTextEdit* Memo1 = nullptr;
    QLabel* countText = nullptr;
    // The controls and buttons by their names in the recipe.
    QWidget* control(const char* name) const;
    QPushButton* button(const char* name) const;
    const std::vector<PortGrid*>& grids() const { return m_grids; }
    NvSNMPRequest2Edits* binding(int list = 0) const { return m_bindings[list].get(); }

protected:
    TForwardingInfoForm(const EditorContext& context, QWidget* owner, const Recipe& recipe);
    // Builds the bindings, binds the controls and grids and starts the first
    // get; with gated the after-get callback of the request gate is installed
    // and the get goes through the gate. Errors go to Memo1.
    void start(bool gated = false);
    // A walk through the request gate: getDone is cleared first and set again
    // when the walk has ended (by the gate's callback) or could not be started.
    void gatedGet();
    void done(int result) override;

    // Runs one binding operation, writing an error to the status box.
    void guarded(const std::function<void()>& operation);
    void report(const std::string& message);
    void updateCount();
    void uncheckGrids();
    void selectItem(const char* comboName, int item);

    const Recipe& m_recipe;
    std::unique_ptr<NvSNMPRequest2Edits> m_bindings[2];

private:
    void closeBindings();

    QTreeWidget* m_listView = nullptr;
    bool m_holdsGate = false;  // this form's gated walk has not ended yet
    std::vector<PortGrid*> m_grids;
    std::vector<QWidget*> m_controls;
    std::vector<QPushButton*> m_buttons;
};
