#pragma once
// The stack-wide port picker of the feature editors: one hidden page per
// possible unit with a check box per port. Editors fill it from the stack (the
// pages and ports of the units that exist are shown) and bind the check boxes
// to port-list values: box k is port (k mod 64) + 1 of unit (k div 64) + 1.
#include <functional>

#include <QList>
#include <QString>
#include <QWidget>

class QCheckBox;
class QTabWidget;
class QTreeWidget;

class TStackingPortUitForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int PortsPerUnit = 64;
    static constexpr int UnitCount = 12;

    // With largeFonts the designed position and size are scaled by 1.25.
    explicit TStackingPortUitForm(QWidget* owner = nullptr, bool largeFonts = false);

    // Adds a page captioned caption with portCount hidden check boxes "1", "2", ...
    // in columnCount columns (10 columns whenever "DeviceInfo.ini" is in the
    // current directory); the page's tab stays hidden. firstPortIndex is not used.
    QWidget* addUnitPage(const QString& caption, int firstPortIndex, int portCount, int columnCount);
    // Shows the page of unit unitText, captioned "<caption> <model>", and its first
    // portCount check boxes. A unit text that is no number or a missing page
    // changes nothing. startPort and columnCount are not used.
    void showUnit(const QString& unitText, const QString& model, int startPort, int portCount, int columnCount);

    // The procedure every feature editor follows: twelve pages "Unit1".."Unit12"
    // of 64 boxes in 12 columns, then one shown unit per row of unitListView
    // (caption = unit, column 1 = status, 3 = start port, 4 = port range,
    // 8 = model). portIndexView gives the start port of a unit that is not
    // present. When unitListView is empty, refillUnitList is run first.
    void fillFromStack(QTreeWidget* unitListView, QTreeWidget* portIndexView,
                       const std::function<void()>& refillUnitList = {});

    // Port counts of a unit reported as not present, by model.
    static int defaultPortCount(const QString& model);

    QTabWidget* UnitPageControl = nullptr;
    const QList<QWidget*>& pageList() const { return m_pages; }
    const QList<QCheckBox*>& checkBoxList() const { return m_checkBoxes; }
    // Whether the tab of page index is shown.
    bool isPageShown(int index) const;

private:
    QList<QWidget*> m_pages;
    QList<QCheckBox*> m_checkBoxes;
    QList<QString> m_captions;
};
