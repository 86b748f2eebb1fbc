#include "InstalledFiles.h"

#include "afx/ui/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

CString InstalledFile(const char* name)
{
    const QString beside = QCoreApplication::applicationDirPath();
    for (const QString& folder : {beside + "/../share/quillo", beside + "/../examiner"}) {
        const QString path = QDir::cleanPath(folder + "/" + name);
        if (QFileInfo(path).isReadable())
            return afx::PathFromQt(path);
    }
    return CString();
}
