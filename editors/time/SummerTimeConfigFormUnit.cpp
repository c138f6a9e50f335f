#include "editors/time/SummerTimeConfigFormUnit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <cstdio>
#include <stdexcept>

#include "catalogue/NvCatalogueTables.h"
#include "editors/common/EditorRegistry.h"
#include "editors/common/EditorSupport.h"
#include "snmp/NvEventWait.h"
#include "snmp/NvValueText.h"

namespace {

// Control names of the two groups; the "To" names carry an E.
struct GroupNames {
    const char* day;
    const char* month;
    const char* hour;
    const char* minute;
    const char* week;
    const char* dayOfWeek;
    const char* monthR;
    const char* hourR;
    const char* minuteR;
    const char* annualEdit;
    const char* repeatEdit;
    const char* dayOfWeekCaption;
    const char* lastWeekOctet;
};

const GroupNames kGroupNames[2] = {
    {.day = "DayComboBox", .month = "MonthComboBox", .hour = "HourComboBox", .minute = "MiniuteComboBox",
     .week = "WeekComboBoxR", .dayOfWeek = "SWeekComboBox", .monthR = "MonthComboBoxR",
     .hourR = "HourComboBoxR", .minuteR = "MiniuteComboBoxR", .annualEdit = "AnualTimeStartEdit",
     .repeatEdit = "Edit2", .dayOfWeekCaption = "Day of Week", .lastWeekOctet = "00"},
    {.day = "EDayComboBox", .month = "EMonthComboBox", .hour = "EHourComboBox", .minute = "EMiniuteComboBox",
     .week = "EWeekComboBoxR", .dayOfWeek = "EWeekComboBox", .monthR = "EMonthComboBoxR",
     .hourR = "EHourComboBoxR", .minuteR = "EMiniuteComboBoxR", .annualEdit = "AnualTimeEndEdit",
     .repeatEdit = "Edit3", .dayOfWeekCaption = "Day Of Week", .lastWeekOctet = "ff"},
};

const char* const kWeeks[] = {"First", "Second", "Third", "Fourth", "Last"};
const char* const kDays[] = {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", ""};
constexpr int kLastWeekItem = 4;

QComboBox* newList(QWidget* parent, const char* name)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

void fillNumbers(QComboBox* box, int first, int last)
{
    for (int n = first; n <= last; ++n)
        box->addItem(QString::number(n));
}

int hexDigit(char c)
{
    const int value = hexDigitValue(c);
    if (value < 0)
        throw std::runtime_error("not a hexadecimal digit");
    return value;
}

// Octet k of a hexadecimal text: the characters 2k and 2k + 1.
int octetAt(const std::string& hex, int k)
{
    const size_t at = static_cast<size_t>(2 * k);
    if (hex.size() < at + 2)
        throw std::runtime_error("hexadecimal text too short");
    return 16 * hexDigit(hex[at]) + hexDigit(hex[at + 1]);
}

std::string hexOctet(int value)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02X", value & 0xFF);
    return text;
}

std::string hexOfText(const QComboBox* box)
{
    return hexOctet(box->currentText().toInt());
}

} // namespace

TSummerTimeConfigForm::TSummerTimeConfigForm(const EditorContext& context, QWidget* owner)
    : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Summer Time Configuration "));
    setObjectName(QStringLiteral("SummerTimeConfigForm"));
    buildLayout();
    editor::applyDesignedSize(this, context, 489, 217, false);
    if (QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    openingSequence();
}

TSummerTimeConfigForm::~TSummerTimeConfigForm()
{
    closeBindings();
}

