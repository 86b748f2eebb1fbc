#include "DialogKeys.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextCursor>

namespace afx {
namespace {

bool IsButton(ControlKind kind)
{
    return kind == ControlKind::PushButton || kind == ControlKind::RadioButton || kind == ControlKind::CheckBox;
}

} // namespace

DialogKeys::DialogKeys(const DialogControls& controls, QWidget* host)
    : QObject(host), m_entries(controls.InOrder()), m_host(host)
{
    for (const Entry& entry : m_entries)
        if (TakesFocus(entry.control.kind))
            entry.widget->installEventFilter(this);
}

int DialogKeys::IndexOf(const QObject* widget) const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].widget == widget)
            return static_cast<int>(i);
    return -1;
}

int DialogKeys::IndexOfId(int id) const
{
    for (size_t i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].control.id == id)
            return static_cast<int>(i);
    return -1;
}

bool DialogKeys::CanFocus(int index) const
{
    const Entry& entry = m_entries[index];
    return TakesFocus(entry.control.kind) && entry.widget->isEnabled() && entry.widget->isVisibleTo(m_host);
}

void DialogKeys::Focus(int index, Qt::FocusReason reason)
{
    QWidget* widget = m_entries[index].widget;
    widget->window()->setAttribute(Qt::WA_KeyboardFocusChange);
    widget->setFocus(reason);
    // Tabbing into a one-line edit selects its text, so typing replaces it.
    // A text of several lines is read, not typed over: the caret goes to its
    // start, where a screen reader begins, with nothing selected. Qt keeps
    // drawing a selection the focus has left, and every refill of the text
    // would then have the reader say "Text unselected".
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->selectAll();
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        QTextCursor cursor = text->textCursor();
        cursor.movePosition(QTextCursor::Start);
        text->setTextCursor(cursor);
    }
}

void DialogKeys::FocusFirstTabStop()
{
    MoveToTabStop(-1, 1);
}

// From a group-style control up to the next one.
std::pair<int, int> DialogKeys::GroupAround(int index) const
{
    int first = index;
    while (first > 0 && !(m_entries[first].control.style & kGroup))
        --first;
    int end = index + 1;
    while (end < static_cast<int>(m_entries.size()) && !(m_entries[end].control.style & kGroup))
        ++end;
    return {first, end};
}

// Tabbing into a group of radio buttons lands on the one that is checked.
int DialogKeys::CheckedRadioInGroup(int index) const
{
    const auto [first, end] = GroupAround(index);
    for (int i = first; i < end; ++i) {
        auto* radio = qobject_cast<QRadioButton*>(m_entries[i].widget);
        if (radio != nullptr && radio->isChecked() && CanFocus(i))
            return i;
    }
    return index;
}

// A group of radio buttons is one stop, whichever of them has the focus:
// moving on from it never lands in it again.
void DialogKeys::MoveToTabStop(int from, int step)
{
    const int count = static_cast<int>(m_entries.size());
    const bool fromRadio = from >= 0 && m_entries[from].control.kind == ControlKind::RadioButton;
    const auto [groupFirst, groupEnd] = fromRadio ? GroupAround(from) : std::pair<int, int>(-1, -1);
    for (int moved = 1; moved <= count; ++moved) {
        const int i = ((from + step * moved) % count + count) % count;
        const bool sameRadioGroup =
            i >= groupFirst && i < groupEnd && m_entries[i].control.kind == ControlKind::RadioButton;
        if ((m_entries[i].control.style & kTabStop) && CanFocus(i) && !sameRadioGroup) {
            const bool radio = m_entries[i].control.kind == ControlKind::RadioButton;
            Focus(radio ? CheckedRadioInGroup(i) : i, step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    }
}

void DialogKeys::MoveInGroup(int from, int step)
{
    const auto [first, end] = GroupAround(from);
    const int size = end - first;
    for (int moved = 1; moved < size; ++moved) {
        const int i = first + ((from - first + step * moved) % size + size) % size;
        if (!CanFocus(i))
            continue;
        Focus(i, Qt::OtherFocusReason);
        const Entry& entry = m_entries[i];
        if (entry.control.kind == ControlKind::RadioButton && (entry.control.style & kAuto))
            static_cast<QAbstractButton*>(entry.widget)->click();
        return;
    }
}

bool DialogKeys::PressForReturn(int index)
{
    const Entry& entry = m_entries[index];
    if (entry.control.kind == ControlKind::Edit && (entry.control.style & kWantReturn))
        return false;
    int button = -1;
    const auto mapped = m_returnButtons.find(entry.control.id);
    if (mapped != m_returnButtons.end()) {
        button = IndexOfId(mapped->second);
    } else if (entry.control.kind == ControlKind::PushButton) {
        button = index;
    } else if (m_returnPressesDefault) {
        for (size_t i = 0; i < m_entries.size(); ++i)
            if (m_entries[i].control.kind == ControlKind::PushButton && (m_entries[i].control.style & kDefault))
                button = static_cast<int>(i);
    }
    // A disabled default button takes the key and does nothing.
    if (button >= 0 && CanFocus(button))
        static_cast<QAbstractButton*>(m_entries[button].widget)->click();
    return true;
}

bool DialogKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier))
        return false;
    const int index = IndexOf(watched);
    if (index < 0)
        return false;
    const bool shift = key->modifiers() & Qt::ShiftModifier;
    const bool button = IsButton(m_entries[index].control.kind);
    switch (key->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        MoveToTabStop(index, (shift || key->key() == Qt::Key_Backtab) ? -1 : 1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        // Edits, lists and combo boxes keep their arrows.
        if (!button)
            return false;
        MoveInGroup(index, (key->key() == Qt::Key_Left || key->key() == Qt::Key_Up) ? -1 : 1);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return PressForReturn(index);
    case Qt::Key_Escape:
        if (!m_cancel)
            return false;
        m_cancel();
        return true;
    default:
        return false;
    }
}

} // namespace afx
