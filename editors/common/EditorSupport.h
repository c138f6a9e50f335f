#pragma once
// Small helpers the feature editors share: waiting for a binding to become
// idle, the designed geometry under LargeFonts, modal messages with the
// program's caption, status-box lines and the report-style list view.
#include <QString>
#include <initializer_list>
#include <string>
#include <vector>

class NvSNMPRequest2Controls;
class QDialog;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QWidget;
struct EditorContext;

namespace editor {

// Sizes the form to its designed client size; with LargeFonts the size (and,
// when scalePosition is set, the position) is multiplied by 1.25.
void applyDesignedSize(QWidget* form, const EditorContext& context, int width, int height,
                       bool scalePosition = true);

// The caption of the editors' message boxes: the program's file name.
QString messageCaption();
// Modal message box with one OK button.
void showMessage(QWidget* owner, const QString& text);
// Modal Yes/No question; true for Yes.
bool askYesNo(QWidget* owner, const QString& text);

// Appends the text as a new line of a status box.
void appendLine(QPlainTextEdit* memo, const std::string& text);

// A read-only status box of a few lines.
QPlainTextEdit* newStatusMemo(QWidget* parent);
// A report-style list view: whole-line selection, grid lines, no editing.
QTreeWidget* newReportListView(QWidget* parent, const char* objectName);

// A push button with its control name and caption.
QPushButton* newButton(QWidget* parent, const char* name, const char* caption);
// The list forms' layout: the list view on top, an optional band of controls
// under it, the status box at the bottom and the buttons in a column on the right.
void layoutListForm(QDialog* form, QWidget* list, QWidget* middle, QWidget* memo,
                    const std::vector<QPushButton*>& buttons);

// One row of a small edit dialog: a label and the field it names.
struct FieldRow {
    const char* label;
    QWidget* field;
};
struct EditDialogButtons {
    QPushButton* set;
    QPushButton* close;
};
// The small edit dialogs' layout: the labelled fields, then "Set" and "Close"
// at the bottom right. Close rejects the dialog; Set is the caller's to connect.
EditDialogButtons layoutEditDialog(QDialog* dialog, std::initializer_list<FieldRow> rows);

// The owner a form should be created with: the main window when there is one.
QWidget* ownerOf(const EditorContext& context);

} // namespace editor
