#include "editors/MiscEditorEntries.h"

#include <QString>
#include <memory>

#include "app/MainSettings.h"
#include "editors/BOOTCtrlTableFormUnit.h"
#include "editors/DiagnosticsInformationFormUnit.h"
#include "editors/EnableMethodFormUnit.h"
#include "editors/LoginMethodListFormUnit.h"
#include "editors/MSInformationFormUnit.h"
#include "editors/MacStatisticTableFormUnit.h"
#include "editors/Md5InformationFormUnit.h"
#include "editors/RouteRedistributFormUnit.h"
#include "editors/ServerInformationFormUnit.h"
#include "editors/SummerTimeConfigFormUnit.h"
#include "editors/frmACCServerCtrlUnit.h"

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
