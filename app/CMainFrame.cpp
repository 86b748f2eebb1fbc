#include "CMainFrame.h"

#include "Accelerators.h"
#include "AppIcon.h"
#include "MainMenu.h"
#include "Resources.h"
#include "ToolbarImages.h"

#include "afx/ui/CommandIds.h"
#include "afx/ui/QtText.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

CMainFrame::CMainFrame() = default;

int CMainFrame::OnCreate()
{
    if (CPersistentFrame::OnCreate() == -1)
        return -1;
    app::BuildMainMenu(*this);
    app::InstallAccelerators(*this);
    setWindowIcon(app::ApplicationIcon());
    CreateToolbar();
    CreateStatusBar();
    return 0;
}

void CMainFrame::CreateToolbar()
{
    auto* toolbar = new QToolBar("Toolbar", this);
    toolbar->setObjectName("Toolbar");
    toolbar->setIconSize(QSize(16, 16));
    toolbar->setAllowedAreas(Qt::AllToolBarAreas);
    toolbar->setMovable(true);
    toolbar->setFloatable(true);
    for (const int id : app::kToolbarButtons) {
        if (id == 0) {
            toolbar->addSeparator();
            continue;
        }
        QAction* action = CommandAction(id, afx::ToQt(app::TooltipText(id)));
        action->setIcon(app::ToolbarImage(id));
        action->setToolTip(afx::ToQt(app::TooltipText(id)));
        action->setStatusTip(afx::ToQt(app::PromptText(id)));
        toolbar->addAction(action);
    }
    // The button that shows the buttons a narrow window hides has no name
    // of its own for a screen reader.
    if (auto* more = toolbar->findChild<QToolButton*>("qt_toolbar_ext_button"))
        more->setAccessibleName("More buttons");
    addToolBar(Qt::TopToolBarArea, toolbar);
}

void CMainFrame::CreateStatusBar()
{
    QStatusBar* bar = statusBar();
    // The message pane shows what commands say, which may name a book.
    auto* message = new QLabel(afx::ToQt(app::LoadString(57345)));
    message->setTextFormat(Qt::PlainText);
    bar->addWidget(message, 1);
    for (const int id : {afx::ID_INDICATOR_CAPS, afx::ID_INDICATOR_NUM, afx::ID_INDICATOR_SCRL}) {
        auto* pane = new QLabel(afx::ToQt(app::LoadString(id)));
        pane->setEnabled(false);
        pane->setFrameShape(QFrame::Panel);
        pane->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(pane);
    }
}
