#pragma once
// Builds the main window through the ordinary start-up against an agent on
// 127.0.0.1: a registry file and the device configuration file are written into
// the test's private directory, the boot counter goes there too.
#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

class QTemporaryDir;
class QWidget;
class TMainForm;

struct ModuleOptions {
    int agentPort = 0;
    int version = 1;              // "Version" of the device configuration file
    QByteArray extraRegistry{};   // further registry sections
    QByteArray deviceKeys{};      // device file lines that win over the defaults ("Key=value\n")
};

std::unique_ptr<TMainForm> openModule(const QTemporaryDir& dir, const ModuleOptions& options);

// Runs check on every modal window that appears until it returns true (it then
// closes the window itself or leaves it to the caller's code), polling every 10 ms.
class ModalWatcher {
public:
    explicit ModalWatcher(std::function<bool(QWidget* modal)> check);
    ~ModalWatcher();
    ModalWatcher(const ModalWatcher&) = delete;
    ModalWatcher& operator=(const ModalWatcher&) = delete;

private:
    struct Timer;
    std::unique_ptr<Timer> m_timer;
};
