#include "bind/NvEditConstraint.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QCoreApplication>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTimer>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <memory>
#include <cstring>
#include <locale.h>
#include <stdlib.h>
#include <limits>

#include "snmp/NvMessageCatalogue.h"
#include "snmp/NvSNMPError.h"
#include "snmp/NvValueText.h"

namespace {

// Limits what the user types to a number of characters, while text set by code
// is kept whole (a too long value then shows and is refused on exit, instead of
// being cut silently, as the edit's own maximum length would do). A paste that
// does not fit is cut to the room left, as a maximum length cuts it, rather than
// refused as a whole.
class TypingLengthLimit : public QValidator {
public:
    TypingLengthLimit(int maxLength, QLineEdit* edit)
        : QValidator(edit)
        , m_maxLength(maxLength)
        , m_edit(edit)
    {
        setObjectName(QStringLiteral("NvTypingLengthLimit"));
        edit->installEventFilter(this);
    }
    State validate(QString& input, int&) const override
    {
        return input.length() <= m_maxLength ? Acceptable : Invalid;
    }

protected:
    // The edit's pastes (keys, middle button, context menu) go through pasteCut.
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (m_edit->isReadOnly())
                return false;
            if (key->matches(QKeySequence::Paste)
                || (key->key() == Qt::Key_Insert && key->modifiers() == Qt::ShiftModifier)) {
                pasteCut(QClipboard::Clipboard);
                return true;
            }
            return false;
        }
        case QEvent::MouseButtonRelease:
            if (static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton && !m_edit->isReadOnly()
                && QGuiApplication::clipboard()->supportsSelection()) {
                pasteCut(QClipboard::Selection);
                return true;
            }
            return false;
        case QEvent::ContextMenu: {
            std::unique_ptr<QMenu> menu(m_edit->createStandardContextMenu());
            for (QAction* action : menu->actions())
                if (action->objectName() == QLatin1String("edit-paste")) {
                    disconnect(action, &QAction::triggered, nullptr, nullptr);
                    connect(action, &QAction::triggered, this, [this] { pasteCut(QClipboard::Clipboard); });
                }
            menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        default:
            return false;
        }
    }

private:
    void pasteCut(QClipboard::Mode mode)
    {
        const QString text = QGuiApplication::clipboard()->text(mode);
        const int room = m_maxLength - static_cast<int>(m_edit->text().size() - m_edit->selectedText().size());
        if (room > 0 || m_edit->hasSelectedText())
            m_edit->insert(text.left(std::max(room, 0)));
    }

    int m_maxLength;
    QLineEdit* m_edit;
};

// Eats the mouse press that is still on its way when a refusal box closes: the
// click that left the refused edit must not go on to press a button or open a
// combo box behind the box. It lives until the current event has been handled.
class PendingClickEater : public QObject {
public:
    static void install()
    {
        auto* eater = new PendingClickEater;
        qApp->installEventFilter(eater);
        QTimer::singleShot(0, eater, [eater] { eater->deleteLater(); });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        return type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    }
};

// Set while a refusal shows its box and gives the focus back, so that the focus
// moves it causes are no exits of the other edits.
bool s_refusing = false;

