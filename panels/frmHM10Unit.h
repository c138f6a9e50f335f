#pragma once
// The HM-10 expansion module beside its carrying unit's panel.
#include "panels/ExpansionModuleFormUnit.h"

class TfrmHM10 : public TExpansionModuleForm {
    Q_OBJECT
public:
    explicit TfrmHM10(QWidget* owner = nullptr);
};
