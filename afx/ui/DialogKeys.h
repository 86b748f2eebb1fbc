#pragma once
// The dialog manager's keyboard, which every dialog and form view gets:
// Tab and Shift+Tab through the tab stops in template order, wrapping;
// arrows within a group, checking an automatic radio button as a click
// does; Return for the default push button; Escape to cancel.

#include "DialogTemplate.h"

#include <QObject>

#include <functional>
#include <map>

namespace afx {

class DialogKeys : public QObject {
public:
    DialogKeys(const DialogControls& controls, QWidget* host);

    // Escape runs cancel; without one, Escape is left to the control.
    void OnEscape(std::function<void()> cancel) { m_cancel = std::move(cancel); }
    // Return in the control editId presses buttonId, not the default button.
    void PressOnReturn(int editId, int buttonId) { m_returnButtons[editId] = buttonId; }
    // While off, Return outside a push button presses nothing: for a time
    // when the default button does what a habitual Return must not.
    void ReturnPressesDefault(bool presses) { m_returnPressesDefault = presses; }
    // The first tab stop that can take the focus gets it, with its focus
    // frame showing.
    void FocusFirstTabStop();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using Entry = DialogControls::Entry;

    int IndexOf(const QObject* widget) const;
    int IndexOfId(int id) const;
    bool CanFocus(int index) const;
    void MoveToTabStop(int from, int step);
    void MoveInGroup(int from, int step);
    bool PressForReturn(int index);
    void Focus(int index, Qt::FocusReason reason);
    std::pair<int, int> GroupAround(int index) const;
    int CheckedRadioInGroup(int index) const;

    std::vector<Entry> m_entries;
    QWidget* m_host;
    std::function<void()> m_cancel;
    std::map<int, int> m_returnButtons;
    bool m_returnPressesDefault = true;
};

} // namespace afx
