#include "bind/GUIConfigForm.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QVBoxLayout>

#include "bind/EditsPanel.h"
#include "bind/ListViewPanel.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "bind/SNMPEditorPanel.h"
#include "bind/SNMPListViewPanel.h"
#include "snmp/NvSNMPError.h"

TConfigForm::TConfigForm(QWidget* owner)
    : QDialog(owner)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // The form grows to its view; it starts with no size of its own.
    resize(1, 1);
    QCoreApplication::postEvent(this, new QEvent(RefreshEvent));
}

TConfigForm::~TConfigForm()
{
    FormClose();
}

void TConfigForm::adopt(std::unique_ptr<NvSNMPRequest2Edits> binding, FormType type)
{
    if (m_formType != EmptyForm)
        throw NvSNMPException("Can not change Type of a Config Form!", -1);
    m_formType = type;
    m_bindings.push_back(std::move(binding));
}

TSNMPEditorPanel* TConfigForm::showEditor(std::unique_ptr<NvSNMPRequest2Edits> binding)
{
    adopt(std::move(binding), EditorForm);
    auto* panel = new TSNMPEditorPanel(this, m_bindings.back().get());
    m_panel = panel;
    panel->placeInForm(this);
    return panel;
}

TSNMPListViewPanel* TConfigForm::showTable(std::unique_ptr<NvSNMPRequest2Edits> binding, int addStatusRow,
                                           const std::string& addStatusText, int deleteStatusRow,
                                           const std::string& deleteStatusText)
{
    adopt(std::move(binding), TableForm);
    auto* panel = new TSNMPListViewPanel(this, m_bindings.back().get());
    m_panel = panel;
    panel->placeInForm(this);
    // Without a row or a text the table has no Add (or Delete).
    if (addStatusRow >= 0 && !addStatusText.empty())
        panel->SetAddStatus(addStatusRow, addStatusText);
    if (deleteStatusRow >= 0 && !deleteStatusText.empty())
        panel->SetDeleteStatus(deleteStatusRow, deleteStatusText);
    return panel;
}

bool TConfigForm::event(QEvent* e)
{
    if (e->type() == RefreshEvent) {
        refresh();
        return true;
    }
    return QDialog::event(e);
}

void TConfigForm::refresh()
{
    if (m_formType == EmptyForm || m_bindings.empty())
        return;
    NvSNMPRequest2Edits* binding = m_bindings.front().get();
    if (m_activeBinding)
        m_activeBinding->request.alive = false;
    m_activeBinding = binding;
    binding->request.alive = true;
    try {
        binding->get();
    } catch (const NvSNMPException& x) {
        binding->showStatus(x.what());
    }
}

void TConfigForm::FormClose()
{
    m_activeBinding = nullptr;
    if (m_panel && !m_bindings.empty())
        m_panel->detachBinding();
    for (std::unique_ptr<NvSNMPRequest2Edits>& binding : m_bindings)
        NvSNMPRequest2Controls::close(binding);
    m_bindings.clear();
}

void TConfigForm::closeEvent(QCloseEvent* e)
{
    FormClose();
    QDialog::closeEvent(e);
}

void TConfigForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}
