#include "ListOrder.h"

#include <QCollator>
#include <QLocale>

namespace afx {

// Lists are short; the collator follows the locale of the moment. A
// session without a language (the C locale) gets the language-neutral
// order, in which accented letters sit with their base letters, rather
// than the order of code points.
int CompareForList(const QString& a, const QString& b)
{
    const QLocale locale = QLocale().language() == QLocale::C ? QLocale(QLocale::English) : QLocale();
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator.compare(a, b);
}

} // namespace afx
