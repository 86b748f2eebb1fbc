#pragma once
// Binds the one document, its frame and its view, and runs the framework's
// new and open paths on them.

#include "afx/CString.h"

#include <functional>
#include <memory>

namespace afx {

class CDocument;
class CFrameWnd;
class CFormView;

class CSingleDocTemplate {
public:
    struct Classes {
        std::function<CDocument*()> document;
        std::function<CFrameWnd*()> frame;
        std::function<CFormView*()> view;
    };

    // templateText: the seven newline-separated fields of the template string.
    CSingleDocTemplate(int resourceId, CString templateText, Classes classes);
    ~CSingleDocTemplate();

    // A null path makes a new document. Returns null when it failed; the
    // user has been told.
    CDocument* OpenDocumentFile(const char* path);

    CString GetDocString(int field) const;
    CFrameWnd* Frame() const { return m_pFrame.get(); }
    void UpdateFrameTitle();
    // The frame is going and deletes itself: let it go, and the document
    // with it.
    void FrameDestroyed();

    enum DocStringIndex { windowTitle, docName, fileNewName, filterName, filterExt, regFileTypeId, regFileTypeName };

private:
    bool CreateDocumentAndFrame();
    void SetDefaultTitle();

    int m_nResourceId;
    CString m_strDocStrings;
    Classes m_classes;
    std::unique_ptr<CDocument> m_pDocument;
    // Declared after the document, so it goes first: its view still refers
    // to the document. Released to the frame itself once it starts to
    // destroy its window.
    std::unique_ptr<CFrameWnd> m_pFrame;
};

} // namespace afx
