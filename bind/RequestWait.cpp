#include "bind/RequestWait.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include "snmp/NvEventWait.h"

namespace {

// The note of the innermost wait: the one window that takes input meanwhile.
QPointer<QWidget> g_note;

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonRelease:
    case QEvent::NonClientAreaMouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::Drop:
    case QEvent::Close:
        return true;
    default:
        return false;
    }
}

QDialog* makeNote(const std::string& what, bool& cancelled)
{
    auto* note = new QDialog(QApplication::activeWindow());
    note->setObjectName(QStringLiteral("RequestWaitNote"));
    note->setWindowTitle(QStringLiteral("Please wait"));
    auto* layout = new QHBoxLayout(note);
    layout->addWidget(new QLabel(QString::fromStdString(what), note));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), note);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    layout->addWidget(cancel);
    QObject::connect(cancel, &QPushButton::clicked, note, &QDialog::reject);
    // Cancel, Escape and closing the note all end the wait.
    QObject::connect(note, &QDialog::rejected, note, [&cancelled] { cancelled = true; });
    return note;
}

}  // namespace

void RequestWait::install()
{
    setAnswerWait(&RequestWait::wait);
}

QWidget* RequestWait::note()
{
    return g_note;
}

bool RequestWait::wait(const std::string& what, const std::function<bool()>& answered)
{
    if (answered())
        return true;
    RequestWait hold;
    qApp->installEventFilter(&hold);
    bool cancelled = false;
    // Owned by the window it shows over, which could go while the wait runs.
    QPointer<QDialog> note;
    const QPointer<QWidget> outerNote = g_note;
    QTimer noteDelay;
    noteDelay.setSingleShot(true);
    QObject::connect(&noteDelay, &QTimer::timeout, [&] {
        note = makeNote(what, cancelled);
        g_note = note;
        note->show();
    });
    noteDelay.start(noteDelayMs);
    waitUntil([&] { return cancelled || answered(); });
    qApp->removeEventFilter(&hold);
    g_note = outerNote;
    delete note.data();
    return !cancelled;
}

bool RequestWait::eventFilter(QObject* watched, QEvent* event)
{
    // Only what the user does is held back; events the program sends itself pass.
    if (!event->spontaneous() || !isUserInput(event->type()))
        return false;
    for (QObject* o = watched; o; o = o->parent())
        if (g_note && o == g_note)
            return false;
    event->ignore();
    return true;
}
