#pragma once
// Answers every modal message box that comes up while it lives and keeps what
// the boxes showed: a box runs its own event loop, in which this timer fires,
// reads the box and clicks the answer (the box's default button, or its first,
// when it does not offer the answer).
#include <QList>
#include <QMessageBox>
#include <QStringList>
#include <QTimer>

class MessageBoxCloser {
public:
    explicit MessageBoxCloser(QMessageBox::StandardButton answer = QMessageBox::Ok);

    QStringList captions;
    QStringList texts;
    QList<QMessageBox::StandardButtons> offered;  // the buttons of each box

private:
    QTimer m_timer;
};
