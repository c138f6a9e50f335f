#include "bind/MsgPanel.h"

#include <QPlainTextEdit>
#include <QVBoxLayout>

TMsgPanel::TMsgPanel(QWidget* owner)
    : QWidget(owner)
{
    memo = new QPlainTextEdit(this);
    memo->setReadOnly(true);
    // Status lines can be reached, selected and copied from the keyboard.
    memo->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    memo->setTabChangesFocus(true);
    memo->setFocusPolicy(Qt::StrongFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(memo);
    resize(width(), panelHeight);
    setMinimumHeight(memo->fontMetrics().height() + 2 * memo->frameWidth() + 4);
}
