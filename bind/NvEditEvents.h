#pragma once
// The change and exit handlers of an edit, as single replaceable slots, so that
// code can save the handler an edit has, install its own and chain to the saved
// one (the input constraints do that). Change runs on every text change, by the
// user or by code; exit runs when the focus moves from the edit to another
// control (not when the whole window is deactivated or a pop-up opens).
//
// The edit's "tag" is the integer dynamic property "tag" of the widget; handlers
// set it to -1 to stop the work that follows them.
#include <QObject>

#include <functional>

class QLineEdit;
class QWidget;

class NvEditEvents : public QObject {
public:
    using Handler = std::function<void(QLineEdit*)>;

    // The handler slots of an edit, created as a child of the edit on first use.
    static NvEditEvents* of(QLineEdit* edit);

    const Handler& changeHandler() const { return m_change; }
    void setChangeHandler(Handler handler) { m_change = std::move(handler); }
    const Handler& exitHandler() const { return m_exit; }
    void setExitHandler(Handler handler) { m_exit = std::move(handler); }

    static int tag(const QWidget* widget);
    static void setTag(QWidget* widget, int tag);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit NvEditEvents(QLineEdit* edit);
    void changed();

    QLineEdit* m_edit;
    Handler m_change;
    Handler m_exit;
};