void TSummerTimeConfigForm::buildLayout()
{
    auto* top = new QGroupBox(this);
    auto* topGrid = new QGridLayout(top);
    ComboBox1 = newList(top, "ComboBox1");
    OffSetTimeComboBox = newList(top, "OffSetTimeComboBox");
    for (const char* offset : {"30", "60", "90", "120"})
        OffSetTimeComboBox->addItem(QString::fromLatin1(offset));
    Edit1 = new QLineEdit(top);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->hide();
    topGrid->addWidget(new QLabel(QStringLiteral("Summer Time Status"), top), 0, 0);
    topGrid->addWidget(ComboBox1, 0, 1);
    topGrid->addWidget(new QLabel(QStringLiteral("Summer Time Offset"), top), 0, 2);
    topGrid->addWidget(OffSetTimeComboBox, 0, 3);
    topGrid->addWidget(Edit1, 0, 3);

    auto* groups = new QHBoxLayout;
    groups->addWidget(buildGroup("From", From, 0));
    groups->addWidget(buildGroup("To", To, 1));

    Memo1 = editor::newStatusMemo(this);

    auto* left = new QVBoxLayout;
    left->addWidget(top);
    left->addLayout(groups);
    left->addWidget(Memo1);

    GetBtn = new QPushButton(QStringLiteral("Refresh"), this);
    GetBtn->setObjectName(QStringLiteral("GetBtn"));
    SetBtn = new QPushButton(QStringLiteral("Set"), this);
    SetBtn->setObjectName(QStringLiteral("SetBtn"));
    auto* strip = new QVBoxLayout;
    strip->addWidget(GetBtn);
    strip->addWidget(SetBtn);
    strip->addStretch();

    auto* whole = new QHBoxLayout(this);
    whole->addLayout(left, 1);
    whole->addLayout(strip);

    connect(GetBtn, &QPushButton::clicked, this, &TSummerTimeConfigForm::GetBtnClick);
    connect(SetBtn, &QPushButton::clicked, this, &TSummerTimeConfigForm::SetBtnClick);
    connect(ComboBox1, &QComboBox::currentTextChanged, this, &TSummerTimeConfigForm::ComboBox1Change);
    connect(Edit1, &QLineEdit::textChanged, this, &TSummerTimeConfigForm::Edit1Change);
}

QWidget* TSummerTimeConfigForm::buildGroup(const char* title, PeriodBoxes& boxes, int group)
{
    const GroupNames& names = kGroupNames[group];
    auto* box = new QGroupBox(QString::fromLatin1(title), this);
    auto* grid = new QGridLayout(box);
    boxes.day = newList(box, names.day);
    boxes.month = newList(box, names.month);
    boxes.hour = newList(box, names.hour);
    boxes.minute = newList(box, names.minute);
    boxes.week = newList(box, names.week);
    boxes.dayOfWeek = newList(box, names.dayOfWeek);
    boxes.monthR = newList(box, names.monthR);
    boxes.hourR = newList(box, names.hourR);
    boxes.minuteR = newList(box, names.minuteR);
    for (const char* week : kWeeks)
        boxes.week->addItem(QString::fromLatin1(week));
    for (const char* day : kDays)
        boxes.dayOfWeek->addItem(QString::fromLatin1(day));
    // The day of week takes typing; a typed text stays out of the item list.
    boxes.dayOfWeek->setEditable(true);
    boxes.dayOfWeek->setInsertPolicy(QComboBox::NoInsert);
    boxes.annualEdit = new QLineEdit(box);
    boxes.annualEdit->setObjectName(QString::fromLatin1(names.annualEdit));
    boxes.annualEdit->hide();
    boxes.repeatEdit = new QLineEdit(box);
    boxes.repeatEdit->setObjectName(QString::fromLatin1(names.repeatEdit));
    boxes.repeatEdit->hide();
    boxes.lastWeekOctet = names.lastWeekOctet;
    boxes.isEnd = group == 1;

    boxes.weekLabel = new QLabel(QStringLiteral("Week"), box);
    boxes.dayOfWeekLabel = new QLabel(QString::fromLatin1(names.dayOfWeekCaption), box);
    boxes.dayLabel = new QLabel(QStringLiteral("Day"), box);
    // Annual and repeating boxes share their places; only one set is visible.
    grid->addWidget(boxes.weekLabel, 0, 0);
    grid->addWidget(boxes.dayOfWeekLabel, 0, 1);
    grid->addWidget(boxes.dayLabel, 0, 2);
    grid->addWidget(new QLabel(QStringLiteral("Month"), box), 0, 3);
    grid->addWidget(new QLabel(QStringLiteral("Hour"), box), 0, 4);
    grid->addWidget(new QLabel(QStringLiteral("minute"), box), 0, 5);
    grid->addWidget(boxes.week, 1, 0);
    grid->addWidget(boxes.dayOfWeek, 1, 1);
    grid->addWidget(boxes.day, 1, 2);
    grid->addWidget(boxes.month, 1, 3);
    grid->addWidget(boxes.monthR, 1, 3);
    grid->addWidget(boxes.hour, 1, 4);
    grid->addWidget(boxes.hourR, 1, 4);
    grid->addWidget(boxes.minute, 1, 5);
    grid->addWidget(boxes.minuteR, 1, 5);
    grid->addWidget(boxes.annualEdit, 2, 0);
    grid->addWidget(boxes.repeatEdit, 2, 1);
    // Before any kind is shown the repeating set is the visible one.
    for (QWidget* w : {static_cast<QWidget*>(boxes.day), static_cast<QWidget*>(boxes.month),
                       static_cast<QWidget*>(boxes.hour), static_cast<QWidget*>(boxes.minute),
                       static_cast<QWidget*>(boxes.dayLabel)})
        w->hide();
    return box;
}

