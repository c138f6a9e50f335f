#pragma once
// Input constraints of edits, described by short format texts such as
// "%i{n1x4094l4}" (an integer from 1 to 4094, at most four characters) or
// "%s{l32}". The constraint filters what the user types (an offending character
// is removed with a beep), moves the focus on when a field is complete, and
// checks the whole value when the focus leaves the edit: a refused value is
// reported in a modal message box and the last accepted text comes back.
//
// Format: "%" conversion [delimiter, for "n" only] [ "{" options "}" ]
//   conversions: s text, h hexadecimal digits, i signed integer, u unsigned
//   integer, f real number, n list of integers separated by the delimiter
//   options:     e<c>  typing c moves the focus on instead of being inserted
//                l<digits>[a][f][n]  maximum length (number count for "n");
//                      a: move on when full, f: length must be exact, n: empty refused
//                n<number> minimum    x<number> maximum    w<digits> width in pixels
//
// Moving the focus on is a posted event of type FocusNextEvent to the owner
// form; the constraint itself handles that event on the form (the next control
// of the focus chain takes the focus), so forms need not do anything.
#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>  // QPointer<QWidget> needs the complete class

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bind/NvEditEvents.h"

class QLineEdit;
class QWidget;

// The constraint of one edit.
struct EditConstraint_s {
    enum Flags : uint8_t { AdvanceWhenFull = 1, ExactLength = 2, NotEmpty = 4 };

    QPointer<QLineEdit> edit;   // not owned
    char conversion = 's';      // s h i u f n
    char delimiter = 0;         // conversion "n" only
    double minimum = 0;
    double maximum = 0;
    int32_t maxLength = 0;      // characters (numbers for "n"); 0 = no limit
    uint8_t flags = 0;
    char advanceChar = 0;       // 0 = none
    QString lastAccepted;
    NvEditEvents::Handler savedOnChange;  // the edit's own handlers, chained
    NvEditEvents::Handler savedOnExit;
};

class NvEditConstraint : public QObject {
public:
    // Its own number: 34002 is the configuration form's refresh message, which
    // the filter on the form must let through.
    static constexpr int FocusNextEvent = 34003;

    // rememberAccepted: every accepted exit stores the text as the last accepted one.
    NvEditConstraint(QWidget* ownerForm, bool rememberAccepted);
    // Gives every edit that still exists its own handlers back.
    ~NvEditConstraint() override;

    // One specification per "%" of format, the k-th to the k-th edit.
    // Throws NvSNMPException -2 for a malformed specification.
    void attach(const std::string& format, const std::vector<QLineEdit*>& edits);
    // Parses one format item, applies width and maximum length, and puts the
    // constraint's change and exit handlers in front of the edit's own.
    // Throws NvSNMPException -2. An edit that already has a record gets a new one.
    void attachOne(const std::string& specification, QLineEdit* edit);
    // Restores the edit's own handlers and its length limit, frees the record.
    void detach(QLineEdit* edit);
    // The edit's current text becomes its last accepted text.
    void rememberText(QLineEdit* edit);

    void setOwnerForm(QWidget* form) { m_ownerForm = form; }
    QWidget* ownerForm() const { return m_ownerForm; }
    bool rememberAccepted() const { return m_rememberAccepted; }

    // The record of an edit, or null.
    const EditConstraint_s* record(const QLineEdit* edit) const;

    // Parses one specification into rec (conversion, delimiter, range, length,
    // flags, advance character) and width (0 when not given): 0 or -2.
    static int parseSpecification(const std::string& specification, EditConstraint_s& rec, int& width);
    // Checks a whole value as on exit: 0, or the refusal code (-3 to -11) with the
    // completed catalogue message. "(NULL)" and "(NOTDONE)" are always 0.
    static int validateText(const EditConstraint_s& rec, const QString& text, QString* message = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EditConstraint_s* find(const QLineEdit* edit) const;
    void changed(QLineEdit* edit);
    void exited(QLineEdit* edit);
    void refuse(QLineEdit* edit, const QString& message);
    void postFocusNext(QLineEdit* edit);
    void restoreEdit(EditConstraint_s& rec);

    QPointer<QWidget> m_ownerForm;
    bool m_rememberAccepted;
    std::vector<std::unique_ptr<EditConstraint_s>> m_records;
};
