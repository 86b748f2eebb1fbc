#include "CWinApp.h"

#include "CDocument.h"
#include "CFrameWnd.h"
#include "CSingleDocTemplate.h"
#include "CommandIds.h"
#include "QtText.h"
#include "ScreenReaderPause.h"
#include "ShellAssociation.h"

#include "afx/DocumentFile.h"
#include "afx/FilePath.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <sys/stat.h>

#include <cassert>
#include <cstdio>

namespace afx {

namespace {

CWinApp* g_app = nullptr;

class ModalRunner : public DialogRunner {
public:
    int Run(CDialog& dialog) override
    {
        LetScreenReaderFinishTheKey();
        return dialog.exec();
    }
};

const char* const kRecentSection = "Recent File List";

} // namespace

CWinApp* AfxGetApp()
{
    return g_app;
}

CWinApp::CWinApp(const char* appName)
    : m_pszAppName(appName), m_pModalRunner(std::make_unique<ModalRunner>()), m_pDialogRunner(m_pModalRunner.get())
{
    assert(g_app == nullptr);
    g_app = this;
}

CWinApp::~CWinApp()
{
    m_pDocTemplate.reset();
    g_app = nullptr;
}

void CWinApp::SetRegistryKey(const char* key)
{
    m_strRegistryKey = key;
    m_pProfile.reset();
}

// The settings are saved by writing a new file and renaming it over the
// old one. A link is followed to the file it names, so the link stays; what
// is not an ordinary file (a device, a folder) is never replaced: the
// settings then live only as long as the program, in a file that cannot
// come to be, below a name that is not a folder.
QSettings& CWinApp::Profile()
{
    if (!m_pProfile) {
        const QString folder =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/" + ToQt(m_strRegistryKey);
        const CString target = ResolvedPath(PathFromQt(folder + "/" + m_pszAppName + ".conf"));
        QString file = PathToQt(target);
        struct stat info {};
        if (stat(target, &info) == 0 && !S_ISREG(info.st_mode)) {
            std::fprintf(stderr, "%s: settings are not kept: %s is not an ordinary file\n", m_pszAppName,
                         static_cast<const char*>(target));
            file = "/dev/null/" + QString(m_pszAppName) + ".conf";
        }
        m_pProfile = std::make_unique<QSettings>(file, QSettings::IniFormat);
    }
    return *m_pProfile;
}

CString CWinApp::GetProfileString(const char* section, const char* entry, const char* defaultValue)
{
    QSettings& profile = Profile();
    const QString key = QString(section) + "/" + entry;
    return profile.contains(key) ? FromQt(profile.value(key).toString()) : CString(defaultValue);
}

int CWinApp::GetProfileInt(const char* section, const char* entry, int defaultValue)
{
    bool ok = false;
    const int value = Profile().value(QString(section) + "/" + entry).toInt(&ok);
    return ok ? value : defaultValue;
}

void CWinApp::WriteProfileString(const char* section, const char* entry, const CString& value)
{
    Profile().setValue(QString(section) + "/" + entry, ToQt(value));
    Profile().sync();
}

void CWinApp::WriteProfileInt(const char* section, const char* entry, int value)
{
    Profile().setValue(QString(section) + "/" + entry, value);
    Profile().sync();
}

void CWinApp::LoadStdProfileSettings(int maxRecentFiles)
{
    m_nMaxRecentFiles = static_cast<size_t>(maxRecentFiles);
    m_recentFiles.clear();
    for (int i = 1; i <= maxRecentFiles; ++i) {
        const QString key = QString("%1/File%2").arg(kRecentSection).arg(i);
        const CString path = PathFromQt(Profile().value(key).toString());
        if (!path.IsEmpty())
            m_recentFiles.push_back(FullPath(path));
    }
}

void CWinApp::AddToRecentFileList(const CString& nativePath)
{
    const CString path = FullPath(nativePath);
    for (auto it = m_recentFiles.begin(); it != m_recentFiles.end(); ++it) {
        if (*it == path) {
            m_recentFiles.erase(it);
            break;
        }
    }
    m_recentFiles.insert(m_recentFiles.begin(), path);
    if (m_recentFiles.size() > m_nMaxRecentFiles)
        m_recentFiles.resize(m_nMaxRecentFiles);
    WriteRecentFiles();
}

void CWinApp::WriteRecentFiles()
{
    QSettings& profile = Profile();
    profile.remove(kRecentSection);
    for (size_t i = 0; i < m_recentFiles.size(); ++i)
        profile.setValue(QString("%1/File%2").arg(kRecentSection).arg(i + 1), PathToQt(m_recentFiles[i]));
    profile.sync();
}

void CWinApp::AddDocTemplate(CSingleDocTemplate* docTemplate)
{
    m_pDocTemplate.reset(docTemplate);
}

CFrameWnd* CWinApp::GetMainWnd() const
{
    return m_pDocTemplate ? m_pDocTemplate->Frame() : nullptr;
}

QWidget* CWinApp::VisibleMainWnd() const
{
    CFrameWnd* frame = GetMainWnd();
    return frame != nullptr && frame->isVisible() ? frame : nullptr;
}

DocumentType CWinApp::ShellDocumentType() const
{
    return {m_pDocTemplate->GetDocString(CSingleDocTemplate::filterExt),
            m_pDocTemplate->GetDocString(CSingleDocTemplate::regFileTypeId),
            m_pDocTemplate->GetDocString(CSingleDocTemplate::regFileTypeName),
            m_pDocTemplate->GetDocString(CSingleDocTemplate::windowTitle)};
}

void CWinApp::RegisterShellFileTypes()
{
    RegisterDocumentType(ShellDocumentType());
}

bool CWinApp::ProcessShellCommand(const QStringList& arguments)
{
    if (arguments.isEmpty()) {
        OnFileNew();
    } else {
        // As the desktop starts a program on a document: in the document's
        // folder, where the files it goes with are.
        const CString document = FullPath(PathFromQt(arguments.first()));
        QDir::setCurrent(PathToQt(FolderOf(document)));
        if (OpenDocumentFile(document) == nullptr)
            return false;
    }
    return GetMainWnd() != nullptr;
}

void CWinApp::OnFileNew()
{
    if (m_pDocTemplate)
        m_pDocTemplate->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CString path;
    if (DoPromptFileName(path, true))
        OpenDocumentFile(path);
}

CDocument* CWinApp::OpenDocumentFile(const CString& path)
{
    return m_pDocTemplate ? m_pDocTemplate->OpenDocumentFile(FullPath(path)) : nullptr;
}

// A document not yet saved is offered in the working folder, or, where
// that cannot be written (the installed sample's folder), in the user's
// documents.
QString CWinApp::SaveAsStart(const CString& path)
{
    QString name = PathToQt(path);
    if (name.contains('/'))
        return name;
    QString folder = QDir::currentPath();
    if (!QFileInfo(folder).isWritable()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (!QFileInfo(folder).isDir())
            folder = QDir::homePath();
    }
    return folder + "/" + name;
}

bool CWinApp::DoPromptFileName(CString& path, bool open)
{
    if (m_promptFileName)
        return m_promptFileName(path, open);
    const QString filter = ToQt(m_pDocTemplate->GetDocString(CSingleDocTemplate::filterName)) + ";;All Files (*)";
    LetScreenReaderFinishTheKey();
    QString chosen = open ? QFileDialog::getOpenFileName(GetMainWnd(), "Open", QString(), filter)
                          : QFileDialog::getSaveFileName(GetMainWnd(), "Save As", SaveAsStart(path), filter);
    if (chosen.isEmpty())
        return false;
    const QString extension = ToQt(m_pDocTemplate->GetDocString(CSingleDocTemplate::filterExt));
    if (!open && !chosen.contains('.'))
        chosen += extension;
    path = PathFromQt(chosen);
    return true;
}

void CWinApp::SetDialogRunner(DialogRunner* runner)
{
    m_pDialogRunner = runner ? runner : m_pModalRunner.get();
}

bool CWinApp::OnCmdMsg(int id, CCmdUI* ui)
{
    const int recent = id - ID_FILE_MRU_FILE1;
    if (recent >= 0 && recent < static_cast<int>(m_recentFiles.size())) {
        if (ui)
            ui->m_bHandled = true;
        else
            OpenDocumentFile(CString(m_recentFiles[static_cast<size_t>(recent)]));
        return true;
    }
    if (id != ID_FILE_NEW && id != ID_FILE_OPEN)
        return false;
    if (ui)
        ui->m_bHandled = true;
    else if (id == ID_FILE_NEW)
        OnFileNew();
    else
        OnFileOpen();
    return true;
}

} // namespace afx
