#pragma once
// The HM-20 expansion module beside its carrying unit's panel.
#include "panels/ExpansionModuleFormUnit.h"

class TfrmHM20 : public TExpansionModuleForm {
    Q_OBJECT
public:
    explicit TfrmHM20(QWidget* owner = nullptr);
};
