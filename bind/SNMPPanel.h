#pragma once
// The frame of a generated view around one binding: the button strip on the
// right, the content above a message area on the left, with splitters between.
// Refresh reads the binding, Close closes the form the panel is placed in.
#include <QPointer>
#include <QWidget>

class QSplitter;
class NvSNMPRequest2Edits;
class TCtrlBtnPanel;
class TMsgPanel;

class TSNMPPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int maxFormWidth = 800;
    static constexpr int maxFormHeight = 550;
    static constexpr int splitterWidth = 3;

    // sharedMessages: the message panel of another view to write into (its memo
    // becomes the binding's status target); null for an own message panel.
    TSNMPPanel(QWidget* owner, TMsgPanel* sharedMessages, NvSNMPRequest2Edits* binding);

    // Shows control as the content and sizes the panel around it.
    void setContent(QWidget* control);
    // Centres form over its owner, grows it to the panel (at most 800 x 550)
    // and lets the panel fill it.
    void placeInForm(QWidget* form);

    NvSNMPRequest2Edits* binding = nullptr;
    TCtrlBtnPanel* buttons = nullptr;
    QWidget* clientArea = nullptr;
    TMsgPanel* messagePanel = nullptr;  // own message panel, null when shared
    QPointer<QWidget> form;
    QPointer<QWidget> content;
    QSplitter* rightSplitter = nullptr;
    QSplitter* bottomSplitter = nullptr;

    // The memo the binding reports to (own or shared).
    TMsgPanel* messages() const { return m_messages; }
    // Forgets the binding (its form has closed it); the buttons then do nothing.
    virtual void detachBinding();
    // The size setContent gave the panel (its layout may resize it later).
    QSize designSize() const { return m_designSize; }

protected:
    // Refresh: reads the binding; an error goes to the status line.
    virtual void refreshClicked();
    void closeForm();

private:
    void orderTabs();

    TMsgPanel* m_messages = nullptr;
    QSize m_designSize;
};
