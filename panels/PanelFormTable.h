#pragma once
// Which form draws a member of the stack: the model names of the unit table
// with their panel form, and the module names of the sub-unit table with their
// expansion-module form. Names are compared exactly (case and blanks count).
#include <span>

#include <QString>

#include "panels/ExpansionModuleFormUnit.h"

class QWidget;
class TUnitPanelForm;

class TPanelFormTable {
public:
    struct Model {
        const char* name;
        TUnitPanelForm* (*create)(QWidget* owner);
        TExpansionModuleForm::Carrier carrier;  // None: the model carries no module
        int portCount;                          // ports of a unit the stack reports as absent
    };
    struct Module {
        const char* name;
        TExpansionModuleForm* (*create)(QWidget* owner);
    };

    static std::span<const Model> models();
    // The row of a model or module name, or none.
    static const Model* model(const QString& name);
    static const Module* module(const QString& name);
};
