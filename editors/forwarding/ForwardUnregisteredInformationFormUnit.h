#pragma once
// The forwarding of unregistered multicast groups per VLAN. The three grids show
// the stack's units but are bound to no row; "Set" reads the table again.
#include "editors/forwarding/ForwardingInfoFormUnit.h"

class TForwardUnregisteredInformationForm : public TForwardingInfoForm {
    Q_OBJECT
public:
    explicit TForwardUnregisteredInformationForm(const EditorContext& context, QWidget* owner = nullptr);

    void RefreshClick() override;
    void SetClick() override;
};
