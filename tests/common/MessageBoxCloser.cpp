#include "tests/common/MessageBoxCloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

MessageBoxCloser::MessageBoxCloser(QMessageBox::StandardButton answer)
{
    QObject::connect(&m_timer, &QTimer::timeout, [this, answer] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        captions << box->windowTitle();
        texts << box->text();
        offered << box->standardButtons();
        QAbstractButton* button = box->button(answer);
        if (!button)
            button = box->defaultButton();
        if (!button && !box->buttons().isEmpty())
            button = box->buttons().first();
        if (button)
            button->click();
    });
    m_timer.start(5);
}
