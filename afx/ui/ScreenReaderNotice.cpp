#include "ScreenReaderNotice.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QTimer>

namespace afx {
namespace {

class NoticeAccessible : public QAccessibleWidget {
public:
    explicit NoticeAccessible(ScreenReaderNotice* notice) : QAccessibleWidget(notice, QAccessible::Notification) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name)
            return static_cast<const ScreenReaderNotice*>(widget())->Message();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* NoticeFactory(const QString&, QObject* object)
{
    auto* notice = dynamic_cast<ScreenReaderNotice*>(object);
    return notice != nullptr ? new NoticeAccessible(notice) : nullptr;
}

constexpr int kAfterActivationMs = 300;

} // namespace

ScreenReaderNotice::ScreenReaderNotice(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(NoticeFactory), true);
    (void)installed;
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

ScreenReaderNotice* ScreenReaderNotice::In(QWidget* parent)
{
    for (QObject* child : parent->children())
        if (auto* notice = dynamic_cast<ScreenReaderNotice*>(child))
            return notice;
    return new ScreenReaderNotice(parent);
}

// Hidden and shown again, so that the reader hears a second message as it
// heard the first. A reader passes over what an inactive window shows (the
// form while Setup closes, or before it is first shown): the message then
// waits for the window to become active.
void ScreenReaderNotice::Say(const QString& message)
{
    m_message = message;
    m_waiting = !window()->isActiveWindow();
    if (m_waiting) {
        window()->installEventFilter(this);
        return;
    }
    hide();
    show();
}

bool ScreenReaderNotice::eventFilter(QObject* watched, QEvent* event)
{
    // A window coming back sends a flood of events, and a reader that
    // prunes its queue then may drop the notice with them: it comes a
    // moment later.
    if (watched == window() && event->type() == QEvent::WindowActivate && m_waiting) {
        window()->removeEventFilter(this);
        QTimer::singleShot(kAfterActivationMs, this, [this] {
            if (m_waiting)
                Say(m_message);
        });
    }
    return false;
}

} // namespace afx
