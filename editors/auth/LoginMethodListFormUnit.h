#pragma once
// The login method lists: the methods tried when an administrator logs in.
#include "editors/auth/MethodListFormUnit.h"

class TLoginMethodListForm : public TMethodListForm {
    Q_OBJECT
public:
    explicit TLoginMethodListForm(const EditorContext& context, QWidget* owner = nullptr);
};
