#include "Accelerators.h"

#include "form/FormIds.h"

#include "afx/ui/CFrameWnd.h"
#include "afx/ui/CommandIds.h"

#include <QAction>

#include <algorithm>

namespace app {

using namespace afx;

const std::vector<Accelerator>& AcceleratorTable()
{
    static const std::vector<Accelerator> table = {
        {"Ctrl+N", ID_FILE_NEW},
        {"Ctrl+O", ID_FILE_OPEN},
        {"Ctrl+S", ID_FILE_SAVE},
        {"Ctrl+P", ID_FILE_PRINT},
        {"Ctrl+Z", ID_EDIT_UNDO},
        {"Ctrl+X", ID_EDIT_CUT},
        {"Ctrl+C", ID_EDIT_COPY},
        {"Ctrl+V", ID_EDIT_PASTE},
        {"Alt+Backspace", ID_EDIT_UNDO},
        {"Shift+Del", ID_EDIT_CUT},
        {"Ctrl+Ins", ID_EDIT_COPY},
        {"Shift+Ins", ID_EDIT_PASTE},
        {"F6", ID_NEXT_PANE},
        {"Shift+F6", ID_PREV_PANE},
        {"Ctrl+R", form::ID_RETRY_MISSED},
        {"Ctrl+D", form::ID_REVIEW_DUE},
        {"Ctrl+L", form::ID_EXPLANATION},
        {"Ctrl+G", form::ID_PROGRESS},
        {"Ctrl+E", form::ID_PRACTICE_EXAM},
        {"Ctrl+F", form::ID_FINISH_EXAM},
        {"Ctrl+T", form::ID_TIME_LEFT},
        {"Ctrl+B", form::ID_FILE_OPEN_BANK},
        {"F1", form::ID_HELP_CONTENTS},
        {"Ctrl+Q", ID_APP_EXIT},
    };
    return table;
}

QList<QKeySequence> AcceleratorKeys(int id)
{
    QList<QKeySequence> keys;
    for (const Accelerator& entry : AcceleratorTable())
        if (entry.id == id)
            keys << QKeySequence(entry.keys);
    return keys;
}

namespace {

bool MenuCarriesKeys(CFrameWnd& frame, int id)
{
    const QList<QAction*> actions = frame.findChildren<QAction*>();
    return std::any_of(actions.begin(), actions.end(), [id](const QAction* action) {
        return action->data().toInt() == id && !action->shortcut().isEmpty();
    });
}

} // namespace

void InstallAccelerators(CFrameWnd& frame)
{
    std::vector<int> bound;
    for (const Accelerator& entry : AcceleratorTable()) {
        const int id = entry.id;
        if (std::find(bound.begin(), bound.end(), id) != bound.end() || MenuCarriesKeys(frame, id))
            continue;
        bound.push_back(id);
        QAction* action = frame.CommandAction(id, QString());
        action->setShortcuts(AcceleratorKeys(id));
        action->setShortcutContext(Qt::WindowShortcut);
        frame.addAction(action);
    }
}

} // namespace app
