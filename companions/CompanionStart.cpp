#include "companions/CompanionStart.h"

#include <QApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <exception>

#include "app/Application.h"
#include "app/CommandLineHelp.h"
#include "app/Startup.h"
#include "companions/CompanionViews.h"
#include "companions/CompanionWindowUnit.h"
#include "platform/MainSettings.h"
#include "platform/Registry.h"
#include "snmp/NvSNMPSession.h"

namespace {

const std::string kViewSwitch = "/T";

// The view argument: the last argument that starts with "/T".
QString viewArgument(const std::vector<std::string>& arguments)
{
    QString found;
    for (const std::string& argument : arguments) {
        if (argument.rfind(kViewSwitch, 0) == 0)
            found = QString::fromStdString(argument);
    }
    return found;
}

// Exit status of a start refused for its arguments or its session.
constexpr int kRefusedExit = 2;

void fail(const QString& program, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(program), qPrintable(text));
    QMessageBox::critical(nullptr, program, text);
}

}  // namespace

CompanionStart::Choice CompanionStart::choose(const QString& program, const std::vector<std::string>& arguments,
                                              const TMainSettings& settings)
{
    const bool companion = CompanionViews::programNames().contains(program);
    const QStringList own = companion ? CompanionViews::argumentsOf(program) : QStringList();
    const QString offered = companion ? QStringLiteral(" Views of %1: %2.").arg(program, own.join(QStringLiteral(", ")))
                                      : QString();
    const QString argument = viewArgument(arguments);
    if (argument.isEmpty())
        return {.error = QStringLiteral("No view given: start %1 with /T<view>.%2").arg(program, offered)};
    const CompanionView* view = CompanionViews::find(argument);
    if (!view || (companion && CompanionViews::programOf(*view) != program))
        return {.error = QStringLiteral("Unknown view \"%1\".%2").arg(argument, offered)};
    if (settings.addressText.empty())
        return {.error = QStringLiteral("No device address given: start %1 with /I<address> %2.").arg(program, argument)};
    return {.view = view, .error = {}};
}

std::unique_ptr<TCompanionWindow> CompanionStart::openWindow(int argc, char** argv)
{
    const QString program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    QApplication::setApplicationName(program);

    // Start-up works on a copy; the communities and pass phrases are then wiped
    // from the process's own argument memory, as the module does.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    TStartup::hideSecrets(argc, argv);

    TMainSettings settings;
    try {
        const QScreen* screen = QGuiApplication::primaryScreen();
        TStartup::run(settings, arguments, screen ? screen->logicalDotsPerInch() : 96.0, Registry(),
                      startSnmpSession);
    } catch (const std::exception& e) {
        fail(program, QString::fromLocal8Bit(e.what()));
        return nullptr;
    }
    const Choice choice = choose(program, arguments, settings);
    if (!choice.view) {
        fail(program, choice.error);
        return nullptr;
    }
    return std::make_unique<TCompanionWindow>(*choice.view, QString::fromStdString(settings.addressText));
}

TProgramUsage CompanionStart::usage(const QString& program)
{
    QStringList views = CompanionViews::argumentsOf(program);
    if (views.isEmpty()) {
        for (const CompanionView& view : CompanionViews::all())
            views << QStringLiteral("/T") + QLatin1String(view.argument);
    }
    return {.program = program.toStdString(),
            .summary = "companion of the HV-720 module: counter, table and chart views of standard MIBs",
            .extraSwitches = ("  /T<view>        the view to open: " + views.join(QStringLiteral(", "))).toStdString()};
}

int CompanionStart::run(int argc, char** argv)
{
    const QString program = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    if (const auto status = TCommandLineHelp::answer(argc, argv, usage(program)))
        return *status;
    const std::string name = program.toStdString();
    TApplication::endReadablyWithoutDisplay(name.c_str());
    QApplication app(argc, argv);
    const std::unique_ptr<TCompanionWindow> window = openWindow(argc, argv);
    if (!window)
        return kRefusedExit;
    window->show();
    return QApplication::exec();
}
