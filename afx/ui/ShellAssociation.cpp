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

// An installed program's association is its package's: the package's entry
// and type, registered by the package manager. Only a program run from
// where it was built registers one of its own, under a name that cannot
// shadow the package's.
bool IsInstalled()
{
    return QFileInfo::exists(QCoreApplication::applicationDirPath() + "/../share/applications/" + ProgramName() +
                             ".desktop");
}

QString EntryPath()
{
    return DataFolder() + "/applications/" + ProgramName() + "-build.desktop";
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

// The sample bank's folder the build made beside the program, if any: the
// entry starts there when no record is opened.
QString SampleFolder()
{
    const QString built = QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../examiner");
    return QFileInfo::exists(built + "/sample.db") ? built : QString();
}

QString MimeType(const DocumentType& type)
{
    return "application/x-" + ToQt(type.typeId).toLower().replace('.', '-');
}

// A program path with nothing the entry format reserves goes unquoted:
// some launchers mishandle quotes. Inside quotes '"', '`', '$' and '\' are
// escaped with a backslash, and then every backslash once more, as the
// value is a string.
QString ExecValue(const QString& program)
{
    static const QRegularExpression reserved(R"([\s"'\\><~|&;$*?#()`])");
    if (!program.contains(reserved))
        return program;
    QString quoted = program;
    quoted.replace('\\', R"(\\\\)").replace('"', R"(\\")").replace('`', R"(\\`)").replace('$', R"(\\$)");
    return '"' + quoted + '"';
}

QString EntryText(const DocumentType& type, const QString& folder)
{
    const QString program = QCoreApplication::applicationFilePath();
    return QString("[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=%1 (build)\n"
                   "TryExec=%2\n"
                   "Exec=%3 %f\n"
                   "%4"
                   "Icon=%5\n"
                   "MimeType=%6;\n"
                   "Terminal=false\n"
                   "Categories=Education;\n")
        .arg(ToQt(type.programTitle), QString(program).replace('\\', "\\\\"), ExecValue(program),
             folder.isEmpty() ? QString() : "Path=" + folder + "\n", ProgramName(), MimeType(type));
}

void WriteEntry(const DocumentType& type, const QString& folder)
{
    if (WriteFile(EntryPath(), EntryText(type, folder)))
        UpdateCache("update-desktop-database", DataFolder() + "/applications");
}

// Earlier versions wrote their entry under the installed entry's own name,
// with a quoted Exec and the folder of the last start: it shadowed the
// installed entry and went stale. Only an entry in that form, for this type,
// is taken away.
void RemoveShadowingEntry(const DocumentType& type)
{
    const QString path = DataFolder() + "/applications/" + ProgramName() + ".desktop";
    QFile entry(path);
    if (!entry.open(QIODevice::ReadOnly))
        return;
    const QString text = QString::fromUtf8(entry.readAll());
    entry.close();
    if (text.contains("\nMimeType=" + MimeType(type) + ";\n") && text.contains("\nExec=\"") && QFile::remove(path))
        UpdateCache("update-desktop-database", DataFolder() + "/applications");
}

} // namespace

void RegisterDocumentType(const DocumentType& type)
{
    RemoveShadowingEntry(type);
    if (IsInstalled())
        return;
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
    WriteEntry(type, SampleFolder());
}

} // namespace afx
