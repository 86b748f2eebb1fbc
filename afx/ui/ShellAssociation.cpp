#include "ShellAssociation.h"

#include "QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace afx {
namespace {

// The desktop's tools read these caches, not the files themselves.
constexpr int kCacheUpdateMs = 10'000;

QString DataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString ProgramName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

QString EntryPath()
{
    return DataFolder() + "/applications/" + ProgramName() + ".desktop";
}

// True when the file changed; an unchanged file is left alone.
bool WriteFile(const QString& path, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return false;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

void UpdateCache(const QString& tool, const QString& folder)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return;
    QProcess update;
    update.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    update.start(program, {folder});
    update.waitForFinished(kCacheUpdateMs);
}

QString EntryFolder()
{
    QFile entry(EntryPath());
    if (entry.open(QIODevice::ReadOnly)) {
        static const QRegularExpression path("^Path=(.*)$", QRegularExpression::MultilineOption);
        const auto found = path.match(QString::fromUtf8(entry.readAll()));
        if (found.hasMatch())
            return found.captured(1);
    }
    const QString installed = QCoreApplication::applicationDirPath() + "/../share/" + ProgramName();
    return QFileInfo::exists(installed + "/sample.db") ? QDir::cleanPath(installed) : QString();
}

QString MimeType(const DocumentType& type)
{
    return "application/x-" + ToQt(type.typeId).toLower().replace('.', '-');
}

// Values in a desktop entry escape backslashes; Exec also quotes its program.
QString EntryText(const DocumentType& type, const QString& folder)
{
    QString quoted = QCoreApplication::applicationFilePath();
    quoted.replace('\\', "\\\\").replace('"', "\\\"");
    return QString("[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=%1\n"
                   "Exec=\"%2\" %f\n"
                   "%3"
                   "Icon=%4\n"
                   "MimeType=%5;\n"
                   "Terminal=false\n"
                   "Categories=Education;\n")
        .arg(ToQt(type.programTitle), quoted, folder.isEmpty() ? QString() : "Path=" + folder + "\n", ProgramName(),
             MimeType(type));
}

void WriteEntry(const DocumentType& type, const QString& folder)
{
    if (WriteFile(EntryPath(), EntryText(type, folder)))
        UpdateCache("update-desktop-database", DataFolder() + "/applications");
}

} // namespace

void RegisterDocumentType(const DocumentType& type)
{
    const bool typeChanged =
        WriteFile(DataFolder() + "/mime/packages/" + ProgramName() + ".xml",
                  QString("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <glob pattern=\"*%3\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
                      .arg(MimeType(type), ToQt(type.typeName).toHtmlEscaped(), ToQt(type.extension)));
    if (typeChanged)
        UpdateCache("update-mime-database", DataFolder() + "/mime");
    WriteEntry(type, EntryFolder());
}

void RememberStartFolder(const DocumentType& type, const QString& folder)
{
    WriteEntry(type, folder);
}

} // namespace afx
