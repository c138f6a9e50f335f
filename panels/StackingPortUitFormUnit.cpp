#include "panels/StackingPortUitFormUnit.h"

#include <algorithm>

#include <QCheckBox>
#include <QFileInfo>
#include <QScrollArea>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "panels/PanelFormTable.h"

namespace {

const QRect kDesigned(0, 0, 543, 252);
constexpr int kBoxPointSize = 8;

int fontSizeOf(const QWidget* w)
{
    const QFont f = w->font();
    if (f.pointSize() > 0)
        return f.pointSize();
    return std::max(1, f.pixelSize() * 72 / 96);
}

}  // namespace

TStackingPortUitForm::TStackingPortUitForm(QWidget* owner, bool largeFonts) : QWidget(owner)
{
    setObjectName(QStringLiteral("StackingPortUitForm"));
    if (!owner)
        setWindowFlags(Qt::FramelessWindowHint);
    QRect g = kDesigned;
    if (largeFonts)
        g = QRect(static_cast<int>(g.left() * 1.25), static_cast<int>(g.top() * 1.25),
                  static_cast<int>(g.width() * 1.25), static_cast<int>(g.height() * 1.25));
    setGeometry(g);

    UnitPageControl = new QTabWidget(this);
    UnitPageControl->setObjectName(QStringLiteral("UnitPageControl"));
    auto* formLayout = new QVBoxLayout(this);
    formLayout->setContentsMargins(0, 0, 0, 0);
    formLayout->addWidget(UnitPageControl);
}

QWidget* TStackingPortUitForm::addUnitPage(const QString& caption, int /*firstPortIndex*/, int portCount,
                                           int columnCount)
{
    auto* page = new QWidget;
    const int index = UnitPageControl->addTab(page, caption);
    m_pages.append(page);
    m_captions.append(caption);

    auto* scroll = new QScrollArea(page);
    scroll->setObjectName(QStringLiteral("ScrollBox"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(false);
    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    pageLayout->addWidget(scroll);
    auto* content = new QWidget;

    if (QFileInfo::exists(QStringLiteral("DeviceInfo.ini")))
        columnCount = 10;
    if (columnCount < 1)
        columnCount = 1;

    QRect used;
    for (int i = 0; i < portCount; ++i) {
        auto* box = new QCheckBox(QString::number(i + 1), content);
        // The control font of the form layouts, so that twelve columns fit the page.
        QFont font = box->font();
        font.setPointSize(kBoxPointSize);
        box->setFont(font);
        const int f = fontSizeOf(box);
        const int h = box->sizeHint().height();
        const int chars = static_cast<int>(box->text().size());
        box->setGeometry((i % columnCount) * f * 5 + 20, (i / columnCount) * h + 4, chars * f + 3 * f, h);
        box->setVisible(false);
        used |= box->geometry();
        m_checkBoxes.append(box);
    }
    content->resize(used.right() + 8, used.bottom() + 6);
    scroll->setWidget(content);

    UnitPageControl->setTabVisible(index, false);
    return page;
}

void TStackingPortUitForm::showUnit(const QString& unitText, const QString& model, int /*startPort*/,
                                    int portCount, int /*columnCount*/)
{
    bool ok = false;
    const int u = unitText.trimmed().toInt(&ok);
    if (!ok || u < 1 || u > m_pages.size())
        return;
    const int index = UnitPageControl->indexOf(m_pages.at(u - 1));
    if (index < 0)
        return;
    UnitPageControl->setTabVisible(index, true);
    UnitPageControl->setTabText(index, m_captions.at(u - 1) + QLatin1Char(' ') + model);

    // A unit never shows more than its own 64 boxes, whatever range it reports.
    const int first = (u - 1) * PortsPerUnit;
    const int count = std::clamp(portCount, 0, PortsPerUnit);
    for (int k = first; k < first + count && k < m_checkBoxes.size(); ++k)
        m_checkBoxes.at(k)->setVisible(true);
}

int TStackingPortUitForm::defaultPortCount(const QString& model)
{
    const TPanelFormTable::Model* row = TPanelFormTable::model(model);
    return row ? row->portCount : 24;
}

void TStackingPortUitForm::fillFromStack(QTreeWidget* unitListView, QTreeWidget* portIndexView,
                                         const std::function<void()>& refillUnitList)
{
    for (int n = 1; n <= UnitCount; ++n)
        addUnitPage(QStringLiteral("Unit%1").arg(n), 0, PortsPerUnit, 12);
    if (!unitListView)
        return;
    if (unitListView->topLevelItemCount() == 0 && refillUnitList)
        refillUnitList();

    for (int r = 0; r < unitListView->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* row = unitListView->topLevelItem(r);
        const QString unit = row->text(0);
        const QString status = row->text(1);
        const QString model = row->text(8);
        if (model.compare(QLatin1String("USR-NOT-CFG"), Qt::CaseInsensitive) == 0)
            continue;
        if (status == QLatin1String("not-exist")) {
            int startPort = 0;
            if (portIndexView) {
                for (int p = 0; p < portIndexView->topLevelItemCount(); ++p) {
                    const QTreeWidgetItem* port = portIndexView->topLevelItem(p);
                    if (port->text(1) == unit) {
                        startPort = port->text(0).toInt();
                        break;
                    }
                }
            }
            showUnit(unit, model, startPort, defaultPortCount(model), 12);
        } else {
            showUnit(unit, model, row->text(3).toInt(), row->text(4).toInt(), 12);
        }
    }
}

bool TStackingPortUitForm::isPageShown(int index) const
{
    if (index < 0 || index >= m_pages.size())
        return false;
    return UnitPageControl->isTabVisible(UnitPageControl->indexOf(m_pages.at(index)));
}
