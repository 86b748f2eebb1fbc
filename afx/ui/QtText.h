#pragma once
// Text crosses into Qt only here: members hold ANSI bytes, widgets Unicode.

#include "afx/CString.h"

#include <QString>

namespace afx {

QString ToQt(const CString& ansi);
CString FromQt(const QString& text);

} // namespace afx
