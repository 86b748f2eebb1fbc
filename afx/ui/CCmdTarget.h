#pragma once
// Command routing: each class answers the commands of its own message map
// (a static table of id and member handlers) and passes the rest on.

#include <cstddef>

namespace afx {

// What an update handler says about a menu item or toolbar button.
class CCmdUI {
public:
    explicit CCmdUI(int id) : m_nID(id) {}
    void Enable(bool on = true) { m_bEnabled = on; }
    void SetCheck(int check = 1) { m_nCheck = check; }

    const int m_nID;
    bool m_bEnabled = true;
    int m_nCheck = 0;
    bool m_bHandled = false;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // With ui null the command runs; otherwise its update handler fills ui.
    // Returns true when this target (or one it routes to) handles the id.
    virtual bool OnCmdMsg(int id, CCmdUI* ui) = 0;
};

template <class T>
struct CommandEntry {
    int id;
    void (T::*handler)();
    void (T::*update)(CCmdUI*);
};

// A command with a handler and no update handler is enabled.
template <class T, size_t N>
bool DispatchCommand(T* target, const CommandEntry<T> (&map)[N], int id, CCmdUI* ui)
{
    for (const CommandEntry<T>& entry : map) {
        if (entry.id != id)
            continue;
        if (ui == nullptr) {
            if (entry.handler == nullptr)
                continue;
            (target->*entry.handler)();
        } else {
            ui->m_bHandled = true;
            if (entry.update != nullptr)
                (target->*entry.update)(ui);
            else if (entry.handler == nullptr)
                continue;
        }
        return true;
    }
    return false;
}

} // namespace afx
