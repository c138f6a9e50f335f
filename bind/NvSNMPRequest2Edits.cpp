#include "NvSNMPRequest2Edits.h"

#include "NvEditConstraint.h"

NvSNMPRequest2Edits::NvSNMPRequest2Edits(QWidget* ownerForm)
    : NvSNMPRequest2Controls(ownerForm)
    , m_constraints(std::make_unique<NvEditConstraint>(ownerForm, true))
{
}

NvSNMPRequest2Edits::~NvSNMPRequest2Edits() = default;

void NvSNMPRequest2Edits::beforeGet() {}
void NvSNMPRequest2Edits::rowReceived() {}
void NvSNMPRequest2Edits::collectValues() {}
void NvSNMPRequest2Edits::afterGet() {}
void NvSNMPRequest2Edits::itemSelected(QTreeWidget*, QTreeWidgetItem*, bool) {}
