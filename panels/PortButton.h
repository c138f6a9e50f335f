#pragma once
// A flat port button drawn as the port's socket. It carries the port's index in
// the stack as its tag, stays down while it is the selected port, and on a right
// click offers the pop-up menu it was given (the menu's "popupComponent"
// property then names the button, so that the menu's handlers know the port).
#include <QAbstractButton>
#include <QPointer>

#include <QMenu>

class TPortButton : public QAbstractButton {
    Q_OBJECT
public:
    enum Style {
        RjUpper,  // copper socket of the upper row (latch at the top)
        RjLower,  // copper socket of the lower row (latch at the bottom)
        Fibre,    // fibre module cage
    };

    explicit TPortButton(QWidget* parent = nullptr, Style style = RjLower);

    Style style() const { return m_style; }
    void setStyle(Style style);

    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    // Down = the selected port (the group keeps one down across the stack).
    bool isPortDown() const { return isChecked(); }
    void setPortDown(bool down) { setChecked(down); }

    void setPopupMenu(QMenu* menu);
    QMenu* popupMenu() const { return m_popupMenu; }

signals:
    // Right click: emitted before the pop-up menu (if any) is shown.
    void popupRequested(TPortButton* button, const QPoint& globalPos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void paintCopper(QPainter& p, const QRect& r);
    void paintFibre(QPainter& p, const QRect& r);

    Style m_style;
    int m_tag = 0;
    bool m_hover = false;
    QPointer<QMenu> m_popupMenu;
};
