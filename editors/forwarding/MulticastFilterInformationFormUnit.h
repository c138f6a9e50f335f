#pragma once
// The static multicast filters: a selected entry shows its VLAN, group address
// and egress ports; "Delete" removes it by writing the status invalid.
#include "editors/forwarding/ForwardingInfoFormUnit.h"

class TMulticastFilterInformationForm : public TForwardingInfoForm {
    Q_OBJECT
public:
    explicit TMulticastFilterInformationForm(const EditorContext& context, QWidget* owner = nullptr);

    void RefreshClick() override;
    void DeleteClick() override;

private:
    void cleanUp();
};
