#pragma once
// Common base of every object that ties one SNMP request to user-interface
// controls. It owns the request, runs gets and sets in blocking or asynchronous
// mode through a fixed sequence of hooks, reports outcomes on a status target
// (or in a message box) and converts value texts to octets and back.
#include <QPointer>
#include <QTime>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "snmp/NvSNMPError.h"
#include "snmp/NvSNMPRequest.h"


class NvSegmentedWalk;
class QPlainTextEdit;
class QStatusBar;
class QLabel;

class NvSNMPRequest2Controls {
public:
    using DoneCallback = std::function<void(NvSNMPRequest2Controls& binding, const NvSNMPError& reply)>;
    enum Operation : int { GetOperation = 0, SetOperation = 1 };

    explicit NvSNMPRequest2Controls(QWidget* owner);
    virtual ~NvSNMPRequest2Controls();
    NvSNMPRequest2Controls(const NvSNMPRequest2Controls&) = delete;
    NvSNMPRequest2Controls& operator=(const NvSNMPRequest2Controls&) = delete;

    NvSNMPRequest request;
    DoneCallback onGetDone;   // asynchronous replies only
    DoneCallback onSetDone;   // asynchronous replies only
    bool asynchronous = true;
    bool busy = false;
    QPointer<QWidget> owner;
    int32_t rowCount = 0;
    int lastOperation = GetOperation;
    bool rereadAfterSet = true;

    // The one status target: a memo (a line is appended), a status bar (its text
    // is replaced) or a panel of a status bar, i.e. a label in it (its text is
    // replaced). Null clears the target.
    void setStatusTarget(QPlainTextEdit* memo);
    void setStatusTarget(QStatusBar* statusBar);
    void setStatusTarget(QLabel* statusPanel);
    bool hasStatusTarget() const;

    // Writes one status line built from the template of lastOperation; nothing
    // without a status target.
    void showStatus(const std::string& message);
    // The status line showStatus would write (without writing it).
    std::string statusLine(const std::string& message) const;

    // Reads the variable list. Throws NvSNMPException when a blocking request
    // or the sending of an asynchronous one fails.
    void get();
    // Reads a table with one integer index as several walks in flight, one per
    // index range (see NvSegmentedWalk for the bounds); the rows come through
    // the same hooks, in index order, and the outcome through onGetDone, as
    // from get(). Asynchronous; throws like get().
    void getRanges(const std::vector<uint32_t>& bounds);
    // Writes the list's writable rows; collectFirst copies the controls into
    // the rows first. columnSelection and valueSource are accepted for callers
    // that pass them and have no further effect. Throws like get().
    void set(bool rereadAfter, bool collectFirst, const std::string& columnSelection = "",
             void* valueSource = nullptr);

    // Value codec: the binding's own octet image of a value text and back.
    // -511 for an unknown syntax, -518 for octets too short.
    static std::string textToOctets(const std::string& text, NvSyntax syntax);
    static std::string octetsToText(const std::string& octets, NvSyntax syntax);

    // The wall clock of status lines; replaceable (e.g. by a fixed time).
    static std::function<QTime()> clock;

    // The closing protocol, the one way a form or the main window ends a
    // binding it owns: shutDown() (no further request, timers stopped), a wait
    // without spinning until busy clears, then destruction. Called from inside
    // a reply handler (onGetDone, or events processed while a walk fills its
    // list view) the wait could never end: the binding then drops its
    // callbacks and moves into the closing list, which destroys it from the
    // event loop once its request has finished. Either way the pointer is
    // empty afterwards and the binding is owned by exactly one unique_ptr.
    template <class Binding>
    static void close(std::unique_ptr<Binding>& binding)
    {
        closeBinding(std::unique_ptr<NvSNMPRequest2Controls>(binding.release()));
    }
    static void closeBinding(std::unique_ptr<NvSNMPRequest2Controls> binding);

    // First step of closing: switches the request off. Bindings with timers
    // stop them too.
    virtual void shutDown();

protected:
    // Hooks, in slot order.
    virtual void beforeGet() {}
    virtual void beforeSet() {}
    virtual void rowReceived() = 0;
    virtual void collectValues() {}
    virtual void getFailed(const NvSNMPError& reply);
    virtual void setFailed(const NvSNMPError& reply);
    virtual void afterGet() {}
    virtual void afterSet() {}

    // Failure report: status line, or a modal message box over the owner.
    void reportFailure(const std::string& message);

private:
    void getReply(const NvSNMPError& reply);
    // The ranged walk has ended: its rows, then its outcome, as a walk's replies.
    void takeRanges(const NvSNMPError& outcome);
    void setReply(const NvSNMPError& reply);
    void finishGet(const NvSNMPError& reply);
    // Runs work with a reply as this binding's handler: counted while it runs,
    // so that a close asked from inside it waits for its end; nothing once the
    // binding is gone.
    std::function<void(const NvSNMPError&)> asReply(void (NvSNMPRequest2Controls::*work)(const NvSNMPError&));
    NvSNMPReplyHandler getHandler();
    NvSNMPReplyHandler setHandler();

    QPointer<QPlainTextEdit> m_memo;
    QPointer<QStatusBar> m_statusBar;
    QPointer<QLabel> m_statusPanel;
    void handlerDone();
    // Runs one blocking step; busy is cleared when it throws, and the
    // exception goes on unchanged.
    void clearBusyOnThrow(const std::function<void()>& step);
    // Lets a running asynchronous operation end before the next one starts.
    void waitForRunningOperation();

    std::unique_ptr<NvSegmentedWalk> m_rangeWalk;
    std::shared_ptr<int> m_life = std::make_shared<int>(0);
    int m_handlerDepth = 0;     // reply handlers of this binding running
    bool m_closing = false;     // in the closing list, destroyed once idle
    static int s_handlerDepth;  // reply handlers of any binding running
};
