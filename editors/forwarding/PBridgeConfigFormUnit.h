#pragma once
// The IEEE 802.1D extension settings of the device: its capabilities (read
// only) and whether traffic classes are enabled.
#include "editors/forwarding/ForwardingInfoFormUnit.h"

class TPBridgeConfigForm : public TForwardingInfoForm {
    Q_OBJECT
public:
    explicit TPBridgeConfigForm(const EditorContext& context, QWidget* owner = nullptr);
};
