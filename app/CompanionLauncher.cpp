#include "app/CompanionLauncher.h"

#include "platform/MainSettings.h"
#include "platform/ProcessLauncher.h"
#include "platform/Registry.h"
#include "snmp/NvSNMPSession.h"

namespace {

const QString kHostKey51 = QStringLiteral("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vistane51.exe");
const QString kHostKey5 = QStringLiteral("\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\vistane5.exe");
const QString kOpenViewKey = QStringLiteral("\\SOFTWARE\\Hewlett-Packard\\OpenView");

QString text(const std::string& value)
{
    return QString::fromStdString(value);
}

}  // namespace

QString CompanionLauncher::companionName(const QString& viewArgument)
{
    const qsizetype cut = viewArgument.indexOf(QLatin1Char('_'));
    if (cut < 2)
        return {};
    return viewArgument.mid(2, cut - 2);
}

bool CompanionLauncher::usesV3(const TMainSettings& settings)
{
    return (settings.configFileExists && settings.versionText == "3") || NvSNMPSecurity.version == 3;
}

QString CompanionLauncher::commandLine(const QString& viewArgument, const TMainSettings& settings)
{
    QString line = companionName(viewArgument);
    line += QStringLiteral(" /I") + text(settings.addressText);
    line += QStringLiteral(" /R") + text(settings.readCommunityText);
    line += QStringLiteral(" /W") + text(settings.writeCommunityText);
    line += QLatin1Char(' ') + viewArgument;
    if (usesV3(settings)) {
        // Values go out exactly as the module's own switches read them; an empty
        // text leaves its switch standing alone.
        line += QStringLiteral(" /t") + QString::number(NvSNMPDevice.port);
        line += QStringLiteral(" /v") + QString::number(NvSNMPSecurity.version);
        line += QStringLiteral(" /d") + text(NvSNMPScope.contextEngineId);
        line += QStringLiteral(" /m") + QString::number(NvSNMPSecurity.securityModel);
        line += QStringLiteral(" /n") + text(NvSNMPSecurity.securityName);
        line += QStringLiteral(" /c") + text(NvSNMPScope.contextName);
        line += QStringLiteral(" /l") + QString::number(NvSNMPSecurity.securityLevel);
        line += QStringLiteral(" /a") + QString::number(NvSNMPSecurity.authProtocol);
        line += QStringLiteral(" /A") + text(NvSNMPSecurity.authPassword);
        line += QStringLiteral(" /p") + QString::number(NvSNMPSecurity.privProtocol);
        line += QStringLiteral(" /P") + text(NvSNMPSecurity.privPassword);
    }
    return line;
}

QString CompanionLauncher::probeHost(const Registry& registry)
{
    if (registry.openKey(kHostKey51, false) || registry.openKey(kHostKey5, false))
        return {};
    if (registry.openKey(kOpenViewKey, false)) {
        if (registry.readString(kOpenViewKey, QStringLiteral("OV_PATH")).value_or(QString()).isEmpty())
            return QStringLiteral("OpenView : File Path Error!");
        return {};
    }
    return QStringLiteral("No Path!");
}

QString CompanionLauncher::startFailureText(const QString& viewArgument)
{
    return QStringLiteral("Cannot start the companion program \"%1\" (looked for beside the module and on PATH)")
        .arg(companionName(viewArgument));
}

bool CompanionLauncher::launch(const QString& viewArgument, const TMainSettings& settings, const Registry& registry,
                               const std::function<void(const QString&)>& showStatus)
{
    const QString status = probeHost(registry);
    if (!status.isEmpty() && showStatus)
        showStatus(status);
    // The program is looked up beside the module first.
    return ProcessLauncher::start(commandLine(viewArgument, settings));
}