void TSummerTimeConfigForm::showKind(Kind kind)
{
    for (PeriodBoxes* boxes : {&From, &To}) {
        const QList<QWidget*> annual{boxes->day, boxes->month, boxes->hour, boxes->minute};
        const QList<QWidget*> repeating{boxes->week, boxes->dayOfWeek, boxes->monthR, boxes->hourR,
                                        boxes->minuteR};
        if (kind == Kind::Disable) {
            for (QWidget* w : annual + repeating)
                w->setEnabled(false);
            continue;
        }
        const bool isAnnual = kind == Kind::Annual;
        for (QWidget* w : annual) {
            w->setVisible(isAnnual);
            w->setEnabled(isAnnual);
        }
        for (QWidget* w : repeating) {
            w->setVisible(!isAnnual);
            w->setEnabled(!isAnnual);
        }
        boxes->dayLabel->setVisible(isAnnual);
        boxes->weekLabel->setVisible(!isAnnual);
        boxes->dayOfWeekLabel->setVisible(!isAnnual);
    }
}

std::string TSummerTimeConfigForm::statusText() const
{
    return ComboBox1->currentText().toStdString();
}

void TSummerTimeConfigForm::report(const std::string& message)
{
    if (m_status)
        m_status->showStatus(message);
    else
        editor::appendLine(Memo1, message);
}

void TSummerTimeConfigForm::readPeriod(NvSNMPRequest2Edits& binding, Kind kind)
{
    binding.get();
    waitUntilIdle(binding.busy);
    showKind(kind);
    // Each period is decoded on its own: one value that cannot be shown leaves
    // its boxes unchosen (so a Set cannot write them) and the other period shown.
    for (PeriodBoxes* boxes : {&From, &To}) {
        try {
            if (kind == Kind::Annual)
                decodeAnnual(boxes->annualEdit->text().toStdString(), *boxes);
            else
                decodeRepeat(boxes->repeatEdit->text().toStdString(), *boxes);
        } catch (const std::runtime_error&) {
            for (QComboBox* box : periodBoxes(*boxes, kind))
                box->setCurrentIndex(-1);
            report(std::string(boxes->isEnd ? "To" : "From") + ": the value read is no valid period");
        }
    }
}

