#pragma once
// The enable method lists: the methods tried when an administrator raises
// the privilege level with "enable".
#include "editors/auth/MethodListFormUnit.h"

class TEnableMethodForm : public TMethodListForm {
    Q_OBJECT
public:
    explicit TEnableMethodForm(const EditorContext& context, QWidget* owner = nullptr);
};
