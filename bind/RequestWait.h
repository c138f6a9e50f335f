#pragma once
// How a blocking request waits for its answer in the running application: the
// event loop goes on, so windows keep painting and timers keep running, while
// user input is held back (nothing can start a second operation or close the
// form that waits). After noteDelayMs a note with Cancel shows; Cancel ends
// the wait, and the request then fails with a "cancelled" message.
#include <QObject>
#include <functional>
#include <string>

class QWidget;

class RequestWait : public QObject {
public:
    static constexpr int noteDelayMs = 500;

    // Makes every blocking request of the process wait this way.
    static void install();

    // Waits until answered() holds; false when the user cancelled. what says
    // what is awaited (shown in the note).
    static bool wait(const std::string& what, const std::function<bool()>& answered);

    // The note of the innermost running wait, or null (for tests and
    // benchmarks that press its Cancel).
    static QWidget* note();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    RequestWait() = default;
};
