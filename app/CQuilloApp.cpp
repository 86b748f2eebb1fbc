#include "CQuilloApp.h"

#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "Resources.h"

#include "exam/CQuilloDoc.h"
#include "form/CQuilloView.h"

#include "afx/ui/CSingleDocTemplate.h"
#include "afx/ui/CommandIds.h"
#include "form/FormIds.h"

#include "nvkit.h"

#include "afx/MessageBox.h"

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

// The help in the working folder, as ever; failing that, the help that came
// with the program, so that Help works in a folder of one's own banks.
void CQuilloApp::OnHelp()
{
    CString help = "quillo.chm";
    if (!QFileInfo(help.Bytes().c_str()).isReadable()) {
        const QString beside = QCoreApplication::applicationDirPath();
        for (const QString& folder : {beside + "/../share/quillo", beside + "/../examiner"})
            if (QFileInfo(folder + "/quillo.chm").isReadable()) {
                help = afx::PathFromQt(QDir::cleanPath(folder + "/quillo.chm"));
                break;
            }
    }
    if (!NVHtmlHelp(help))
        AfxMessageBox("The help could not be shown: quillo.chm is neither in this folder nor where Quillo is "
                      "installed, or no help viewer is installed.");
}

void CQuilloApp::OnTechSupport()
{
    TechSupportOnTheWeb();
}
