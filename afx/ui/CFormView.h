#pragma once
// A view laid out by a dialog template, scrolling when its window is
// smaller than the form. Its buttons and radios send their ids as commands.

#include "CWnd.h"

#include <QScrollArea>

class QPrinter;

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
    // The view became the active one: a form with no control focused
    // gives the focus to its first tab stop.
    void OnActivateView();
    // Shrink-only: the frame is made smaller where the view is larger than
    // the form, and left alone where it is smaller.
    void ResizeParentToFit(bool shrinkOnly = true);
    // How much wider and taller the view would have to be to show the whole
    // form; nothing where it already does.
    QSize FormShortfall() const;
    virtual void OnClose() {}
    virtual void OnDestroy() {}

    // The framework's view printing: the print dialog, or the preview, of
    // the form as it is shown, scaled to fit the page.
    void OnFilePrint();
    void OnFilePrintPreview();
    void PrintForm(QPrinter& printer) const;

    // Wait cursor for long work, as the application's BeginWaitCursor.
    static void BeginWaitCursor();
    static void EndWaitCursor();

protected:
    CDocument* m_pDocument = nullptr;

private:
    QWidget* m_pForm;
};

// The wait cursor for the life of the object, as the framework's
// CWaitCursor: it goes however the work ends.
class CWaitCursor {
public:
    CWaitCursor() { CFormView::BeginWaitCursor(); }
    ~CWaitCursor() { CFormView::EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
};

} // namespace afx
