#include "ListBox.h"

#include "ListOrder.h"
#include "QtText.h"

#include "afx/CFileFind.h"

#include <QListWidget>

namespace afx {
namespace {

const char* const kSortedProperty = "afxSorted";
constexpr int kNativeNameRole = Qt::UserRole + 1;

bool ComesBefore(const QString& a, const QString& b)
{
    const int folded = CompareForList(a, b);
    return folded != 0 ? folded < 0 : a < b;
}

int AddItem(QListWidget* list, QListWidgetItem* item)
{
    int row = list->count();
    if (list->property(kSortedProperty).toBool()) {
        int low = 0;
        while (low < row) {
            const int middle = (low + row) / 2;
            if (ComesBefore(item->text(), list->item(middle)->text()))
                row = middle;
            else
                low = middle + 1;
        }
    }
    list->insertItem(row, item);
    return row;
}

} // namespace

void SetListBoxSorted(QListWidget* list, bool sorted)
{
    list->setProperty(kSortedProperty, sorted);
}

int ListBoxAddString(QListWidget* list, const QString& text)
{
    return AddItem(list, new QListWidgetItem(text));
}

void DlgDirList(QListWidget* list, const char* pattern)
{
    CFileFind finder;
    bool more = finder.FindFile(pattern);
    while (more) {
        more = finder.FindNextFile();
        const CString name = finder.GetFileName();
        auto* item = new QListWidgetItem(PathToQt(name));
        item->setData(kNativeNameRole, QByteArray(name.Bytes().data(), name.GetLength()));
        AddItem(list, item);
    }
}

CString ListBoxItemText(const QListWidgetItem* item)
{
    const QVariant native = item->data(kNativeNameRole);
    if (native.isValid()) {
        const QByteArray bytes = native.toByteArray();
        return CString(bytes.constData(), static_cast<int>(bytes.size()));
    }
    return FromQt(item->text());
}

} // namespace afx
