#include "Application.h"

#include <QMessageBox>
#include <exception>

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
