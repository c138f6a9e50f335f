#pragma once
// Option lists shown in list-like controls: the labels fill a combo box, and a
// text (label or wire value) selects its item.
#include <string>

class NvOptionList;
class QComboBox;

// Clears the combo box and adds every label of the list in order.
void fillItems(const NvOptionList& options, QComboBox* combo);

// Selects the item whose label equals the text; failing that, the item whose
// value equals it; failing both, nothing is selected (index -1).
void selectItem(const NvOptionList& options, QComboBox* combo, const std::string& text);
