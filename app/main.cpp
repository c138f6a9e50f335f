#include <QMessageBox>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "Application.h"
#include "MainUnit.h"
#include "Startup.h"

int main(int argc, char** argv)
{
    TApplication app(argc, argv);
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
        TApplication::showError(QString::fromLocal8Bit(e.what()));
        return 1;
    }
    mainForm->show();
    return app.exec();
}
