#pragma once
// Front panel of one HV-710 unit of the stack.
#include "panels/UnitPanelFormUnit.h"

class TPanelHV710Form : public TUnitPanelForm {
    Q_OBJECT
public:
    explicit TPanelHV710Form(QWidget* owner = nullptr);
};
