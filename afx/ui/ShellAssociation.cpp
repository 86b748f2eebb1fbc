#include "ShellAssociation.h"

#include "QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

namespace afx {
namespace {

void WriteFile(const QString& path, const QString& text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(text.toUtf8());
}

} // namespace

void RegisterDocumentType(const CString& extension, const CString& typeId, const CString& typeName,
                          const CString& programTitle)
{
    const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString program = QCoreApplication::applicationFilePath();
    const QString name = QFileInfo(program).fileName();
    const QString mimeType = "application/x-" + ToQt(typeId).toLower().replace('.', '-');

    WriteFile(data + "/mime/packages/" + name + ".xml",
              QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                      "  <mime-type type=\"%1\">\n"
                      "    <comment>%2</comment>\n"
                      "    <glob pattern=\"*%3\"/>\n"
                      "  </mime-type>\n"
                      "</mime-info>\n")
                  .arg(mimeType, ToQt(typeName).toHtmlEscaped(), ToQt(extension)));

    QString quoted = program;
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    WriteFile(data + "/applications/" + name + ".desktop",
              QString("[Desktop Entry]\n"
                      "Type=Application\n"
                      "Name=%1\n"
                      "Exec=\"%2\" %f\n"
                      "Path=%3\n"
                      "MimeType=%4;\n"
                      "Terminal=false\n"
                      "Categories=Education;\n")
                  .arg(ToQt(programTitle), quoted, QDir::currentPath(), mimeType));
}

} // namespace afx
