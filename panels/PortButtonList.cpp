#include "panels/PortButtonList.h"

#include <QMenu>

void TPortButtonList::append(TPortButton* button)
{
    if (button)
        m_buttons.append(button);
}

TPortButtonList::~TPortButtonList()
{
    clear();
}

void TPortButtonList::clear()
{
    for (const auto& c : m_connections)
        QObject::disconnect(c);
    m_connections.clear();
    m_buttons.clear();
    m_grouped.clear();
}

void TPortButtonList::setPopupMenu(QMenu* menu)
{
    for (const auto& b : m_buttons) {
        if (b)
            b->setPopupMenu(menu);
    }
}

void TPortButtonList::makeGroup()
{
    for (const auto& b : m_buttons) {
        if (!b || m_grouped.contains(b))
            continue;
        m_grouped.append(b);
        TPortButton* button = b.data();
        m_connections.append(
            QObject::connect(button, &QAbstractButton::clicked, button, [this, button] { select(button); }));
    }
}

void TPortButtonList::select(TPortButton* button)
{
    for (const auto& b : m_buttons) {
        if (b)
            b->setPortDown(b == button);
    }
}

TPortButton* TPortButtonList::selected() const
{
    for (const auto& b : m_buttons) {
        if (b && b->isPortDown())
            return b;
    }
    return nullptr;
}
