#pragma once
// Tells a screen reader what just happened, once, without moving the focus:
// the result of an answer, the question that came up. Orca 43 with Qt 6.4
// speaks neither a label that changes away from the focus nor a changed
// name or description (Qt sends no text with them), and Qt 6.4 has no
// announcement event; it does speak a notification as it is shown. The
// notice is such a notification, one pixel in the corner of its parent
// that paints nothing, shown anew for every message, a moment after it;
// a new message also sends the name's change, which Orca 48 needs to read
// the name again rather than the one it kept.

#include <QString>
#include <QTimer>
#include <QWidget>

namespace afx {

class ScreenReaderNotice : public QWidget {
public:
    explicit ScreenReaderNotice(QWidget* parent);
    // The notice among the children of parent (a window or a view), made
    // on first use.
    static ScreenReaderNotice* In(QWidget* parent);

    void Say(const QString& message);
    const QString& Message() const { return m_message; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowIfHeard();

    QString m_message;
    QTimer m_showSoon;
    bool m_waiting = false;
};

} // namespace afx
