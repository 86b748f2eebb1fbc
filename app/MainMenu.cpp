#include "MainMenu.h"

#include "Accelerators.h"
#include "Resources.h"

#include "form/FormIds.h"

#include "afx/ui/CFrameWnd.h"
#include "afx/ui/CWinApp.h"
#include "afx/ui/CommandIds.h"
#include "afx/ui/QtText.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <memory>

namespace app {
namespace {

using namespace afx;
using namespace form;

struct Item {
    int id; // 0: separator
    const char* caption;
};

QAction* AddCommand(CFrameWnd& frame, QMenu* menu, const Item& item)
{
    QString caption = item.caption;
    QAction* action = frame.CommandAction(item.id, caption);
    action->setStatusTip(ToQt(PromptText(item.id)));
    action->setShortcuts(AcceleratorKeys(item.id));
    if (item.id == ID_VIEW_TOOLBAR || item.id == ID_VIEW_STATUS_BAR)
        action->setCheckable(true);
    menu->addAction(action);
    return action;
}

void AddMenu(CFrameWnd& frame, const char* title, std::initializer_list<Item> items)
{
    QMenu* menu = frame.menuBar()->addMenu(title);
    for (const Item& item : items) {
        if (item.id == 0)
            menu->addSeparator();
        else
            AddCommand(frame, menu, item);
    }
    QObject::connect(menu, &QMenu::aboutToShow, &frame, [&frame] { frame.UpdateCommandUI(); });
}

// The recent files sit between the two separators after Save As.
void RefreshRecentFiles(CFrameWnd& frame, QMenu* fileMenu, QAction* placeholder, std::vector<QAction*>& shown)
{
    for (QAction* action : shown)
        fileMenu->removeAction(action);
    shown.clear();
    const std::vector<CString>& files = AfxGetApp()->RecentFiles();
    placeholder->setVisible(files.empty());
    for (size_t i = 0; i < files.size(); ++i) {
        const int id = ID_FILE_MRU_FILE1 + static_cast<int>(i);
        auto* action = new QAction(QString("&%1 %2").arg(i + 1).arg(PathToQt(files[i])), fileMenu);
        action->setStatusTip(ToQt(PromptText(id)));
        QObject::connect(action, &QAction::triggered, &frame, [&frame, id] { frame.RouteCommand(id); });
        fileMenu->insertAction(placeholder, action);
        shown.push_back(action);
    }
}

} // namespace

void BuildMainMenu(CFrameWnd& frame)
{
    QMenu* file = frame.menuBar()->addMenu("&File");
    AddCommand(frame, file, {ID_FILE_NEW, "&New"});
    AddCommand(frame, file, {ID_FILE_OPEN, "&Open..."});
    AddCommand(frame, file, {ID_FILE_OPEN_BANK, "Open Question &Bank..."});
    AddCommand(frame, file, {ID_FILE_SAVE, "&Save"});
    AddCommand(frame, file, {ID_FILE_SAVE_AS, "Save &As..."});
    file->addSeparator();
    QAction* placeholder = file->addAction("Recent File");
    placeholder->setEnabled(false);
    file->addSeparator();
    AddCommand(frame, file, {ID_APP_EXIT, "E&xit"});
    // The recent-file actions shown now, owned by the connection below.
    auto shown = std::make_shared<std::vector<QAction*>>();
    QObject::connect(file, &QMenu::aboutToShow, &frame, [&frame, file, placeholder, shown] {
        RefreshRecentFiles(frame, file, placeholder, *shown);
        frame.UpdateCommandUI();
    });

    QAction* setup = frame.CommandAction(ID_SETUP, "&Setup");
    setup->setStatusTip(ToQt(PromptText(ID_SETUP)));
    frame.menuBar()->addAction(setup);

    AddMenu(frame, "&Questions",
            {{ID_FIRST_QUESTION, "&First Question"},
             {ID_PREVIOUS_QUESTION, "&Previous Question"},
             {ID_NEXT_QUESTION, "&Next Question"},
             {ID_LAST_QUESTION, "&Last Question"},
             {ID_RETRY_MISSED, "&Retry Missed"},
             {ID_REVIEW_DUE, "Review &Due"},
             {ID_EXPLANATION, "E&xplanation..."},
             {0, nullptr},
             {ID_PROGRESS, "Pro&gress..."},
             {ID_PRACTICE_EXAM, "Practice &Exam..."},
             {ID_FINISH_EXAM, "F&inish Exam"},
             {ID_TIME_LEFT, "&Time Left"}});
    AddMenu(frame, "&View", {{ID_VIEW_TOOLBAR, "&Toolbar"}, {ID_VIEW_STATUS_BAR, "&Status Bar"}});
    AddMenu(frame, "&Help",
            {{ID_HELP_CONTENTS, "&Help..."},
             {ID_TECH_SUPPORT, "&Tech Support on the Web..."},
             {ID_APP_ABOUT, "&About quillo..."}});
}

} // namespace app
