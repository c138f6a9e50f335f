#pragma once
// Front panel of one HV-720 unit of the stack.
#include "panels/UnitPanelFormUnit.h"

class TPanelHV720Form : public TUnitPanelForm {
    Q_OBJECT
public:
    explicit TPanelHV720Form(QWidget* owner = nullptr);
};
