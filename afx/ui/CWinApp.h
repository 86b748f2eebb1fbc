#pragma once
// The application object: registry profile, document template, recent
// files, file prompts, the dialog runner, and the commands New and Open.

#include "CCmdTarget.h"
#include "CDialog.h"
#include "ShellAssociation.h"

#include "afx/CString.h"

#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QSettings;
class QWidget;
class QString;

namespace afx {

class CDocument;
class CFrameWnd;
class CSingleDocTemplate;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char* appName);
    ~CWinApp() override;
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() = 0;

    // Profile: $XDG_CONFIG_HOME/<key>/<app name>.conf, sections as named.
    void SetRegistryKey(const char* key);
    void LoadStdProfileSettings(int maxRecentFiles);
    CString GetProfileString(const char* section, const char* entry, const char* defaultValue = "");
    int GetProfileInt(const char* section, const char* entry, int defaultValue);
    void WriteProfileString(const char* section, const char* entry, const CString& value);
    void WriteProfileInt(const char* section, const char* entry, int value);
    QSettings& Profile();
    const char* m_pszAppName;

    void AddDocTemplate(CSingleDocTemplate* docTemplate);
    CSingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate.get(); }
    CFrameWnd* GetMainWnd() const;
    // The main window while it is on the screen: the owner of dialogs and
    // messages, which the window manager then keeps above it.
    QWidget* VisibleMainWnd() const;

    // No argument: a new document; one: open that file. False when no main
    // window came of it.
    bool ProcessShellCommand(const QStringList& arguments);
    void RegisterShellFileTypes();

    void OnFileNew();
    void OnFileOpen();
    CDocument* OpenDocumentFile(const CString& path);

    // Paths here are native and made full before they are listed.
    void AddToRecentFileList(const CString& nativePath);
    const std::vector<CString>& RecentFiles() const { return m_recentFiles; }

    // Asks the user for a file name; the default shows a file dialog.
    using FilePrompt = std::function<bool(CString& path, bool open)>;
    void SetFilePrompt(FilePrompt prompt) { m_promptFileName = std::move(prompt); }
    bool DoPromptFileName(CString& path, bool open);

    DialogRunner& GetDialogRunner() { return *m_pDialogRunner; }
    void SetDialogRunner(DialogRunner* runner);

    bool OnCmdMsg(int id, CCmdUI* ui) override;

private:
    static QString SaveAsStart(const CString& path);
    void WriteRecentFiles();
    DocumentType ShellDocumentType() const;

    CString m_strRegistryKey;
    std::unique_ptr<QSettings> m_pProfile;
    std::unique_ptr<CSingleDocTemplate> m_pDocTemplate;
    std::vector<CString> m_recentFiles;
    size_t m_nMaxRecentFiles = 4;
    FilePrompt m_promptFileName;
    std::unique_ptr<DialogRunner> m_pModalRunner;
    DialogRunner* m_pDialogRunner;
};

CWinApp* AfxGetApp();

} // namespace afx
