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

constexpr int kSettleMs = 250;

} // namespace

ScreenReaderNotice::ScreenReaderNotice(QWidget* parent) : QWidget(parent)
{
    static const bool installed = (QAccessible::installFactory(NoticeFactory), true);
    (void)installed;
    setGeometry(0, 0, 1, 1);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
    m_showSoon.setSingleShot(true);
    m_showSoon.setInterval(kSettleMs);
    connect(&m_showSoon, &QTimer::timeout, this, [this] { ShowIfHeard(); });
}

ScreenReaderNotice* ScreenReaderNotice::In(QWidget* parent)
{
    for (QObject* child : parent->children())
        if (auto* notice = dynamic_cast<ScreenReaderNotice*>(child))
            return notice;
    return new ScreenReaderNotice(parent);
}

// Hidden, then shown again a moment later, so that the reader hears a
// second message as it heard the first. The moment lets the events of what
// the command changed pass first: a reader that finds its queue flooded
// drops what came before the focus, and a notice among them would be lost.
// A reader passes over what an inactive window shows (the form while a
// dialog closes, or before it is first shown): the message then waits for
// the window to become active.
//
// Orca 48 keeps what it read of an object until told the object changed:
// without the name's change event it speaks the first message again at
// every showing. Orca 43 speaks nothing for that event, so the change is
// sent while the notice is hidden and both hear the showing alone.
void ScreenReaderNotice::Say(const QString& message)
{
    hide();
    if (message != m_message) {
        m_message = message;
        QAccessibleEvent changed(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
    m_showSoon.start();
}

void ScreenReaderNotice::ShowIfHeard()
{
    if (window()->isActiveWindow()) {
        show();
        return;
    }
    if (!m_waiting) {
        m_waiting = true;
        window()->installEventFilter(this);
    }
}

bool ScreenReaderNotice::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window() && event->type() == QEvent::WindowActivate && m_waiting) {
        m_waiting = false;
        window()->removeEventFilter(this);
        m_showSoon.start();
    }
    return false;
}

} // namespace afx
