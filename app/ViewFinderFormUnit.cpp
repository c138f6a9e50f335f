#include "app/ViewFinderFormUnit.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int kActionRole = Qt::UserRole;

}  // namespace

TViewFinderForm::TViewFinderForm(std::vector<Item> items, QWidget* parent) : QDialog(parent), m_items(std::move(items))
{
    setObjectName(QStringLiteral("ViewFinderForm"));
    setWindowTitle(QStringLiteral("Find a view"));
    resize(520, 320);

    FilterEdit = new QLineEdit(this);
    FilterEdit->setObjectName(QStringLiteral("FilterEdit"));
    FilterEdit->setPlaceholderText(QStringLiteral("Type words of a menu entry"));
    FilterEdit->setClearButtonEnabled(true);
    FilterEdit->installEventFilter(this);

    ResultList = new QListWidget(this);
    ResultList->setObjectName(QStringLiteral("ResultList"));
    ResultList->setUniformItemSizes(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(FilterEdit);
    layout->addWidget(ResultList);

    connect(FilterEdit, &QLineEdit::textChanged, this, &TViewFinderForm::applyFilter);
    connect(FilterEdit, &QLineEdit::returnPressed, this, &TViewFinderForm::choose);
    connect(ResultList, &QListWidget::itemActivated, this, &TViewFinderForm::choose);
    applyFilter();
}

bool TViewFinderForm::matches(const QString& path, const QString& filter)
{
    const QStringList words = filter.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (!path.contains(word, Qt::CaseInsensitive))
            return false;
    }
    return true;
}

void TViewFinderForm::applyFilter()
{
    ResultList->clear();
    const QString filter = FilterEdit->text();
    for (const Item& item : m_items) {
        if (!matches(item.path, filter))
            continue;
        auto* line = new QListWidgetItem(item.path, ResultList);
        line->setData(kActionRole, QVariant::fromValue(static_cast<QObject*>(item.action)));
    }
    if (ResultList->count() > 0)
        ResultList->setCurrentRow(0);
}

void TViewFinderForm::choose()
{
    const QListWidgetItem* line = ResultList->currentItem();
    if (!line)
        return;
    m_chosen = qobject_cast<QAction*>(line->data(kActionRole).value<QObject*>());
    accept();
}

bool TViewFinderForm::eventFilter(QObject* watched, QEvent* event)
{
    // Up and down move through the list while the caret stays in the filter.
    if (watched == FilterEdit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QCoreApplication::sendEvent(ResultList, event);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
