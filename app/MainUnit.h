#pragma once
// The module's main window. Its construction runs the start-up.
#include <QMainWindow>
#include <string>
#include <vector>

#include "MainSettings.h"
#include "Startup.h"

class Registry;

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    // Runs the start-up with the registry named by the environment and the
    // library's session start; throws what the start-up throws.
    explicit TMainForm(const std::vector<std::string>& arguments, QWidget* parent = nullptr);
    TMainForm(const std::vector<std::string>& arguments, const Registry& registry,
              const TStartup::SessionStarter& startSession, QWidget* parent = nullptr);

    // Values of the start-up that every form reads (LargeFonts, ScaleFactor, ...).
    TMainSettings settings;
};
