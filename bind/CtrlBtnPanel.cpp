#include "bind/CtrlBtnPanel.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "platform/FilePath.h"

namespace {

constexpr int kCountHeight = 21;
constexpr int kLabelHeight = 16;
constexpr int kButtonHeight = 25;

struct ButtonSpec {
    const char* caption;
    const char* bitmap;  // in the working directory, in the host's path form
    QPushButton* TCtrlBtnPanel::*member;
};

// Layout order, and the order in which the bitmaps are tried.
constexpr ButtonSpec kButtons[] = {
    {.caption = "Refresh", .bitmap = "\\Get.bmp", .member = &TCtrlBtnPanel::RefreshBtn},
    {.caption = "Edit", .bitmap = "\\Set.bmp", .member = &TCtrlBtnPanel::EditBtn},
    {.caption = "Set Checked", .bitmap = "\\SetCheck.bmp", .member = &TCtrlBtnPanel::SetCheckedBtn},
    {.caption = "Add", .bitmap = "\\Add.bmp", .member = &TCtrlBtnPanel::AddBtn},
    {.caption = "Delete", .bitmap = "\\Delete.bmp", .member = &TCtrlBtnPanel::DeleteBtn},
    {.caption = "Check All", .bitmap = "\\SelectAll.bmp", .member = &TCtrlBtnPanel::CheckAllBtn},
    {.caption = "Clear Checks", .bitmap = "\\SelectNone.bmp", .member = &TCtrlBtnPanel::ClearChecksBtn},
    {.caption = "Close", .bitmap = "\\Close.bmp", .member = &TCtrlBtnPanel::CloseBtn},
};

}  // namespace

TCtrlBtnPanel::TCtrlBtnPanel(QWidget* owner)
    : QWidget(owner)
{
    setFixedWidth(stripWidth);
    countText = new QLabel(QStringLiteral("0"), this);
    countText->setAlignment(Qt::AlignCenter);
    countText->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    countText->setFixedSize(itemWidth, kCountHeight);
    countLabel = new QLabel(QStringLiteral("Samples"), this);
    countLabel->setAlignment(Qt::AlignCenter);
    countLabel->setFixedSize(itemWidth, kLabelHeight);
    items = {countText, countLabel};
    for (const ButtonSpec& spec : kButtons) {
        auto* button = new QPushButton(QString::fromLatin1(spec.caption), this);
        button->setObjectName(QString::fromLatin1(spec.caption));
        button->setAccessibleName(button->text());
        // Enter in a row's edit must not press the first button of the strip.
        button->setAutoDefault(false);
        button->setFixedSize(itemWidth, kButtonHeight);
        this->*spec.member = button;
        items.push_back(button);
    }
    AddBtn->hide();
    DeleteBtn->hide();
    loadGlyphs();
    arrange();
}

void TCtrlBtnPanel::loadGlyphs()
{
    for (const ButtonSpec& spec : kButtons) {
        const QString path = FilePath::toFileSystem(QDir::currentPath() + QString::fromLatin1(spec.bitmap));
        if (!QFile::exists(path))
            continue;
        QPixmap glyph;
        if (!glyph.load(path))
            return;  // a bitmap that does not load ends the loading; the rest keep their captions
        QPushButton* button = this->*spec.member;
        button->setToolTip(button->text());
        button->setText(QString());
        button->setIcon(glyph);
        button->setIconSize(glyph.size());
    }
}

void TCtrlBtnPanel::arrange()
{
    int top = topMargin;
    for (QWidget* item : items) {
        item->move(leftMargin, top);
        if (!item->isHidden())
            top += item->height() + itemGap;
    }
    setMinimumHeight(contentHeight());
}

int TCtrlBtnPanel::contentHeight() const
{
    int bottom = 0;
    for (const QWidget* item : items)
        if (!item->isHidden())
            bottom = item->y() + item->height();
    return bottom + topMargin;
}

void TCtrlBtnPanel::setCount(int count)
{
    countText->setText(QString::number(count));
}
