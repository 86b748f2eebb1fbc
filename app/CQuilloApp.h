#pragma once

#include "afx/ui/CWinApp.h"

#include <QStringList>

// The program: its profile, its one document template and its start-up.
class CQuilloApp : public afx::CWinApp {
public:
    explicit CQuilloApp(QStringList arguments);

    // False when start-up failed; the program then ends.
    bool InitInstance() override;
    bool OnCmdMsg(int id, afx::CCmdUI* ui) override;

private:
    static const afx::CommandEntry<CQuilloApp> kMessageMap[];
    void OnAppAbout();
    void OnHelp();
    void OnFileOpenBank();
    void OnTechSupport();

    QStringList m_arguments;
};
