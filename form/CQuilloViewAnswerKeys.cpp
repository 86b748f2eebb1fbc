// Answering from the keyboard without changing a caption: Alt and the
// answer's letter act as a click on its radio button and leave the focus
// there, so Return then presses Commit; Alt+N and Alt+P press Next and
// Previous.

#include "CQuilloView.h"

#include "FormIds.h"

#include "afx/ui/ScreenReaderNotice.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QShortcut>

void CQuilloView::InstallAnswerKeys()
{
    const struct {
        Qt::Key key;
        int button;
        bool takesFocus;
    } keys[] = {
        {Qt::Key_A, form::IDC_RADIO_A, true}, {Qt::Key_B, form::IDC_RADIO_B, true},
        {Qt::Key_C, form::IDC_RADIO_C, true}, {Qt::Key_D, form::IDC_RADIO_D, true},
        {Qt::Key_N, form::IDC_NEXT, false},   {Qt::Key_P, form::IDC_PREVIOUS, false},
    };
    for (const auto& entry : keys) {
        auto* button = static_cast<QAbstractButton*>(GetDlgItem(entry.button));
        auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | entry.key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        const bool takesFocus = entry.takesFocus;
        connect(shortcut, &QShortcut::activated, button, [this, button, takesFocus] {
            if (!button->isEnabled() || !button->isVisible())
                return;
            // A reader speaks a focus that moves; an answer chosen where the
            // focus already is (the same letter as on the last question) is
            // said here instead.
            const bool stays = takesFocus && button->hasFocus();
            if (takesFocus)
                button->setFocus(Qt::ShortcutFocusReason);
            button->click();
            if (stays)
                afx::ScreenReaderNotice::In(this)->Say(
                    QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name));
        });
    }
}
