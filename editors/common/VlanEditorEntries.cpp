#include "editors/common/VlanEditorEntries.h"

#include "editors/common/EditorDialog.h"
#include "editors/ports/AggregatorPortTableFormUnit.h"
#include "editors/ports/PortMirrorFormUnit.h"
#include "editors/ports/PortTrunkFormUnit.h"
#include "editors/ports/TrafficSegmentationFormUnit.h"
#include "editors/vlan/ProtocolVlanFormUnit.h"
#include "editors/vlan/VLanCurrentTableFormUnit.h"
#include "editors/vlan/VLanGeneralInfoFormUnit.h"
#include "editors/vlan/VLanPortInfomationFormUnit.h"
#include "editors/vlan/VlanStaticFormUnit.h"

namespace {

// The menu gives this editor its caption.
void openProtocolVlan(const EditorContext& context)
{
    TProtocolVlanForm form(context);
    form.setWindowTitle(QStringLiteral("Protocol VLAN : ") + form.addressText());
    form.exec();
}

const EditorEntry kEntries[] = {
    {.component = "BasicConfigure", .open = &openEditor<TVLanGeneralInfoForm>},
    {.component = "PortsInfo1", .open = &openEditor<TVLanPortInfomationForm>},
    {.component = "StaticForm1", .open = &openEditor<TVlanStaticForm>},
    {.component = "CurrentForm1", .open = &openEditor<TVLanCurrentTableForm>},
    {.component = "ProtocolVLAN1", .open = &openProtocolVlan},
    {.component = "PortTrunk2", .open = &openEditor<TPortTrunkForm>},
    {.component = "PortMirrorTable1", .open = &openEditor<TPortMirrorForm>},
    {.component = "TrafficSegmentationTable1", .open = &openEditor<TTrafficSegmentationForm>},
    {.component = "AggreatorPortTable1", .open = &openEditor<TAggregatorPortTableForm>},
};

}  // namespace

std::span<const EditorEntry> vlanEditorEntries()
{
    return kEntries;
}
