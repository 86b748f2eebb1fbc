#pragma once
// A view laid out by a dialog template, scrolling when its window is
// smaller than the form. Its buttons and radios send their ids as commands.

#include "CWnd.h"

#include <QScrollArea>

namespace afx {

class CDocument;
class CFrameWnd;

class CFormView : public QScrollArea, public CWnd {
public:
    explicit CFormView(const DialogTemplate& dialog);

    void SetDocument(CDocument* document) { m_pDocument = document; }
    CDocument* GetDocument() const { return m_pDocument; }
    CFrameWnd* GetParentFrame() const;

    // Called for every new or opened document; the base pushes the members.
    virtual void OnInitialUpdate();
    virtual void OnClose() {}
    virtual void OnDestroy() {}

    // Wait cursor for long work, as the application's BeginWaitCursor.
    static void BeginWaitCursor();
    static void EndWaitCursor();

protected:
    CDocument* m_pDocument = nullptr;

private:
    QWidget* m_pForm;
};

} // namespace afx
