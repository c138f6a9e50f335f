#pragma once
// The GARP timers of each port, read only. Its walk goes through the request
// gate: "Refresh" does nothing while a walk of this view or of the port
// capabilities is running.
#include "editors/forwarding/ForwardingInfoFormUnit.h"

class TGARPForm : public TForwardingInfoForm {
    Q_OBJECT
public:
    explicit TGARPForm(const EditorContext& context, QWidget* owner = nullptr);

    void RefreshClick() override;
};
