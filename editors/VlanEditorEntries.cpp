#include "editors/VlanEditorEntries.h"

#include "editors/AggregatorPortTableFormUnit.h"
#include "editors/EditorDialog.h"
#include "editors/PortMirrorFormUnit.h"
#include "editors/PortTrunkFormUnit.h"
#include "editors/ProtocolVlanFormUnit.h"
#include "editors/VLanCurrentTableFormUnit.h"
#include "editors/VLanGeneralInfoFormUnit.h"
#include "editors/VLanPortInfomationFormUnit.h"
#include "editors/TrafficSegmentationFormUnit.h"
#include "editors/VlanStaticFormUnit.h"

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
