#pragma once
// Front panel of one HV-640 unit of the stack.
#include "panels/UnitPanelFormUnit.h"

class TPanelHV640Form : public TUnitPanelForm {
    Q_OBJECT
public:
    explicit TPanelHV640Form(QWidget* owner = nullptr);
};
