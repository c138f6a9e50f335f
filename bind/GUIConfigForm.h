#pragma once
// The generic configuration form: a modal dialog that holds one generated view
// (a scalar editor or a table) built around the binding it is given. The form
// owns its bindings; its first refresh is a posted event, so the values are
// read once the modal loop runs; closing it (Close, Escape, the window's close
// box) switches the bindings off, waits for their outstanding requests and
// destroys them.
//
//     auto form = std::make_unique<TConfigForm>(mainWindow);
//     auto binding = std::make_unique<NvSNMPRequest2Edits>(form.get());
//     binding->request.varList.assign(NvSNMPVarList(table, listKind, indexCount));
//     form->showTable(std::move(binding), 2, "createAndGo", 2, "destroy");
//     form->setWindowTitle(title + ":" + address);
//     form->exec();
#include <QDialog>
#include <QEvent>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

class NvSNMPRequest2Edits;
class TSNMPEditorPanel;
class TSNMPListViewPanel;
class TSNMPPanel;

class TConfigForm : public QDialog {
    Q_OBJECT

public:
    enum FormType : int { EmptyForm = 0, EditorForm = 1, TableForm = 2 };
    // The private event that runs the first refresh.
    static constexpr QEvent::Type RefreshEvent = static_cast<QEvent::Type>(34002);

    // Centred over owner (the main window); posts the refresh event to itself.
    explicit TConfigForm(QWidget* owner);
    // Closes bindings that are still open.
    ~TConfigForm() override;

    // A scalar view of the binding's variable list: one generated row per
    // variable. Throws NvSNMPException "Can not change Type of a Config Form!"
    // when the form already holds a view.
    TSNMPEditorPanel* showEditor(std::unique_ptr<NvSNMPRequest2Edits> binding);
    // A table view: list view with Refresh, Edit and, for a status row of -1
    // or an empty text, no Add or Delete. Throws like showEditor, and with the
    // panel's texts for a status text the status row's options do not offer.
    TSNMPListViewPanel* showTable(std::unique_ptr<NvSNMPRequest2Edits> binding, int addStatusRow = -1,
                                  const std::string& addStatusText = {}, int deleteStatusRow = -1,
                                  const std::string& deleteStatusText = {});

    // Switches the request of the view's binding on and reads it; an error goes
    // to the binding's status line.
    void refresh();

    int formType() const { return m_formType; }
    NvSNMPRequest2Edits* activeBinding() const { return m_activeBinding; }
    const std::vector<std::unique_ptr<NvSNMPRequest2Edits>>& bindings() const { return m_bindings; }

    // The form's close handling: every binding switched off, awaited and
    // destroyed. Runs once; later calls do nothing.
    void FormClose();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void done(int result) override;

private:
    void adopt(std::unique_ptr<NvSNMPRequest2Edits> binding, FormType type);
    void growTo(const QSize& panelSize);

    std::vector<std::unique_ptr<NvSNMPRequest2Edits>> m_bindings;
    NvSNMPRequest2Edits* m_activeBinding = nullptr;
    int m_formType = EmptyForm;
    QPointer<TSNMPPanel> m_panel;
};
