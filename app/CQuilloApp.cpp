#include "CQuilloApp.h"

#include "CMainFrame.h"
#include "Resources.h"

#include "form/CQuilloView.h"
#include "exam/CQuilloDoc.h"

#include "afx/ui/CSingleDocTemplate.h"

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
