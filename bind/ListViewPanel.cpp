#include "bind/ListViewPanel.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QToolTip>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "bind/CtrlBtnPanel.h"
#include "bind/NvSNMPRequest2Edits.h"

TListViewPanel::TListViewPanel(QWidget* owner, NvSNMPRequest2Edits* binding)
    : QWidget(owner)
{
    listView = new QTreeWidget(this);
    binding->attachListView(listView, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(listView);

    resize(std::min(wantedWidth(), availableWidth()), panelHeight);
    // Once a fill has sized the columns to their contents, the window grows
    // to show them all, as far as the screen allows.
    binding->onColumnsFitted = [panel = QPointer<TListViewPanel>(this)] {
        if (panel)
            panel->widenWindow();
    };

    listView->viewport()->setMouseTracking(true);
    listView->viewport()->installEventFilter(this);
    listView->installEventFilter(this);
}

int TListViewPanel::wantedWidth() const
{
    int width = 2 * listView->frameWidth();
    for (int c = 0; c < listView->columnCount(); ++c)
        if (!listView->isColumnHidden(c))
            width += listView->columnWidth(c);
    return width + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, listView);
}

int TListViewPanel::availableWidth() const
{
    const QScreen* shownOn = screen() ? screen() : QGuiApplication::primaryScreen();
    return shownOn ? shownOn->availableGeometry().width() : maxPanelWidth;
}

void TListViewPanel::widenWindow()
{
    const int missing = wantedWidth() - width();
    if (missing <= 0)
        return;
    QWidget* top = window();
    const QRect room = top->screen() ? top->screen()->availableGeometry() : QRect(0, 0, availableWidth(), 0);
    const int frame = top->frameGeometry().width() - top->width();
    const int newWidth = std::min(top->width() + missing, room.width() - frame);
    if (newWidth <= top->width())
        return;
    top->resize(newWidth, top->height());
    // Kept on the screen when it grows past the right edge.
    if (top->isVisible() && top->frameGeometry().right() > room.right())
        top->move(std::max(room.left(), room.right() - top->frameGeometry().width() + 1), top->y());
}

void TListViewPanel::ArrangeCtrlBtn(TCtrlBtnPanel* strip)
{
    strip->countText->show();
    strip->countLabel->show();
    strip->RefreshBtn->show();
    strip->EditBtn->show();
    strip->EditBtn->setEnabled(false);
    strip->DeleteBtn->setEnabled(false);
    strip->SetCheckedBtn->hide();
    strip->AddBtn->setVisible(addStatusRow != -1);
    strip->DeleteBtn->setVisible(deleteStatusRow != -1);
    strip->CheckAllBtn->hide();
    strip->ClearChecksBtn->hide();
    strip->CloseBtn->show();
    strip->arrange();
}

QString TListViewPanel::hintAt(const QPoint& viewportPos) const
{
    const QTreeWidgetItem* item = listView->itemAt(viewportPos);
    if (!item)
        return {};
    // A table keeps the values in one column whatever the header lengths.
    const QTreeWidgetItem* header = listView->headerItem();
    QString hint = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"1\">");
    for (int c = 0; c < listView->columnCount(); ++c)
        hint += QStringLiteral("<tr><td>%1</td><td>&nbsp;&nbsp;%2</td></tr>")
                    .arg(header->text(c).toHtmlEscaped(), item->text(c).toHtmlEscaped());
    return hint + QStringLiteral("</table>");
}

QString TListViewPanel::copyText() const
{
    std::vector<int> columns;
    for (int c = 0; c < listView->columnCount(); ++c)
        if (listView->header()->sectionSize(c) > 0 && !listView->isColumnHidden(c))
            columns.push_back(c);
    auto line = [&](auto&& cell) {
        QStringList cells;
        for (int c : columns)
            cells << cell(c);
        return cells.join(QLatin1Char('\t')) + QLatin1Char('\n');
    };
    QString text = line([&](int c) { return listView->headerItem()->text(c); });
    QList<QTreeWidgetItem*> lines = listView->selectedItems();
    if (lines.isEmpty())
        for (int i = 0; i < listView->topLevelItemCount(); ++i)
            lines << listView->topLevelItem(i);
    else
        std::sort(lines.begin(), lines.end(), [this](QTreeWidgetItem* a, QTreeWidgetItem* b) {
            return listView->indexOfTopLevelItem(a) < listView->indexOfTopLevelItem(b);
        });
    for (const QTreeWidgetItem* item : lines)
        text += line([&](int c) { return item->text(c); });
    return text;
}

bool TListViewPanel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == listView) {
        if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->matches(QKeySequence::Copy)) {
                if (event->type() == QEvent::KeyPress)
                    QApplication::clipboard()->setText(copyText());
                event->accept();
                return true;
            }
            // Enter opens the selected line, as a double click does.
            if (event->type() == QEvent::KeyPress && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
                && !listView->selectedItems().isEmpty()) {
                emit doubleClicked();
                return true;
            }
        }
        return false;
    }
    if (watched != listView->viewport())
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        // A click on empty space removes the selection (the list view keeps it by default).
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!listView->itemAt(mouse->position().toPoint())) {
            listView->clearSelection();
            listView->setCurrentItem(nullptr);
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        emit clicked();
        break;
    case QEvent::MouseButtonDblClick:
        emit doubleClicked();
        break;
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const QString hint = hintAt(mouse->position().toPoint());
        listView->viewport()->setToolTip(hint);
        if (hint.isEmpty())
            QToolTip::hideText();
        break;
    }
    default:
        break;
    }
    return false;
}
