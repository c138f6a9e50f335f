#pragma once
// Closes every modal message box that comes up while it lives and keeps what
// the boxes said: a box runs its own event loop, in which this timer fires,
// reads the box and clicks OK.
#include <QStringList>
#include <QTimer>

class MessageBoxCloser {
public:
    MessageBoxCloser();

    QStringList captions;
    QStringList texts;

private:
    QTimer m_timer;
};
