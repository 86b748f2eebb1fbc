#include "CQuilloApp.h"

#include "CAboutDlg.h"
#include "CMainFrame.h"
#include "Resources.h"

#include "form/CQuilloView.h"
#include "exam/CQuilloDoc.h"

#include "afx/ui/CSingleDocTemplate.h"
#include "afx/ui/CommandIds.h"
#include "form/FormIds.h"

#include "nvkit.h"

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
    AddDocTemplate(new afx::CSingleDocTemplate(app::IDR_MAINFRAME, app::kDocTemplateString,
                                               {[] { return new CQuilloDoc; }, [] { return new CMainFrame; },
                                                [] { return new CQuilloView; }}));
    // Anything that goes wrong from here on has been reported where it
    // happened; start-up simply fails.
    try {
        RegisterShellFileTypes();
        if (!ProcessShellCommand(m_arguments))
            return false;
        GetMainWnd()->ActivateFrame(afx::SW_SHOW);
    } catch (...) {
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

void CQuilloApp::OnHelp()
{
    NVHtmlHelp("quillo.chm");
}

void CQuilloApp::OnTechSupport()
{
    TechSupportOnTheWeb();
}
