#pragma once
// Lets an edit take typed digits 0 to 9 only: any other character key,
// Backspace included, is discarded with the system beep. Keys that type
// nothing (arrows, Tab) pass. The filter belongs to the edit it watches.
#include <QObject>

class QLineEdit;

class DigitKeyFilter : public QObject {
    Q_OBJECT
public:
    static void install(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
