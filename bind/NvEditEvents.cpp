#include "bind/NvEditEvents.h"

#include <QFocusEvent>
#include <QLineEdit>
#include <QVariant>

NvEditEvents::NvEditEvents(QLineEdit* edit)
    : QObject(edit)
    , m_edit(edit)
{
    setObjectName(QStringLiteral("NvEditEvents"));
    connect(edit, &QLineEdit::textChanged, this, [this] { changed(); });
    edit->installEventFilter(this);
}

NvEditEvents* NvEditEvents::of(QLineEdit* edit)
{
    if (auto* existing = edit->findChild<NvEditEvents*>(QStringLiteral("NvEditEvents"), Qt::FindDirectChildrenOnly))
        return existing;
    return new NvEditEvents(edit);
}

int NvEditEvents::tag(const QWidget* widget)
{
    return widget->property("tag").toInt();
}

void NvEditEvents::setTag(QWidget* widget, int tag)
{
    widget->setProperty("tag", tag);
}

void NvEditEvents::changed()
{
    // A copy: the handler may replace itself while it runs.
    const Handler handler = m_change;
    if (handler)
        handler(m_edit);
}

bool NvEditEvents::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_edit && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const bool leavesWindow = reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason
            || reason == Qt::MenuBarFocusReason;
        const Handler handler = m_exit;
        if (!leavesWindow && handler) {
            handler(m_edit);
            // A handler that gave the focus back to the edit has made this
            // focus-out stale; the edit must not act on it any more.
            if (m_edit->window()->focusWidget() == m_edit)
                return true;
        }
    }
    return false;
}