std::vector<QComboBox*> TSummerTimeConfigForm::periodBoxes(const PeriodBoxes& boxes, Kind kind)
{
    if (kind == Kind::Annual)
        return {boxes.day, boxes.month, boxes.hour, boxes.minute};
    return {boxes.week, boxes.dayOfWeek, boxes.monthR, boxes.hourR, boxes.minuteR};
}

void TSummerTimeConfigForm::readShownKind()
{
    if (statusText() == "annual")
        readPeriod(*m_annual, Kind::Annual);
    else if (statusText() == "repeating")
        readPeriod(*m_repeat, Kind::Repeating);
    else if (statusText() == "disable")
        showKind(Kind::Disable);
}

void TSummerTimeConfigForm::openingSequence()
{
    // Every binding exists before anything is read, so that a failed read
    // leaves a form whose buttons still work.
    try {
        m_status = std::make_unique<NvSNMPRequest2Edits>(this);
        m_status->request.varList = NvSNMPVarList(SummerTimeStatusVars, NvSNMPVarList::ScalarGroup, 0);
        m_status->bindComboBox(0, ComboBox1);
        m_status->bindEdit(1, "%s", Edit1);
        m_status->setStatusTarget(Memo1);

        for (PeriodBoxes* boxes : {&From, &To}) {
            fillNumbers(boxes->day, 1, 31);
            fillNumbers(boxes->month, 1, 12);
            fillNumbers(boxes->hour, 0, 23);
            fillNumbers(boxes->minute, 0, 59);
            fillNumbers(boxes->monthR, 1, 12);
            fillNumbers(boxes->hourR, 0, 23);
            fillNumbers(boxes->minuteR, 0, 59);
            // Nothing is chosen until a period is read or picked: a box the
            // user never saw is never written.
            for (Kind kind : {Kind::Annual, Kind::Repeating})
                for (QComboBox* box : periodBoxes(*boxes, kind))
                    box->setCurrentIndex(-1);
        }
        m_annual = std::make_unique<NvSNMPRequest2Edits>(this);
        m_annual->request.varList = NvSNMPVarList(SummerTimeAnnualVars, NvSNMPVarList::ScalarGroup, 0);
        m_annual->bindEdit(0, "%h", From.annualEdit);
        m_annual->bindEdit(1, "%h", To.annualEdit);
        m_annual->setStatusTarget(Memo1);  // a failed period read or write is named where the status's is
        m_repeat = std::make_unique<NvSNMPRequest2Edits>(this);
        m_repeat->request.varList = NvSNMPVarList(SummerTimeRepeatVars, NvSNMPVarList::ScalarGroup, 0);
        m_repeat->bindEdit(0, "%h", From.repeatEdit);
        m_repeat->bindEdit(1, "%h", To.repeatEdit);
        m_repeat->setStatusTarget(Memo1);
    } catch (const std::exception& x) {
        report(x.what());
        return;
    }
    try {
        m_status->get();
        waitUntilIdle(m_status->busy);
        readShownKind();
    } catch (const std::exception& x) {
        report(x.what());
    }
}

void TSummerTimeConfigForm::GetBtnClick()
{
    if (!m_repeat)
        return;  // the form could not be built; the memo says why
    try {
        m_status->get();
        waitUntilIdle(m_status->busy);
        readShownKind();
    } catch (const std::exception& x) {
        report(x.what());
    }
}

