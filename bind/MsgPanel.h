#pragma once
// The message area at the bottom of a generated view: a 50-pixel memo that the
// view's bindings write their status lines into.
#include <QWidget>

class QPlainTextEdit;

class TMsgPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int panelHeight = 50;

    explicit TMsgPanel(QWidget* owner);

    QPlainTextEdit* memo = nullptr;
};
