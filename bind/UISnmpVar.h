#pragma once
// One generated row of a configuration view: check box, label and value control.
#include <QPointer>
#include <string>

class QCheckBox;
class QLabel;
class QWidget;

struct UISnmpVar {
    enum Kind : int { Closing = 0, ReadOnlyText = 1, EditableText = 2, EditableEnum = 3, ReadOnlyEnum = 4 };

    int kind = Closing;
    std::string format = "%s";   // constraint format of the row's edit
    QPointer<QWidget> control;   // QLineEdit (kinds 1, 2, 4) or QComboBox (kind 3)
    QPointer<QCheckBox> checkBox;
    QPointer<QLabel> label;
};
