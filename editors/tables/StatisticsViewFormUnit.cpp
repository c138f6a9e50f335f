#include "editors/tables/StatisticsViewFormUnit.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "editors/common/EditorSupport.h"

TStatisticsViewForm::TStatisticsViewForm(const EditorContext& context, QWidget* owner, const char* caption,
                                         const NvSNMPVarDescriptor* table)
    : QDialog(owner)
{
    setWindowTitle(QString::fromLatin1(caption));
    ListView1 = editor::newReportListView(this, "ListView1");
    Memo1 = editor::newStatusMemo(this);
    RefreshButton = editor::newButton(this, "RefreshButton", "Refresh");
    editor::layoutListForm(this, ListView1, nullptr, Memo1, {RefreshButton});
    editor::applyDesignedSize(this, context, 640, 360);
    connect(RefreshButton, &QPushButton::clicked, this, &TStatisticsViewForm::RefreshClick);

    m_binding = std::make_unique<NvSNMPRequest2Edits>(this);
    m_binding->request.varList = NvSNMPVarList(table, NvSNMPVarList::Table, 2);
    m_binding->asynchronous = false;
    m_binding->attachListView(ListView1, true);
    m_binding->setStatusTarget(Memo1);
    RefreshClick();
}

TStatisticsViewForm::~TStatisticsViewForm()
{
    NvSNMPRequest2Controls::close(m_binding);
}

void TStatisticsViewForm::done(int result)
{
    NvSNMPRequest2Controls::close(m_binding);
    QDialog::done(result);
}

void TStatisticsViewForm::RefreshClick()
{
    try {
        m_binding->get();
    } catch (const std::exception& x) {
        editor::appendLine(Memo1, x.what());
    }
}
