#include "app/AboutFormUnit.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace {

// The 32 × 32 program icon: a stack of three switch units with port dots.
QPixmap programIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    for (int unit = 0; unit < 3; ++unit) {
        const QRect body(2, 4 + unit * 9, 28, 7);
        p.fillRect(body, QColor(0x2f, 0x4f, 0x7f));
        p.setPen(QColor(0x10, 0x20, 0x40));
        p.drawRect(body.adjusted(0, 0, -1, -1));
        for (int port = 0; port < 6; ++port)
            p.fillRect(5 + port * 4, 6 + unit * 9, 2, 3, unit == 1 && port == 2 ? Qt::yellow : Qt::green);
    }
    return pixmap;
}

}  // namespace

TAboutForm::TAboutForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutForm"));
    setWindowTitle(QStringLiteral("About HV720 Module"));
    setFixedSize(322, 115);

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(12, 12, 32, 32);
    ProgramIcon->setPixmap(programIcon());

    ProductName = new QLabel(QStringLiteral("Norvane HV720 Management Module"), this);
    ProductName->setObjectName(QStringLiteral("ProductName"));
    QFont bold = ProductName->font();
    bold.setBold(true);
    ProductName->setFont(bold);
    ProductName->setGeometry(58, 10, 256, 18);

    Version = new QLabel(QStringLiteral("Release Version 4.30 (Build Mar 27,2006)"), this);
    Version->setObjectName(QStringLiteral("Version"));
    Version->setGeometry(58, 32, 256, 16);

    Comments = new QLabel(QStringLiteral("Device management for HV-710, HV-720, HV-630 and HV-640 stacks"), this);
    Comments->setObjectName(QStringLiteral("Comments"));
    Comments->setWordWrap(true);
    Comments->setGeometry(58, 50, 256, 28);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(123, 82, 75, 25);
    OKButton->setDefault(true);
    OKButton->installEventFilter(this);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

bool TAboutForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == OKButton && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers held = key->modifiers() & (Qt::ShiftModifier | Qt::AltModifier | Qt::ControlModifier);
        if (key->key() == Qt::Key_F3 && held == (Qt::ShiftModifier | Qt::AltModifier)) {
            Version->setText(QStringLiteral("Release Version 4.30.B11"));
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}
