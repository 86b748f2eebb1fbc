#include "CQuilloApp.h"

#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "Resources.h"

#include "exam/CQuilloDoc.h"
#include "exam/CSelectDatabase.h"
#include "exam/InstalledFiles.h"
#include "form/CQuilloView.h"

#include "afx/ui/CSingleDocTemplate.h"
#include "afx/ui/CommandIds.h"
#include "form/FormIds.h"

#include "nvkit.h"

#include "afx/FilePath.h"
#include "afx/MessageBox.h"
#include "bank/QuestionBankFile.h"

#include "afx/ui/QtText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <new>
#include <stdexcept>

const afx::CommandEntry<CQuilloApp> CQuilloApp::kMessageMap[] = {
    {afx::ID_APP_ABOUT, &CQuilloApp::OnAppAbout, nullptr},
    {form::ID_HELP_CONTENTS, &CQuilloApp::OnHelp, nullptr},
    {form::ID_TECH_SUPPORT, &CQuilloApp::OnTechSupport, nullptr},
    {form::ID_FILE_OPEN_BANK, &CQuilloApp::OnFileOpenBank, nullptr},
};

CQuilloApp::CQuilloApp(QStringList arguments) : CWinApp("quillo"), m_arguments(std::move(arguments)) {}

bool CQuilloApp::InitInstance()
{
    SetRegistryKey("Norvane Examiner");
    LoadStdProfileSettings(4);
    AddDocTemplate(new afx::CSingleDocTemplate(
        app::IDR_MAINFRAME, app::kDocTemplateString,
        {[] { return new CQuilloDoc; }, [] { return new CMainFrame; }, [] { return new CQuilloView; }}));
    // An abort signal has been reported where it happened; anything else
    // is told here, so that start-up never fails without a word.
    try {
        RegisterShellFileTypes();
        if (!ProcessShellCommand(m_arguments))
            return false;
        GetMainWnd()->ActivateFrame(afx::SW_SHOW);
    } catch (int) {
        return false;
    } catch (const std::bad_alloc&) {
        AfxMessageBox("Out of memory.");
        return false;
    } catch (const std::exception& e) {
        AfxMessageBox(e.what());
        return false;
    } catch (...) {
        AfxMessageBox("An unexpected error occurred.");
        return false;
    }
    return true;
}

bool CQuilloApp::OnCmdMsg(int id, afx::CCmdUI* ui)
{
    return afx::DispatchCommand(this, kMessageMap, id, ui) || CWinApp::OnCmdMsg(id, ui);
}

void CQuilloApp::OnAppAbout()
{
    CAboutDlg about(GetMainWnd());
    about.DoModal();
}

// Another bank, as a start in its folder would open it: the record is
// offered for saving as File New offers it, then a new record starts on
// the bank's first book. A file that is no bank changes nothing.
void CQuilloApp::OnFileOpenBank()
{
    CString bank;
    if (!PromptForQuestionBank(bank))
        return;
    bank = afx::FullPath(bank);
    if (const std::string problem = litex::CheckQuestionBank(bank); !problem.empty()) {
        afx::MessageBoxNamingFile(problem.c_str(), bank);
        return;
    }
    auto* document = static_cast<CQuilloDoc*>(GetMainWnd()->GetActiveDocument());
    document->SetBankToOpen(bank);
    OnFileNew();
    document->SetBankToOpen(CString());
}

// The help in the working folder, as ever; failing that, the help that came
// with the program, so that Help works in a folder of one's own banks. The
// help export may move the working folder; the program's stays where it
// was, so that Save As and diagrams still start from the bank's folder.
void CQuilloApp::OnHelp()
{
    CString help = "quillo.chm";
    if (!QFileInfo(help.Bytes().c_str()).isReadable()) {
        if (const CString installed = InstalledFile("quillo.chm"); !installed.IsEmpty())
            help = installed;
    }
    const QString workingFolder = QDir::currentPath();
    const bool shown = NVHtmlHelp(help);
    QDir::setCurrent(workingFolder);
    if (!shown)
        AfxMessageBox("The help could not be shown: quillo.chm is neither in this folder nor where Quillo is "
                      "installed, or no help viewer is installed.");
}

void CQuilloApp::OnTechSupport()
{
    TechSupportOnTheWeb();
}
