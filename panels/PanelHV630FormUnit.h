#pragma once
// Front panel of one HV-630 unit of the stack.
#include "panels/UnitPanelFormUnit.h"

class TPanelHV630Form : public TUnitPanelForm {
    Q_OBJECT
public:
    explicit TPanelHV630Form(QWidget* owner = nullptr);
};
