#include "tests/common/MessageBoxCloser.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

MessageBoxCloser::MessageBoxCloser()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            captions << box->windowTitle();
            texts << box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    m_timer.start(0);
}
