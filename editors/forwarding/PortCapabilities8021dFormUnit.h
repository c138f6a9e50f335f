#pragma once
// The IEEE 802.1D capabilities of each port, read only. Its walk goes through
// the request gate: "Refresh" does nothing while a walk of this view or of the
// GARP timers is running.
#include "editors/forwarding/ForwardingInfoFormUnit.h"

class TPortCapabilities8021dForm : public TForwardingInfoForm {
    Q_OBJECT
public:
    explicit TPortCapabilities8021dForm(const EditorContext& context, QWidget* owner = nullptr);

    void RefreshClick() override;
};
