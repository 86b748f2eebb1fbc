#include "CPersistentFrame.h"

#include "afx/ui/CFormView.h"
#include "afx/ui/CWinApp.h"
#include "afx/ui/QtText.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QWindow>

#include <cmath>
#include <cstdlib>

namespace {
const char* const kSection = "Window size";
// How long, at most, a window system may take to tell the frame it drew.
constexpr int kFrameWaitMs = 20;
constexpr int kFrameWaitTries = 250;

QString BarSection()
{
    return QString(afx::AfxGetApp()->m_pszAppName) + "-BarState";
}
} // namespace

const QRect CPersistentFrame::kDefaultRect(QPoint(10, 10), QPoint(750 - 1, 600 - 1));

CPersistentFrame::CPersistentFrame() = default;

CString CPersistentFrame::FormatRect(const QRect& rect)
{
    CString text;
    text.Format("%04d %04d %04d %04d", rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height());
    return text;
}

// The settings file is the user's to edit: a field that is no number a
// screen could hold makes the whole rectangle the default, before any
// arithmetic can overflow on it.
QRect CPersistentFrame::ParseRect(const CString& text)
{
    constexpr int kFieldOffsets[4] = {0, 5, 10, 15};
    constexpr long kFarthest = 100000;
    if (text.GetLength() < 19)
        return kDefaultRect;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        const long value = std::strtol(static_cast<const char*>(text) + kFieldOffsets[i], nullptr, 10);
        if (value < -kFarthest || value > kFarthest)
            return kDefaultRect;
        values[i] = static_cast<int>(value);
    }
    const int width = values[2] - values[0];
    const int height = values[3] - values[1];
    if (width <= 0 || height <= 0)
        return kDefaultRect;
    return QRect(values[0], values[1], width, height);
}

void CPersistentFrame::ActivateFrame(int showCommand)
{
    if (!m_bFirstTime) {
        CFrameWnd::ActivateFrame(showCommand);
        return;
    }
    m_bFirstTime = false;
    afx::CWinApp* app = afx::AfxGetApp();
    const CString stored = app->GetProfileString(kSection, "Rect", "");
    const QRect normal = OnAScreen(stored.IsEmpty() ? kDefaultRect : ParseRect(stored));
    const bool icon = app->GetProfileInt(kSection, "icon", 0) != 0;
    const bool max = app->GetProfileInt(kSection, "max", 0) != 0;

    LoadBarState();
    m_normalOuter = normal;
    PlaceOuterFrame(normal, stored.IsEmpty() ? ClientToShowForm() : QSize());
    if (icon) {
        setWindowState(max ? (Qt::WindowMinimized | Qt::WindowMaximized) : Qt::WindowMinimized);
        show();
    } else {
        CFrameWnd::ActivateFrame(max ? afx::SW_SHOWMAXIMIZED : afx::SW_SHOWNORMAL);
    }
}

// On a first start the window is made large enough for the whole form, up
// to the screen's size (see ClientIn): the form is laid out in the
// desktop's own font, which can be wider than the one the default rectangle
// was chosen for.
QSize CPersistentFrame::ClientToShowForm()
{
    afx::CFormView* view = GetActiveView();
    if (view == nullptr)
        return QSize();
    RecalcLayout();
    // At a fractional scale the window system rounds the window to whole
    // device pixels, which can cost the form a fraction of a pixel, and
    // with it a scroll bar: one pixel more is always enough.
    const qreal scale = devicePixelRatioF();
    const int slack = scale != std::floor(scale) ? 1 : 0;
    return size() + view->FormShortfall() + QSize(slack, slack);
}

// The client inside the outer rectangle's margins, grown to minimumClient as
// far as the window's screen holds it. A form cut short scrolls up and
// down: its scroll bar is given room, so that it needs none across.
QSize CPersistentFrame::ClientIn(const QRect& outer, const QMargins& margins, const QSize& minimumClient) const
{
    QSize wanted = minimumClient;
    QSize onScreen = wanted;
    if (screen() != nullptr) {
        const QSize room = screen()->availableGeometry().size().shrunkBy(margins);
        if (wanted.isValid() && wanted.height() > room.height())
            wanted.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        onScreen = wanted.boundedTo(room);
    }
    return outer.size().shrunkBy(margins).expandedTo(onScreen);
}

QMargins CPersistentFrame::FrameMargins() const
{
    return windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
}

// The stored rectangle is the outer frame, title bar and borders included,
// as the desktop places windows: the frame's corner goes where it was (a
// window manager puts the frame there when the window is moved before it is
// shown), and the client gets the size left inside the frame, or at least
// minimumClient. A window system that tells the frame only once the window
// is shown (X11) gets the size corrected then, and a window shown maximized
// the first time it is restored: until then the rectangle stored is the one
// it came with, so that maximizing and restoring moves nothing.
void CPersistentFrame::PlaceOuterFrame(const QRect& outer, const QSize& minimumClient)
{
    create();
    const QMargins margins = FrameMargins();
    resize(ClientIn(outer, margins, minimumClient));
    move(outer.topLeft());
    if (!margins.isNull()) {
        m_normalMargins = margins;
        return;
    }
    m_placing = true;
    m_minimumClient = minimumClient;
    PlaceOnceFrameKnown();
}

