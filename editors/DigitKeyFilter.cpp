#include "editors/DigitKeyFilter.h"

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
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab || key->text().isEmpty())
        return false;
    const QString text = key->text();
    if (text.size() == 1 && text.at(0) >= QLatin1Char('0') && text.at(0) <= QLatin1Char('9'))
        return false;
    QApplication::beep();
    return true;
}