void TSummerTimeConfigForm::SetBtnClick()
{
    if (!m_repeat)
        return;  // the form could not be built; the memo says why
    // Every box of the chosen kind is checked before anything is written: the
    // status is not changed when its periods cannot follow it.
    const bool annual = statusText() == "annual";
    const bool repeating = statusText() == "repeating";
    bool complete = true;
    for (const PeriodBoxes* boxes : {&From, &To}) {
        if (annual || repeating)
            for (const QComboBox* box : periodBoxes(*boxes, annual ? Kind::Annual : Kind::Repeating))
                complete = complete && !box->currentText().isEmpty();
    }
    if (!complete) {
        report("Set: choose every box of From and To first");
        return;
    }
    try {
        // Status and offset go first: the agent checks the periods against the kind.
        Edit1->setText(OffSetTimeComboBox->currentText());
        m_status->set(true, true);
        waitUntilIdle(m_status->busy);

        if (annual) {
            From.annualEdit->setText(QString::fromStdString(annualText(From)));
            To.annualEdit->setText(QString::fromStdString(annualText(To)));
            m_annual->set(true, true);
        } else if (repeating) {
            From.repeatEdit->setText(QString::fromStdString(repeatText(From)));
            To.repeatEdit->setText(QString::fromStdString(repeatText(To)));
            m_repeat->set(true, true);
        }
    } catch (const std::exception& x) {
        report(x.what());
    }
}

void TSummerTimeConfigForm::ComboBox1Change()
{
    const std::string text = statusText();
    if (text == "annual")
        showKind(Kind::Annual);
    else if (text == "repeating")
        showKind(Kind::Repeating);
    else if (text == "disable")
        showKind(Kind::Disable);
}

void TSummerTimeConfigForm::Edit1Change()
{
    const int item = OffSetTimeComboBox->findText(Edit1->text());
    if (item >= 0)
        OffSetTimeComboBox->setCurrentIndex(item);
}

std::string TSummerTimeConfigForm::annualText(const PeriodBoxes& boxes)
{
    return hexOfText(boxes.day) + hexOfText(boxes.month) + hexOfText(boxes.hour) + hexOfText(boxes.minute);
}

std::string TSummerTimeConfigForm::repeatText(const PeriodBoxes& boxes)
{
    const int week = boxes.week->currentIndex();
    const std::string weekOctet = week == kLastWeekItem ? boxes.lastWeekOctet : hexOctet(week + 1);
    // A typed day of week that is none of the items is written as 00.
    const int day = boxes.dayOfWeek->findText(boxes.dayOfWeek->currentText());
    const std::string dayOctet = day < 0 ? "00" : hexOctet(day + 1);
    return weekOctet + "00" + dayOctet + hexOfText(boxes.monthR) + hexOfText(boxes.hourR) + hexOfText(boxes.minuteR);
}

void TSummerTimeConfigForm::decodeAnnual(const std::string& hex, PeriodBoxes& boxes)
{
    boxes.day->setCurrentIndex(octetAt(hex, 0) - 1);
    boxes.month->setCurrentIndex(octetAt(hex, 1) - 1);
    boxes.hour->setCurrentIndex(octetAt(hex, 2));
    boxes.minute->setCurrentIndex(octetAt(hex, 3));
}

void TSummerTimeConfigForm::decodeRepeat(const std::string& hex, PeriodBoxes& boxes)
{
    const std::string lead = QString::fromStdString(hex.substr(0, 2)).toUpper().toStdString();
    const bool last = boxes.isEnd ? lead == "FF" : lead == "00";
    boxes.week->setCurrentIndex(last ? kLastWeekItem : octetAt(hex, 0) - 1);
    boxes.dayOfWeek->setCurrentIndex(octetAt(hex, 2) - 1);
    boxes.monthR->setCurrentIndex(octetAt(hex, 3) - 1);
    boxes.hourR->setCurrentIndex(octetAt(hex, 4));
    boxes.minuteR->setCurrentIndex(octetAt(hex, 5));
}

void TSummerTimeConfigForm::closeBindings()
{
    for (auto* binding : {&m_status, &m_annual, &m_repeat}) {
        if (*binding)
            (*binding)->request.alive = false;
    }
    NvSNMPRequest2Controls::close(m_status);
    NvSNMPRequest2Controls::close(m_annual);
    NvSNMPRequest2Controls::close(m_repeat);
}

void TSummerTimeConfigForm::done(int result)
{
    closeBindings();
    QDialog::done(result);
}
