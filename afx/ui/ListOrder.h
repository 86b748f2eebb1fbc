#pragma once
// The order of sorted lists: as the user's language sorts, case aside, as
// Windows' sorted lists compare by locale ("Ärzte" before "General", not
// after it as bytes would have it).

#include <QString>

namespace afx {

// Below zero when a comes first, zero when the two sort alike.
int CompareForList(const QString& a, const QString& b);

} // namespace afx
