#include "ComboBox.h"

#include "ListOrder.h"
#include "QtText.h"

#include <QComboBox>

namespace afx {

void ComboAddString(QComboBox* combo, const CString& text)
{
    const QString item = ToQt(text);
    int position = 0;
    while (position < combo->count() && CompareForList(combo->itemText(position), item) <= 0)
        ++position;
    const int selected = combo->currentIndex();
    combo->insertItem(position, item);
    // Adding never changes the selection; Qt would select the first item.
    combo->setCurrentIndex(selected < 0 ? -1 : (selected >= position ? selected + 1 : selected));
}

int ComboSelectString(QComboBox* combo, const CString& prefix)
{
    const QString start = ToQt(prefix);
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i).startsWith(start, Qt::CaseInsensitive)) {
            combo->setCurrentIndex(i);
            return i;
        }
    }
    return -1;
}

CString ComboWindowText(QComboBox* combo)
{
    return combo->currentIndex() < 0 ? CString() : FromQt(combo->currentText());
}

} // namespace afx
