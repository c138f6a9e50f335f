#include "editors/ports/DigitKeyFilter.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>

void DigitKeyFilter::install(QLineEdit* edit)
{
    edit->installEventFilter(new DigitKeyFilter(edit));
}

bool DigitKeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Dialog and navigation keys (Escape, Enter, Tab, Delete, arrows) and
    // shortcuts (Ctrl+A, Ctrl+C) keep their usual meaning; typed characters
    // other than digits, and Backspace, are discarded with a beep.
    const bool backspace = key->key() == Qt::Key_Backspace;
    const bool shortcut = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!backspace && (shortcut || text.isEmpty() || !text.at(0).isPrint()))
        return false;
    if (text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9'))
        return false;
    QApplication::beep();
    return true;
}
