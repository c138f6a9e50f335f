#pragma once
// The ports every multicast frame of a VLAN goes to: all of them (read only),
// the static and the forbidden ones (written by "Set").
#include "editors/forwarding/ForwardingInfoFormUnit.h"

class TMulticastForwardingInformationForm : public TForwardingInfoForm {
    Q_OBJECT
public:
    explicit TMulticastForwardingInformationForm(const EditorContext& context, QWidget* owner = nullptr);
};
