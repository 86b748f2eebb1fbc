#include "QtText.h"

#include "afx/CodePage.h"

namespace afx {

QString ToQt(const CString& ansi)
{
    const std::u16string wide = MultiByteToWideChar(CP_ACP, ansi.Bytes().data(), ansi.GetLength());
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

CString FromQt(const QString& text)
{
    const auto* units = reinterpret_cast<const char16_t*>(text.utf16());
    return CString(WideCharToMultiByte(CP_ACP, units, static_cast<int>(text.size())));
}

} // namespace afx
