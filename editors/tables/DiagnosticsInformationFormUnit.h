#pragma once
// Read-only view of the 802.1X authenticator diagnostics of each port.
#include "editors/tables/StatisticsViewFormUnit.h"

class TDiagnosticsInformationForm : public TStatisticsViewForm {
    Q_OBJECT
public:
    explicit TDiagnosticsInformationForm(const EditorContext& context, QWidget* owner = nullptr);
};
