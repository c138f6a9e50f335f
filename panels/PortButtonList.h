#pragma once
// Every port button of every panel of the stack, in creation order. The list
// gives all of them one pop-up menu and makes them behave as one group: a click
// puts that button down and every other one up.
#include <QList>
#include <QPointer>

#include "panels/PortButton.h"

class QMenu;

class TPortButtonList {
public:
    TPortButtonList() = default;
    ~TPortButtonList();
    TPortButtonList(const TPortButtonList&) = delete;
    TPortButtonList& operator=(const TPortButtonList&) = delete;

    void append(TPortButton* button);
    int count() const { return static_cast<int>(m_buttons.size()); }
    TPortButton* at(int index) const { return m_buttons.at(index); }
    const QList<QPointer<TPortButton>>& buttons() const { return m_buttons; }
    void clear();

    void setPopupMenu(QMenu* menu);
    // Connects every button not yet in the group to the group behaviour.
    void makeGroup();
    // Puts button down and every other listed button up.
    void select(TPortButton* button);
    // The button that is down, or none.
    TPortButton* selected() const;

private:
    QList<QPointer<TPortButton>> m_buttons;
    QList<QPointer<TPortButton>> m_grouped;
    QList<QMetaObject::Connection> m_connections;
};
