#pragma once
// The SNMP community table: community index (an implied index), name, security
// name and status.
#include "editors/forwarding/ForwardingInfoFormUnit.h"

class TCommunityStringTableForm : public TForwardingInfoForm {
    Q_OBJECT
public:
    explicit TCommunityStringTableForm(const EditorContext& context, QWidget* owner = nullptr);

    void AddClick() override;
    void DeleteClick() override;
};
