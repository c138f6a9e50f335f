#include "app/Application.h"

#include <QMessageBox>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "app/MainUnit.h"
#include "app/Startup.h"

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
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
