#pragma once
// The multicast groups learnt per VLAN with their egress and GMRP-learnt ports,
// read only.
#include "editors/forwarding/ForwardingInfoFormUnit.h"

class TTpGroupDestinationForwardedForm : public TForwardingInfoForm {
    Q_OBJECT
public:
    explicit TTpGroupDestinationForwardedForm(const EditorContext& context, QWidget* owner = nullptr);
};
