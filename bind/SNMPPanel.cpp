#include "bind/SNMPPanel.h"

#include <QGuiApplication>
#include <QLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

#include "bind/CtrlBtnPanel.h"
#include "bind/MsgPanel.h"
#include "bind/NvSNMPRequest2Edits.h"
#include "snmp/NvSNMPError.h"

TSNMPPanel::TSNMPPanel(QWidget* owner, TMsgPanel* sharedMessages, NvSNMPRequest2Edits* viewBinding)
    : QWidget(owner)
    , binding(viewBinding)
{
    buttons = new TCtrlBtnPanel(this);
    clientArea = new QWidget(this);
    rightSplitter = new QSplitter(Qt::Horizontal, this);
    rightSplitter->setHandleWidth(splitterWidth);
    rightSplitter->setChildrenCollapsible(false);
    rightSplitter->addWidget(clientArea);
    rightSplitter->addWidget(buttons);
    rightSplitter->setStretchFactor(0, 1);
    rightSplitter->setStretchFactor(1, 0);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(rightSplitter);

    bottomSplitter = new QSplitter(Qt::Vertical, clientArea);
    bottomSplitter->setHandleWidth(splitterWidth);
    bottomSplitter->setChildrenCollapsible(false);
    auto* inner = new QVBoxLayout(clientArea);
    inner->setContentsMargins(0, 0, 0, 0);
    inner->addWidget(bottomSplitter);
    if (sharedMessages) {
        m_messages = sharedMessages;
    } else {
        messagePanel = new TMsgPanel(bottomSplitter);
        bottomSplitter->addWidget(messagePanel);
        m_messages = messagePanel;
    }
    if (binding)
        binding->setStatusTarget(m_messages->memo);

    connect(buttons->RefreshBtn, &QPushButton::clicked, this, [this] { refreshClicked(); });
    connect(buttons->CloseBtn, &QPushButton::clicked, this, [this] { closeForm(); });
    resize(0, 0);
}

void TSNMPPanel::refreshClicked()
{
    if (!binding || (binding->asynchronous && binding->busy))
        return;  // the running read fills the same controls
    try {
        binding->get();
    } catch (const NvSNMPException& x) {
        binding->showStatus(x.what());
    }
}

void TSNMPPanel::detachBinding()
{
    binding = nullptr;
}

void TSNMPPanel::closeForm()
{
    if (form)
        form->close();
}

void TSNMPPanel::setContent(QWidget* control)
{
    if (content && content != control) {
        content->hide();
        content->setParent(clientArea);
    }
    content = control;
    bottomSplitter->insertWidget(0, control);
    bottomSplitter->setStretchFactor(0, 1);
    if (messagePanel)
        bottomSplitter->setStretchFactor(bottomSplitter->indexOf(messagePanel), 0);
    control->show();
    const int messagesHeight = messagePanel ? TMsgPanel::panelHeight : 0;
    const int width = control->width() + buttons->width() + splitterWidth + 3;
    const int height = std::max(control->height() + messagesHeight + splitterWidth, buttons->contentHeight());
    resize(width, height);
    m_designSize = QSize(width, height);
    if (messagePanel)
        bottomSplitter->setSizes({control->height(), messagesHeight});
    orderTabs();
}

void TSNMPPanel::orderTabs()
{
    // From the keyboard: the content's controls, then the strip, then the messages.
    std::vector<QWidget*> order;
    if (content)
        for (QWidget* w : content->findChildren<QWidget*>())
            if (w->focusPolicy() & Qt::TabFocus)
                order.push_back(w);
    for (QWidget* item : buttons->items)
        if (item->focusPolicy() & Qt::TabFocus)
            order.push_back(item);
    if (messagePanel)
        order.push_back(messagePanel->memo);
    for (size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void TSNMPPanel::placeInForm(QWidget* targetForm)
{
    form = targetForm;
    const QSize panelSize = m_designSize;
    const int width = std::min(std::max(targetForm->width(), panelSize.width()), maxFormWidth);
    const int height = std::min(std::max(targetForm->height(), panelSize.height()), maxFormHeight);
    targetForm->resize(width, height);
    QLayout* layout = targetForm->layout();
    if (!layout) {
        layout = new QVBoxLayout(targetForm);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    if (layout->indexOf(this) < 0) {
        if (auto* box = qobject_cast<QBoxLayout*>(layout))
            box->insertWidget(0, this, 1);
        else
            layout->addWidget(this);
    }
    // Centred over the main form (the form's owner), or over the screen.
    const QWidget* owner = targetForm->parentWidget() ? targetForm->parentWidget()->window() : nullptr;
    QRect over = owner ? owner->frameGeometry() : QRect();
    if (!owner) {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            over = screen->availableGeometry();
    }
    if (over.isValid())
        targetForm->move(over.center() - QPoint(width / 2, height / 2));
}
