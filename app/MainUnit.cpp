#include "MainUnit.h"

#include <QGuiApplication>
#include <QScreen>

#include "NvSNMPSession.h"
#include "Registry.h"

namespace {

double screenDpi()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInch() : 96.0;
}

}  // namespace

TMainForm::TMainForm(const std::vector<std::string>& arguments, QWidget* parent)
    : TMainForm(arguments, Registry(), startSnmpSession, parent)
{
}

TMainForm::TMainForm(const std::vector<std::string>& arguments, const Registry& registry,
                     const TStartup::SessionStarter& startSession, QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    TStartup::run(settings, arguments, screenDpi(), registry, startSession);
}
