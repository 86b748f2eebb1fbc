#pragma once

#include "afx/ui/CWinApp.h"

#include <QStringList>

// The program: its profile, its one document template and its start-up.
class CQuilloApp : public afx::CWinApp {
public:
    explicit CQuilloApp(QStringList arguments);

    // False when start-up failed; the program then ends.
    bool InitInstance() override;

private:
    QStringList m_arguments;
};
