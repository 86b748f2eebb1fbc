#include "QtText.h"

#include "afx/CodePage.h"

#include <QFile>

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

QString PathToQt(const CString& nativePath)
{
    return QFile::decodeName(QByteArray(nativePath.Bytes().data(), nativePath.GetLength()));
}

CString PathFromQt(const QString& path)
{
    const QByteArray bytes = QFile::encodeName(path);
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

} // namespace afx
