#pragma once

#include "CPersistentFrame.h"

class QToolBar;

// The main window: the persistent frame with the program's toolbar, status
// bar and menu.
class CMainFrame : public CPersistentFrame {
public:
    CMainFrame();

protected:
    int OnCreate() override;

private:
    void CreateToolbar();
    void CreateStatusBar();
};
