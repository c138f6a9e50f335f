#include "editors/common/PortGrid.h"

#include <QCheckBox>
#include <QLayout>
#include <QVBoxLayout>

#include "bind/NvSNMPRequest2Edits.h"
#include "panels/StackingPortUitFormUnit.h"
#include "platform/MainSettings.h"

PortGrid::PortGrid(QWidget* host, const EditorContext& context) : QObject(host), m_context(context)
{
    const bool largeFonts = context.settings && context.settings->LargeFonts;
    m_picker = new TStackingPortUitForm(host, largeFonts);
    QLayout* layout = host->layout();
    if (!layout) {
        layout = new QVBoxLayout(host);
        layout->setContentsMargins(4, 4, 4, 4);
    }
    layout->addWidget(m_picker);
}

void PortGrid::fillFromStack()
{
    m_picker->fillFromStack(m_context.unitListView, m_context.portIndexView, m_context.refillUnitList);
}

void PortGrid::bindTo(NvSNMPRequest2Edits& binding, int row) const
{
    const QList<QCheckBox*>& all = boxes();
    binding.bindControlList(row, allBitNumbers(), std::vector<QWidget*>(all.begin(), all.end()));
}

const QList<QCheckBox*>& PortGrid::boxes() const
{
    return m_picker->checkBoxList();
}

QCheckBox* PortGrid::box(int portNumber) const
{
    const QList<QCheckBox*>& all = boxes();
    if (portNumber < 1 || portNumber > all.size())
        return nullptr;
    return all.at(portNumber - 1);
}

bool PortGrid::isChecked(int portNumber) const
{
    const QCheckBox* b = box(portNumber);
    return b && b->isChecked();
}

bool PortGrid::anyChecked() const
{
    for (const QCheckBox* b : boxes())
        if (b->isChecked())
            return true;
    return false;
}

bool PortGrid::hasPort(int portNumber) const
{
    const QCheckBox* b = box(portNumber);
    return b && !b->isHidden();
}

void PortGrid::clear()
{
    for (QCheckBox* b : boxes())
        b->setChecked(false);
}

const std::string& PortGrid::allBitNumbers()
{
    static const std::string text = [] {
        std::string t;
        for (int k = 0; k < BoxCount; ++k) {
            if (k)
                t += ',';
            t += std::to_string(k);
        }
        return t;
    }();
    return text;
}

int PortGrid::portNumber(int unit, int port)
{
    return (unit - 1) * PortsPerUnit + port;
}

PortGrid::UnitPort PortGrid::splitPortNumber(int n)
{
    if (n % PortsPerUnit != 0)
        return {n / PortsPerUnit + 1, n % PortsPerUnit};
    if (n == 0)
        return {0, 0};
    return {n / PortsPerUnit, PortsPerUnit};
}
