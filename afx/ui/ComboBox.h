#pragma once
// The drop-down list combo box as the program's code uses it: items kept in
// alphabetical order ignoring case, and selection by a case-blind prefix.

#include "afx/CString.h"

class QComboBox;

namespace afx {

void ComboAddString(QComboBox* combo, const CString& text);
// Selects the first item, in list order, that begins with prefix ignoring
// case; returns its index, or -1 with the selection left as it was.
int ComboSelectString(QComboBox* combo, const CString& prefix);
// The selected item's text, or empty when none is selected.
CString ComboWindowText(QComboBox* combo);

} // namespace afx
