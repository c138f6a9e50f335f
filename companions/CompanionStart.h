#pragma once
// Start-up of a companion program: the module's switch language (same parser,
// device-file and registry rules, secrets wiped from the process's arguments)
// plus "/T<companion>_<view>", which chooses the view.
#include <QString>

#include "app/CommandLineHelp.h"
#include <memory>
#include <string>
#include <vector>

struct CompanionView;
class TCompanionWindow;
struct TMainSettings;

class CompanionStart {
public:
    // The view the arguments ask for, or the reason there is none. program is
    // the name the program was started under; a companion name limits the views
    // to its own, another name (a copy, a test) accepts every view.
    struct Choice {
        const CompanionView* view = nullptr;
        QString error;
    };
    static Choice choose(const QString& program, const std::vector<std::string>& arguments,
                         const TMainSettings& settings);

    // Reads the arguments (wiping the secrets in argv) and builds the window of
    // the chosen view, not yet shown; null after the failure was reported on
    // standard error and in a message box. Needs the application object.
    static std::unique_ptr<TCompanionWindow> openWindow(int argc, char** argv);

    // What --help says for a program name.
    static TProgramUsage usage(const QString& program);

    // main() of every companion program: --help and --version first, then the view.
    static int run(int argc, char** argv);
};
