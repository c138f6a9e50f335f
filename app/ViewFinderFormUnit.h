#pragma once
// The find box (Ctrl+K): a small filter over every enabled menu entry, each
// shown with its menu path. Typing filters by words in any order; Enter or a
// double click chooses the highlighted entry.
#include <QDialog>
#include <QString>
#include <vector>

class QAction;
class QLineEdit;
class QListWidget;

class TViewFinderForm : public QDialog {
    Q_OBJECT

public:
    struct Item {
        QString path;  // "Basic Configuration › Time Management › System Time"
        QAction* action = nullptr;
    };

    TViewFinderForm(std::vector<Item> items, QWidget* parent = nullptr);

    // The entry chosen when the box was accepted; null otherwise.
    QAction* chosen() const { return m_chosen; }

    // Whether every blank-separated word of the filter occurs in the path,
    // without regard to letter case.
    static bool matches(const QString& path, const QString& filter);

    QLineEdit* FilterEdit = nullptr;
    QListWidget* ResultList = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void applyFilter();
    void choose();

    std::vector<Item> m_items;
    QAction* m_chosen = nullptr;
};