void CPersistentFrame::PlaceOnceFrameKnown()
{
    auto* wait = new QTimer(this);
    wait->setInterval(kFrameWaitMs);
    connect(wait, &QTimer::timeout, this, [this, wait, tries = 0]() mutable {
        const QMargins learned = FrameMargins();
        const bool normal = windowState() == Qt::WindowNoState;
        if (normal && learned.isNull() && ++tries <= kFrameWaitTries)
            return;
        // The client is placed inside the margins just learned: Qt's own
        // frame rectangle can still be working from none at this moment,
        // and a window it took for placed stayed with its title bar where
        // the frame's corner should have been.
        // A window system that never tells the frame leaves the window
        // where Qt put it, measured without one.
        if (normal && !learned.isNull()) {
            QRect placed(m_normalOuter.topLeft() + QPoint(learned.left(), learned.top()),
                         ClientIn(m_normalOuter, learned, m_minimumClient));
            // A window grown to show the form is moved up and left as far
            // as it needs to stay wholly on the screen.
            if (m_minimumClient.isValid() && screen() != nullptr) {
                const QRect available = screen()->availableGeometry();
                const QRect frame = placed.marginsAdded(learned);
                placed.translate(
                    std::max(available.left() - frame.left(), std::min(0, available.right() - frame.right())),
                    std::max(available.top() - frame.top(), std::min(0, available.bottom() - frame.bottom())));
            }
            if (geometry() != placed)
                setGeometry(placed);
        }
        if (normal) {
            m_normalMargins = learned;
            m_placing = false;
        }
        wait->stop();
        wait->deleteLater();
    });
    wait->start();
}

void CPersistentFrame::changeEvent(QEvent* event)
{
    CFrameWnd::changeEvent(event);
    // A window first shown maximized is placed when first restored.
    if (event->type() == QEvent::WindowStateChange && windowState() == Qt::WindowNoState && m_placing)
        PlaceOnceFrameKnown();
}

// A rectangle on no screen at all (a monitor since unplugged, a settings
// file edited by hand) comes back near the primary screen's corner; one
// as large as its screen's free area or larger is cut to fit it and moved
// to its edge, so that the whole frame is on the screen. One the user left
// partly off the screen stays as it was.
QRect CPersistentFrame::OnAScreen(QRect outer)
{
    QScreen* home = nullptr;
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->geometry().intersects(outer)) {
            home = screen;
            break;
        }
    if (home == nullptr) {
        home = QGuiApplication::primaryScreen();
        if (home == nullptr)
            return outer;
        outer.moveTopLeft(home->availableGeometry().topLeft() + kDefaultRect.topLeft());
    }
    const QRect available = home->availableGeometry();
    outer.setSize(outer.size().boundedTo(available.size()));
    if (outer.width() == available.width())
        outer.moveLeft(available.left());
    if (outer.height() == available.height())
        outer.moveTop(available.top());
    return outer;
}

void CPersistentFrame::OnDestroy()
{
    // A frame that was never shown has no placement of its own to keep.
    if (!m_bFirstTime) {
        SavePlacement();
        SaveBarState();
    }
    CFrameWnd::OnDestroy();
}

void CPersistentFrame::SavePlacement()
{
    const Qt::WindowStates state = windowState();
    const bool icon = state & Qt::WindowMinimized;
    const bool max = (state & (Qt::WindowMaximized | Qt::WindowFullScreen)) != 0;
    QRect normal = m_normalOuter;
    // Until the window has been placed in its normal state it is where it
    // came from. After, the normal client rectangle is measured with the
    // margins of a normal frame: a maximized frame has none, or others.
    if (!m_placing) {
        const QRect client = state == Qt::WindowNoState ? geometry() : normalGeometry();
        if (client.isValid())
            normal = client.marginsAdded(m_normalMargins);
    }
    // Where the window system keeps positions to itself (Wayland), the
    // position stored stays the one read; only the size is the window's.
    if (QGuiApplication::platformName().startsWith("wayland"))
        normal.moveTopLeft(m_normalOuter.topLeft());
    afx::CWinApp* app = afx::AfxGetApp();
    app->WriteProfileString(kSection, "Rect", FormatRect(normal));
    app->WriteProfileInt(kSection, "icon", icon ? 1 : 0);
    app->WriteProfileInt(kSection, "max", max ? 1 : 0);
}

void CPersistentFrame::SaveBarState()
{
    QSettings& profile = afx::AfxGetApp()->Profile();
    profile.setValue(BarSection() + "/Layout", saveState());
    profile.setValue(BarSection() + "/StatusBar", statusBar()->isVisibleTo(this) ? 1 : 0);
    profile.sync();
}

void CPersistentFrame::LoadBarState()
{
    QSettings& profile = afx::AfxGetApp()->Profile();
    const QVariant layout = profile.value(BarSection() + "/Layout");
    if (layout.isValid())
        restoreState(layout.toByteArray());
    statusBar()->setVisible(profile.value(BarSection() + "/StatusBar", 1).toInt() != 0);
}
