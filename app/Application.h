#pragma once
// The module's application object: an exception that escapes an event handler
// is shown in a message box and the event loop goes on.
#include <QApplication>

class TApplication : public QApplication {
    Q_OBJECT

public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;

    // Everything of the module after the application object exists: the check
    // for arguments, the main window's construction and the event loop. Returns
    // the exit status.
    static int runModule(int argc, char** argv);

    // Before the application object exists: a display that cannot be opened (no
    // DISPLAY, no platform plugin) ends the program with a readable message on
    // standard error and exit status 1 instead of Qt's abort.
    static void endReadablyWithoutDisplay(const char* program);

    // Shows a failure text the way the module reports unexpected errors.
    static void showError(const QString& text);
};