bool isPlaceholder(const QString& text)
{
    return text == QLatin1String(kNotDoneValueText) || text == QLatin1String(kNullValueText);
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool isHexDigit(QChar c)
{
    return isDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// Position of the first character the conversion does not allow, or -1.
int firstRejected(const EditConstraint_s& rec, const QString& text)
{
    bool pointSeen = false;
    for (int i = 0; i < text.length(); ++i) {
        const QChar c = text[i];
        bool ok = true;
        switch (rec.conversion) {
        case 'i':
            ok = isDigit(c) || (i == 0 && c == u'-');
            break;
        case 'u':
            ok = isDigit(c);
            break;
        case 'f':
            if (c == u'.' && !pointSeen) {
                pointSeen = true;
                ok = true;
            } else {
                ok = isDigit(c) || (i == 0 && c == u'-');
            }
            break;
        case 'h':
            ok = isHexDigit(c);
            break;
        case 'n':
            ok = isDigit(c)
                || (i > 0 && c == QLatin1Char(rec.delimiter) && text[i - 1] != QLatin1Char(rec.delimiter));
            break;
        default:
            ok = true;
        }
        if (!ok)
            return i;
    }
    return -1;
}

QString numberText(double value)
{
    return QString::fromStdString(realToText(value));
}

QString catalogueLine(int line)
{
    return QString::fromStdString(catalogueText(NvCatalogueKind::Common, line));
}

QString executableName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

// Run of characters from pos that belong to set (a 0-based view of spanOf).
std::string takeRun(const std::string& s, size_t& pos, const char* set)
{
    const int last = spanOf(s, static_cast<int>(pos) + 1, set);
    if (last == 0)
        return std::string();
    std::string run = s.substr(pos, static_cast<size_t>(last) - pos);
    pos = static_cast<size_t>(last);
    return run;
}

bool readNumber(const std::string& run, double& out)
{
    if (run.empty())
        return false;
    char* end = nullptr;
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    out = strtod_l(run.c_str(), &end, cLocale);
    return end == run.c_str() + run.size();
}

} // namespace

NvEditConstraint::NvEditConstraint(QWidget* ownerForm, bool rememberAccepted)
    : m_ownerForm(ownerForm)
    , m_rememberAccepted(rememberAccepted)
{
}

NvEditConstraint::~NvEditConstraint()
{
    // Handlers that point at this object must not outlive it.
    for (auto& rec : m_records)
        restoreEdit(*rec);
}

int NvEditConstraint::parseSpecification(const std::string& spec, EditConstraint_s& rec, int& width)
{
    constexpr int bad = -2;
    width = 0;
    if (spec.size() < 2 || spec[0] != '%')
        return bad;
    rec.conversion = spec[1];
    rec.delimiter = 0;
    switch (rec.conversion) {
    case 'i':
        rec.minimum = -2147483648.0;
        rec.maximum = 2147483647.0;
        break;
    case 'u':
        rec.minimum = 0;
        rec.maximum = 4294967295.0;
        break;
    case 'f':
        // A real may be negative (the filter lets a leading "-" through), so the
        // default range is the whole range of doubles.
        rec.minimum = std::numeric_limits<double>::lowest();
        rec.maximum = std::numeric_limits<double>::max();
        break;
    case 'h':
    case 's':
    case 'n':
        rec.minimum = std::numeric_limits<double>::min();
        rec.maximum = std::numeric_limits<double>::max();
        break;
    default:
        return bad;
    }
    size_t pos = 2;
    if (rec.conversion == 'n') {
        if (spec.size() < 3)
            return bad;
        rec.delimiter = spec[2];
        pos = 3;
    }
    rec.maxLength = 0;
    rec.flags = 0;
    rec.advanceChar = 0;
    if (pos == spec.size())
        return 0;
    if (spec[pos] != '{' || spec.back() != '}' || spec.size() - pos < 2)
        return bad;
    const std::string options = spec.substr(pos + 1, spec.size() - pos - 2);
    const char* digits = "0123456789";
    const char* numberChars = "0123456789-.";
    size_t i = 0;
    while (i < options.size()) {
        const char option = options[i++];
        switch (option) {
        case 'e':
            if (i >= options.size())
                return bad;
            rec.advanceChar = options[i++];
            break;
        case 'l': {
            const std::string run = takeRun(options, i, digits);
            if (run.empty() || run.size() > 9)
                return bad;
            rec.maxLength = std::stoi(run);
            for (int k = 0; k < 3 && i < options.size(); ++k) {
                const char f = options[i];
                // "n" followed by a number is the minimum option, not the flag.
                if (f == 'n' && i + 1 < options.size() && std::strchr(numberChars, options[i + 1]))
                    break;
                if (f == 'a')
                    rec.flags |= EditConstraint_s::AdvanceWhenFull;
                else if (f == 'f')
                    rec.flags |= EditConstraint_s::ExactLength;
                else if (f == 'n')
                    rec.flags |= EditConstraint_s::NotEmpty;
                else
                    break;
                ++i;
            }
            break;
        }
        case 'n':
        case 'x': {
            double value = 0;
            if (!readNumber(takeRun(options, i, numberChars), value))
                return bad;
            (option == 'n' ? rec.minimum : rec.maximum) = value;
            break;
        }
        case 'w': {
            const std::string run = takeRun(options, i, digits);
            if (run.empty() || run.size() > 9)
                return bad;
            width = std::stoi(run);
            break;
        }
        default:
            return bad;
        }
    }
    return 0;
}

int NvEditConstraint::validateText(const EditConstraint_s& rec, const QString& text, QString* message)
{
    auto fail = [message](int code, QString msg) {
        if (message)
            *message = std::move(msg);
        return code;
    };
    if (isPlaceholder(text))
        return 0;
    if (text.isEmpty())
        return (rec.flags & EditConstraint_s::NotEmpty) ? fail(-3, catalogueLine(3)) : 0;

    const bool exact = rec.flags & EditConstraint_s::ExactLength;
    const QString maxLength = QString::number(rec.maxLength);
    switch (rec.conversion) {
    case 'i':
    case 'u':
    case 'f': {
        const double value = textToReal(text.toStdString());
        if (value < rec.minimum || value > rec.maximum)
            return fail(-8, catalogueLine(8)
                                .replace(QLatin1String("[MIN]"), numberText(rec.minimum))
                                .replace(QLatin1String("[MAX]"), numberText(rec.maximum)));
        return 0;
    }
    case 's':
    case 'h': {
        if (rec.maxLength <= 0)
            return 0;
        const int base = rec.conversion == 's' ? 4 : 6;
        if (exact && text.length() != rec.maxLength)
            return fail(-(base + 1), catalogueLine(base + 1).replace(QLatin1String("[LEN]"), maxLength));
        if (!exact && text.length() > rec.maxLength)
            return fail(-base, catalogueLine(base).replace(QLatin1String("[MAXLEN]"), maxLength));
        return 0;
    }
    case 'n': {
        const QString delimiter(QLatin1Char(rec.delimiter));
        std::vector<double> numbers(1, 0.0);
        double scale = 0;  // 0 while reading the integer digits
        for (QChar c : text) {
            if (c == QLatin1Char(rec.delimiter)) {
                numbers.push_back(0.0);
                scale = 0;
            } else if (c == u'.') {
                scale = 0.1;
            } else if (isDigit(c)) {
                const int d = c.unicode() - u'0';
                if (scale == 0) {
                    numbers.back() = numbers.back() * 10 + d;
                } else {
                    numbers.back() += d * scale;
                    scale /= 10;
                }
            }
        }
        const int count = static_cast<int>(numbers.size());
        if (rec.maxLength > 0) {
            if (exact && count != rec.maxLength)
                return fail(-10, catalogueLine(10)
                                     .replace(QLatin1String("[DELIMITER]"), delimiter)
                                     .replace(QLatin1String("[COUNT]"), maxLength));
            if (!exact && count > rec.maxLength)
                return fail(-9, catalogueLine(9)
                                    .replace(QLatin1String("[DELIMITER]"), delimiter)
                                    .replace(QLatin1String("[MAXCOUNT]"), maxLength));
        }
        const double low = std::round(rec.minimum);
        const double high = std::round(rec.maximum);
        for (double n : numbers) {
            const double v = std::round(n);
            if (v < low || v > high)
                return fail(-11, catalogueLine(11)
                                     .replace(QLatin1String("[DELIMITER]"), delimiter)
                                     .replace(QLatin1String("[MIN]"), numberText(low))
                                     .replace(QLatin1String("[MAX]"), numberText(high)));
        }
        return 0;
    }
    default:
        return 0;
    }
}

void NvEditConstraint::attach(const std::string& format, const std::vector<QLineEdit*>& edits)
{
    std::vector<std::string> specs;
    size_t start = 0;
    for (size_t i = 1; i <= format.size(); ++i) {
        if (i == format.size() || format[i] == '%') {
            specs.push_back(format.substr(start, i - start));
            start = i;
        }
    }
    if (specs.empty())
        specs.emplace_back();
    for (size_t k = 0; k < specs.size() && k < edits.size(); ++k)
        attachOne(specs[k], edits[k]);
}

void NvEditConstraint::attachOne(const std::string& specification, QLineEdit* edit)
{
    auto rec = std::make_unique<EditConstraint_s>();
    int width = 0;
    if (parseSpecification(specification, *rec, width) != 0)
        throw errorOfCode(-2);
    detach(edit);

    rec->edit = edit;
    if (width > 0)
        edit->setFixedWidth(width);
    // For "n" the limit counts numbers, not characters.
    if (rec->maxLength > 0 && rec->conversion != 'n')
        edit->setValidator(new TypingLengthLimit(rec->maxLength, edit));

    NvEditEvents* events = NvEditEvents::of(edit);
    rec->savedOnChange = events->changeHandler();
    rec->savedOnExit = events->exitHandler();
    events->setChangeHandler([this](QLineEdit* e) { changed(e); });
    events->setExitHandler([this](QLineEdit* e) { exited(e); });
    m_records.push_back(std::move(rec));
}

void NvEditConstraint::restoreEdit(EditConstraint_s& rec)
{
    QLineEdit* edit = rec.edit;
    if (!edit)
        return;
    NvEditEvents* events = NvEditEvents::of(edit);
    events->setChangeHandler(rec.savedOnChange);
    events->setExitHandler(rec.savedOnExit);
    if (auto* limit = qobject_cast<const QValidator*>(edit->validator());
        limit && limit->objectName() == QLatin1String("NvTypingLengthLimit")) {
        const QValidator* old = edit->validator();
        edit->setValidator(nullptr);
        delete old;
    }
}

void NvEditConstraint::detach(QLineEdit* edit)
{
    for (auto it = m_records.begin(); it != m_records.end(); ++it) {
        if ((*it)->edit == edit) {
            restoreEdit(**it);
            m_records.erase(it);
            return;
        }
    }
}

void NvEditConstraint::rememberText(QLineEdit* edit)
{
    if (EditConstraint_s* rec = find(edit))
        rec->lastAccepted = edit->text();
}

const EditConstraint_s* NvEditConstraint::record(const QLineEdit* edit) const
{
    return find(edit);
}

EditConstraint_s* NvEditConstraint::find(const QLineEdit* edit) const
{
    for (const auto& rec : m_records) {
        if (rec->edit && rec->edit == edit)
            return rec.get();
    }
    return nullptr;
}

void NvEditConstraint::changed(QLineEdit* edit)
{
    EditConstraint_s* rec = find(edit);
    if (!rec)
        return;
    QString text = edit->text();
    if (text.isEmpty() || isPlaceholder(text))
        return;

    if (rec->advanceChar) {
        const int at = text.indexOf(QLatin1Char(rec->advanceChar));
        if (at >= 0) {
            text.remove(at, 1);
            edit->setText(text);
            edit->setCursorPosition(at);
            postFocusNext(edit);
            return;
        }
    }

    const int rejected = firstRejected(*rec, text);
    if (rejected >= 0) {
        text.remove(rejected, 1);
        edit->setText(text);
        edit->setCursorPosition(rejected);
        QApplication::beep();
        return;
    }

    if (const NvEditEvents::Handler own = rec->savedOnChange) {
        own(edit);
        if (NvEditEvents::tag(edit) == -1)
            return;
        rec = find(edit);  // the handler may have detached the edit
        if (!rec)
            return;
    }
    if ((rec->flags & EditConstraint_s::AdvanceWhenFull) && rec->maxLength > 0 && rec->conversion != 'n'
        && edit->text().length() == rec->maxLength)
        postFocusNext(edit);
}

void NvEditConstraint::exited(QLineEdit* edit)
{
    if (s_refusing)
        return;
    EditConstraint_s* rec = find(edit);
    if (!rec)
        return;
    const QString text = edit->text();
    if (isPlaceholder(text))
        return;
    QString message;
    if (validateText(*rec, text, &message) != 0) {
        refuse(edit, message);
        return;
    }
    if (text.isEmpty())
        return;  // an allowed empty value: accepted as it is, nothing runs

    if (const NvEditEvents::Handler own = rec->savedOnExit) {
        own(edit);
        rec = find(edit);
        if (!rec)
            return;
        if (NvEditEvents::tag(edit) == -1) {
            edit->setText(rec->lastAccepted);
            return;
        }
    }
    if (m_rememberAccepted)
        rec->lastAccepted = edit->text();
}

void NvEditConstraint::refuse(QLineEdit* edit, const QString& message)
{
    s_refusing = true;
    QPointer<QLineEdit> guard(edit);
    QWidget* parent = m_ownerForm ? m_ownerForm.data() : edit->window();
    {
        QMessageBox box(QMessageBox::NoIcon, executableName(), message, QMessageBox::Ok, parent);
        box.exec();
    }
    if (guard) {
        if (const EditConstraint_s* rec = find(guard))
            guard->setText(rec->lastAccepted);
        guard->setFocus(Qt::OtherFocusReason);
    }
    PendingClickEater::install();
    s_refusing = false;
}

void NvEditConstraint::postFocusNext(QLineEdit* edit)
{
    QWidget* form = m_ownerForm ? m_ownerForm.data() : edit->window();
    form->installEventFilter(this);
    QCoreApplication::postEvent(form, new QEvent(static_cast<QEvent::Type>(FocusNextEvent)));
}

bool NvEditConstraint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != FocusNextEvent || !watched->isWidgetType())
        return false;
    // The next control of the focus chain that takes the focus by tab.
    QWidget* form = static_cast<QWidget*>(watched);
    QWidget* window = form->window();
    QWidget* current = window->focusWidget();
    if (!current)
        current = form;
    for (QWidget* w = current->nextInFocusChain(); w && w != current; w = w->nextInFocusChain()) {
        if (w->window() == window && w->isEnabled() && w->isVisibleTo(window) && (w->focusPolicy() & Qt::TabFocus)
            && !w->focusProxy()) {
            w->setFocus(Qt::TabFocusReason);
            break;
        }
    }
    return true;
}
