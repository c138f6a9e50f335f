#pragma once
// The module's application object: an exception that escapes an event handler
// is shown in a message box and the event loop goes on.
#include <QApplication>

class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Shows a failure text the way the module reports unexpected errors.
    static void showError(const QString& text);
};
