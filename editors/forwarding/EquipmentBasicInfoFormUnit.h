#pragma once
// The stacking summary of the device: stacking version, the number of units it
// supports and the number it has. Read only.
#include "editors/forwarding/ForwardingInfoFormUnit.h"

class TEquipmentBasicInfoForm : public TForwardingInfoForm {
    Q_OBJECT
public:
    explicit TEquipmentBasicInfoForm(const EditorContext& context, QWidget* owner = nullptr);
};
