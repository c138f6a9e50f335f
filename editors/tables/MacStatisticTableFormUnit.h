#pragma once
// Read-only view of the EAPOL frame counters of each port.
#include "editors/tables/StatisticsViewFormUnit.h"

class TMacStatisticTableForm : public TStatisticsViewForm {
    Q_OBJECT
public:
    explicit TMacStatisticTableForm(const EditorContext& context, QWidget* owner = nullptr);
};
