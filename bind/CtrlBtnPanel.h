#pragma once
// The button strip on the right of a generated view: a sample count with its
// "Samples" label above eight buttons, laid out top-down in one 96-pixel column;
// hidden controls take no room. A button shows a bitmap from the working
// directory instead of its caption where one exists.
#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;

class TCtrlBtnPanel : public QWidget {
    Q_OBJECT

public:
    static constexpr int leftMargin = 10;
    static constexpr int topMargin = 10;
    static constexpr int itemWidth = 96;
    static constexpr int itemGap = 5;
    static constexpr int stripWidth = leftMargin + itemWidth + leftMargin;

    explicit TCtrlBtnPanel(QWidget* owner);

    // Lays the strip out again after controls were shown, hidden or renamed.
    void arrange();
    // Shows the number of lines in the count text.
    void setCount(int count);

    QLabel* countText = nullptr;
    QLabel* countLabel = nullptr;
    QPushButton* RefreshBtn = nullptr;
    QPushButton* EditBtn = nullptr;
    QPushButton* SetCheckedBtn = nullptr;
    QPushButton* AddBtn = nullptr;
    QPushButton* DeleteBtn = nullptr;
    QPushButton* CheckAllBtn = nullptr;
    QPushButton* ClearChecksBtn = nullptr;
    QPushButton* CloseBtn = nullptr;
    // The ten controls in layout order: count text, label, the eight buttons.
    std::vector<QWidget*> items;

    // Lowest edge of the last visible control plus the top margin.
    int contentHeight() const;

private:
    void loadGlyphs();
};
