#pragma once
// The daylight-saving ("summer time") editor: the rule kind and offset, and the
// start and end of the period in the annual (day, month, hour, minute) or the
// repeating (week, day of week, month, hour, minute) encoding. Three bindings
// hold the agent's values; the octet strings live in hidden hexadecimal edits
// that the form translates to and from the visible combo boxes.
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "bind/NvSNMPRequest2Edits.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
struct EditorContext;

class TSummerTimeConfigForm : public QDialog {
    Q_OBJECT
public:
    // The boxes of one group ("From" or "To").
    struct PeriodBoxes {
        QComboBox* day = nullptr;
        QComboBox* month = nullptr;
        QComboBox* hour = nullptr;
        QComboBox* minute = nullptr;
        QComboBox* week = nullptr;
        QComboBox* dayOfWeek = nullptr;
        QComboBox* monthR = nullptr;
        QComboBox* hourR = nullptr;
        QComboBox* minuteR = nullptr;
        QLineEdit* annualEdit = nullptr;   // hexadecimal text of the annual value
        QLineEdit* repeatEdit = nullptr;   // hexadecimal text of the repeating value
        QLabel* dayLabel = nullptr;
        QLabel* weekLabel = nullptr;
        QLabel* dayOfWeekLabel = nullptr;
        const char* lastWeekOctet = "";    // what "Last" is written as
        bool isEnd = false;
    };

    explicit TSummerTimeConfigForm(const EditorContext& context, QWidget* owner = nullptr);
    ~TSummerTimeConfigForm() override;

    void GetBtnClick();
    void SetBtnClick();
    void ComboBox1Change();
    void Edit1Change();

    // Hexadecimal texts of the two encodings, built from a group's boxes.
    static std::string annualText(const PeriodBoxes& boxes);
    static std::string repeatText(const PeriodBoxes& boxes);
    // Selects a group's boxes from the hexadecimal texts; throws at the first
    // octet that cannot be read, leaving the boxes set before it.
    static void decodeAnnual(const std::string& hex, PeriodBoxes& boxes);
    static void decodeRepeat(const std::string& hex, PeriodBoxes& boxes);

    QComboBox* ComboBox1 = nullptr;
    QComboBox* OffSetTimeComboBox = nullptr;
    QLineEdit* Edit1 = nullptr;
    PeriodBoxes From;
    PeriodBoxes To;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* GetBtn = nullptr;
    QPushButton* SetBtn = nullptr;

    NvSNMPRequest2Edits* statusBinding() const { return m_status.get(); }
    NvSNMPRequest2Edits* annualBinding() const { return m_annual.get(); }
    NvSNMPRequest2Edits* repeatBinding() const { return m_repeat.get(); }

protected:
    void done(int result) override;

private:
    enum class Kind { Annual, Repeating, Disable };
    void buildLayout();
    QWidget* buildGroup(const char* title, PeriodBoxes& boxes, int group);
    void showKind(Kind kind);
    void openingSequence();
    // Reads the binding, waits, shows the kind and decodes both groups.
    void readPeriod(NvSNMPRequest2Edits& binding, Kind kind);
    // Reads the period of the kind the status shows (or shows disable).
    void readShownKind();
    // The boxes of one period for the kind.
    static std::vector<QComboBox*> periodBoxes(const PeriodBoxes& boxes, Kind kind);
    std::string statusText() const;
    void report(const std::string& message);
    void closeBindings();

    std::unique_ptr<NvSNMPRequest2Edits> m_status;
    std::unique_ptr<NvSNMPRequest2Edits> m_annual;
    std::unique_ptr<NvSNMPRequest2Edits> m_repeat;
};
