#pragma once
// The list box calls the program makes, as the framework's list box
// behaves: a sorted list box orders its items ignoring case, and a list
// filled from a folder hands back names as the file system spells them.

#include "afx/CString.h"

class QListWidget;
class QListWidgetItem;
class QString;

namespace afx {

// As LB_ADDSTRING: returns the row the item went to.
int ListBoxAddString(QListWidget* list, const QString& text);

// As DlgDirList: the ordinary files matching pattern.
void DlgDirList(QListWidget* list, const char* pattern);

// What DDX_LBString reads from an item.
CString ListBoxItemText(const QListWidgetItem* item);

// Marks a list box from a template as sorted.
void SetListBoxSorted(QListWidget* list, bool sorted);

} // namespace afx
