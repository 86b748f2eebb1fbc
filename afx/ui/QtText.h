#pragma once
// Text crosses into Qt only here: members hold ANSI bytes, widgets Unicode.

#include "afx/CString.h"

#include <QString>

namespace afx {

QString ToQt(const CString& ansi);
CString FromQt(const QString& text);

// Paths cross as the file system spells them, never through the ANSI
// code page: two names that differ only outside it stay two names.
QString PathToQt(const CString& nativePath);
CString PathFromQt(const QString& path);

} // namespace afx
