#include "bind/NvOptionControls.h"

#include <QComboBox>

#include "snmp/NvOptionList.h"

void fillItems(const NvOptionList& options, QComboBox* combo)
{
    combo->clear();
    for (int i = 0; i < options.count(); ++i)
        combo->addItem(QString::fromStdString(options.item(i).label));
}

void selectItem(const NvOptionList& options, QComboBox* combo, const std::string& text)
{
    int index = options.indexOfLabel(text);
    if (index < 0)
        index = options.indexOfValue(text);
    combo->setCurrentIndex(index < combo->count() ? index : -1);
}
