#include "app/Application.h"

#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/MainUnit.h"
#include "app/Startup.h"

namespace {

const char* s_program = "hv720";
bool s_constructed = false;  // the display was opened
QtMessageHandler s_previousHandler = nullptr;

void platformGuard(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg && !s_constructed) {
        std::fprintf(stderr,
                     "%s: cannot open the display: %s\n"
                     "Start it on a desktop, or set DISPLAY (X11), WAYLAND_DISPLAY or QT_QPA_PLATFORM "
                     "(offscreen for no window).\n",
                     s_program, qPrintable(message.section(QLatin1Char('\n'), 0, 0)));
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (s_previousHandler)
        s_previousHandler(type, context, message);
    else
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

}  // namespace

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    s_constructed = true;
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showError(QStringLiteral("Unknown error"));
    }
    return false;
}


void TApplication::endReadablyWithoutDisplay(const char* program)
{
    s_program = program;
    s_previousHandler = qInstallMessageHandler(platformGuard);
}

void TApplication::showError(const QString& text)
{
    QMessageBox::critical(nullptr, QCoreApplication::applicationName(), text);
}

int TApplication::runModule(int argc, char** argv)
{
    if (argc < 2) {
        QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), QStringLiteral("No parameter input"),
                        QMessageBox::Ok);
        box.exec();
        return 0;
    }

    // Start-up works on a copy; the communities and pass phrases are then wiped
    // from the process's own argument memory.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    TStartup::hideSecrets(argc, argv);

    std::unique_ptr<TMainForm> mainForm;
    try {
        mainForm = std::make_unique<TMainForm>(arguments);
    } catch (const std::exception& e) {
        showError(QString::fromLocal8Bit(e.what()));
        return 1;
    }
    if (mainForm->isShutDown())
        return 0;  // closed while the stack was being identified
    mainForm->show();
    return QApplication::exec();
}
