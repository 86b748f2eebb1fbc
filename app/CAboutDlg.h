#pragma once

#include "afx/ui/CDialog.h"

// Dialog 100, "About Norvane Examiner"; OK closes it.
class CAboutDlg : public afx::CDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
