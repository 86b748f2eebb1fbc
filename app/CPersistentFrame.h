#pragma once
// A frame that remembers where it was: the normal rectangle, minimized and
// maximized state and the bars, stored in the profile when the window goes
// and put back the first time it is shown.

#include "afx/ui/CFrameWnd.h"

#include <QRect>

class CPersistentFrame : public afx::CFrameWnd {
public:
    CPersistentFrame();

    void ActivateFrame(int showCommand) override;

    // The rectangle used when nothing usable is stored: left, top, right,
    // bottom as the profile holds them.
    static const QRect kDefaultRect;
    static CString FormatRect(const QRect& rect);
    // The stored text read at its fixed offsets; a value too short to hold
    // four fields, or one that makes no window, gives the default.
    static QRect ParseRect(const CString& text);
    static QRect OnAScreen(QRect outer);

protected:
    void OnDestroy() override;
    void changeEvent(QEvent* event) override;

private:
    QMargins FrameMargins() const;
    QSize ClientToShowForm();
    QSize ClientIn(const QRect& outer, const QMargins& margins, const QSize& minimumClient) const;
    void PlaceOuterFrame(const QRect& outer, const QSize& minimumClient);
    void PlaceOnceFrameKnown();
    void SavePlacement();
    void SaveBarState();
    void LoadBarState();

    bool m_bFirstTime = true;
    // The outer rectangle of the normal window, as read at the start.
    QRect m_normalOuter;
    // The margins of the frame around the normal window, once known.
    QMargins m_normalMargins;
    // The window has not yet been shown normal with its frame known.
    bool m_placing = false;
    QSize m_minimumClient;
};
