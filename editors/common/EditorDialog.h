#pragma once
// The common frame of the feature editors: a modal dialog owned by the main
// window, its designed size (and position) scaled by 1.25 with large fonts,
// the bindings it owns closed by the one closing protocol when it closes, the
// editors' plain message box, and the reporting of request errors on a
// binding's status target.
#include <QDialog>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "editors/common/EditorRegistry.h"
#include "snmp/NvSNMPVarList.h"

class NvSNMPRequest2Controls;
class NvSNMPRequest2Edits;
class PortGrid;
class QBoxLayout;
class QComboBox;
class QLineEdit;
class QTabWidget;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QStatusBar;
class QTreeWidget;
struct NvSNMPVarDescriptor;

class EditorDialog : public QDialog {
    Q_OBJECT
public:
    // scalePosition false: only the size follows LargeFonts.
    EditorDialog(const EditorContext& context, const QString& caption, QSize designed, bool scalePosition = true);
    ~EditorDialog() override;

    // Closes the bindings (request switched off, replies awaited), then the dialog.
    void done(int result) override;

    // The agent address given at start-up.
    QString addressText() const;
    const EditorContext& context() const { return m_context; }

    // The editors' plain modal message box: the text, the program's name as
    // caption, one OK button.
    void message(const QString& text);

protected:
    // A binding over the table, owned by the dialog and closed with it.
    NvSNMPRequest2Edits& addBinding(const NvSNMPVarDescriptor* table, NvSNMPVarList::Kind listKind, int32_t indexCount);
    // Runs action; an error it throws is written to the binding's status target
    // with the template of the operation that failed. Returns false on error.
    static bool report(NvSNMPRequest2Controls& binding, const std::function<void()>& action);
    // A status bar with one panel (a label), placed at the bottom by the caller.
    static QStatusBar* makeStatusBar(QWidget* parent, QLabel** firstPanel);
    struct ButtonSpec {
        const char* caption;
        const char* objectName;
        QPushButton** button;           // receives the button
        std::function<void()> onClick;  // may be empty
    };
    // A row of push buttons, left-aligned and in this order, appended to layout.
    QHBoxLayout* addButtonRow(QBoxLayout* layout, const std::vector<ButtonSpec>& buttons);
    // The read-only memo "Memo1" in which the bindings write their status lines.
    QPlainTextEdit* makeMemo();
    // Controls with the object names of the form layouts.
    QLineEdit* lineEdit(const char* objectName);
    QComboBox* comboBox(const char* objectName);
    QTreeWidget* listView(const char* objectName);
    // A tab page of pages holding a port grid.
    PortGrid* addPortPage(QTabWidget* pages, const QString& caption);
    // A sunken static text with the object name of the form layouts.
    static QLabel* staticText(QWidget* parent, const char* objectName);
    // Whether list has a selected line; without one shows text and returns
    // false, so that a write meant for a chosen row is not sent to another.
    bool hasSelectedLine(QTreeWidget* list, const QString& text);
    // Keeps count showing the number of lines of list, whenever the list changes.
    static void followLineCount(QTreeWidget* list, QLabel* count);

private:
    void closeBindings();

    EditorContext m_context;
    std::vector<std::unique_ptr<NvSNMPRequest2Edits>> m_bindings;
};

// The opener of a menu entry: creates the editor, shows it modally and destroys
// it when it returns.
template <class Form>
void openEditor(const EditorContext& context)
{
    Form form(context);
    form.exec();
}
