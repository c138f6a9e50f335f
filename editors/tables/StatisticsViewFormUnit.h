#pragma once
// A read-only statistics view: one synchronous walk of a table into a list
// view, re-read with "Refresh"; nothing is written.
#include <QDialog>
#include <memory>

#include "bind/NvSNMPRequest2Edits.h"

class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
struct EditorContext;
struct NvSNMPVarDescriptor;

class TStatisticsViewForm : public QDialog {
    Q_OBJECT
public:
    ~TStatisticsViewForm() override;

    void RefreshClick();

    QTreeWidget* ListView1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* RefreshButton = nullptr;

protected:
    TStatisticsViewForm(const EditorContext& context, QWidget* owner, const char* caption,
                        const NvSNMPVarDescriptor* table);
    void done(int result) override;

private:
    std::unique_ptr<NvSNMPRequest2Edits> m_binding;
};
