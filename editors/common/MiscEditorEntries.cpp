#include "editors/common/MiscEditorEntries.h"

#include <QString>
#include <memory>

#include "editors/auth/EnableMethodFormUnit.h"
#include "editors/auth/frmACCServerCtrlUnit.h"
#include "editors/auth/LoginMethodListFormUnit.h"
#include "editors/auth/ServerInformationFormUnit.h"
#include "editors/forwarding/CommunityStringTableFormUnit.h"
#include "editors/forwarding/EquipmentBasicInfoFormUnit.h"
#include "editors/forwarding/ForwardUnregisteredInformationFormUnit.h"
#include "editors/forwarding/GARPFormUnit.h"
#include "editors/forwarding/MulticastFilterInformationFormUnit.h"
#include "editors/forwarding/MulticastForwardingInformationFormUnit.h"
#include "editors/forwarding/PBridgeConfigFormUnit.h"
#include "editors/forwarding/PortCapabilities8021dFormUnit.h"
#include "editors/forwarding/TpGroupDestinationForwardedFormUnit.h"
#include "editors/forwarding/UnicastFilterInformationFormUnit.h"
#include "editors/tables/BOOTCtrlTableFormUnit.h"
#include "editors/tables/DiagnosticsInformationFormUnit.h"
#include "editors/tables/MacStatisticTableFormUnit.h"
#include "editors/tables/Md5InformationFormUnit.h"
#include "editors/tables/MSInformationFormUnit.h"
#include "editors/tables/RouteRedistributFormUnit.h"
#include "editors/time/SummerTimeConfigFormUnit.h"
#include "platform/MainSettings.h"

namespace {

// Creates the form with the main window as owner, gives it the caption the menu
// sets (when captionPrefix is given: prefix + the device address), shows it
// modally and frees it.
template <class Form>
void openForm(const EditorContext& context, const char* captionPrefix = nullptr, bool withAddress = false)
{
    auto form = std::make_unique<Form>(context, context.mainWindow);
    if (captionPrefix) {
        QString caption = QString::fromLatin1(captionPrefix);
        if (withAddress && context.settings)
            caption += QString::fromStdString(context.settings->addressText);
        form->setWindowTitle(caption);
    }
    form->exec();
}

template <class Form>
void openOwnCaption(const EditorContext& context)
{
    openForm<Form>(context);
}

const EditorEntry kEntries[] = {
    {.component = "SummerTime1", .open = &openOwnCaption<TSummerTimeConfigForm>},
    {.component = "Test1", .open = &openOwnCaption<TEquipmentBasicInfoForm>},
    {.component = "BasicConfigure2", .open = &openOwnCaption<TPBridgeConfigForm>},
    {.component = "GVRP1", .open = &openOwnCaption<TGARPForm>},
    {.component = "PortCapbility1", .open = &openOwnCaption<TPortCapabilities8021dForm>},
    {.component = "TpGroupDestinationForwarded1", .open = &openOwnCaption<TTpGroupDestinationForwardedForm>},
    {.component = "MulticastForwardingInformation1", .open = &openOwnCaption<TMulticastForwardingInformationForm>},
    {.component = "ForwardUnregisteredInformation1", .open = &openOwnCaption<TForwardUnregisteredInformationForm>},
    {.component = "UnicastInformation1", .open = &openOwnCaption<TUnicastFilterInformationForm>},
    {.component = "MulticastInformation1", .open = &openOwnCaption<TMulticastFilterInformationForm>},
    {.component = "CommunityStringTable1", .open = &openOwnCaption<TCommunityStringTableForm>},
    {.component = "LoginMethodControl", .open = &openOwnCaption<TLoginMethodListForm>},
    {.component = "EnableMethodControl", .open = &openOwnCaption<TEnableMethodForm>},
    {.component = "ServerInformation1", .open = &openOwnCaption<TServerInformationForm>},
    {.component = "ServerControl",
     .open = [](const EditorContext& c) { openForm<TfrmACCServerCtrl>(c, "ACC Server Control Table : ", true); }},
    {.component = "DiagnosticsInformation1", .open = &openOwnCaption<TDiagnosticsInformationForm>},
    {.component = "StatisticTable1", .open = &openOwnCaption<TMacStatisticTableForm>},
    {.component = "MD5Information1",
     .open = [](const EditorContext& c) { openForm<TMd5InformationForm>(c, "MD5 Information Table : ", true); }},
    {.component = "BOOTPCtrlTable1",
     .open = [](const EditorContext& c) { openForm<TBOOTCtrlTableForm>(c, "BOOTP Ctrl Table : ", true); }},
    {.component = "RouteRedistributionTable1", .open = &openOwnCaption<TRouteRedistributForm>},
    {.component = "MemberSwitch1",
     .open = [](const EditorContext& c) { openForm<TMSInformationForm>(c, "Member Switch Information Table"); }},
};

} // namespace

std::span<const EditorEntry> miscEditorEntries()
{
    return kEntries;
}
