#pragma once
// The static unicast filters: a selected entry shows its VLAN, address and the
// ports it may go to; "Delete" removes it by writing the status invalid.
#include "editors/forwarding/ForwardingInfoFormUnit.h"

class TUnicastFilterInformationForm : public TForwardingInfoForm {
    Q_OBJECT
public:
    explicit TUnicastFilterInformationForm(const EditorContext& context, QWidget* owner = nullptr);

    void RefreshClick() override;
    void DeleteClick() override;

private:
    void cleanUp();
};
