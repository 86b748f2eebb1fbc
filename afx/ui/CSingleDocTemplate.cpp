#include "CSingleDocTemplate.h"

#include <utility>

#include "CDocument.h"
#include "CFormView.h"
#include "CFrameWnd.h"
#include "QtText.h"

#include "afx/FilePath.h"

namespace afx {

CSingleDocTemplate::CSingleDocTemplate(int resourceId, CString templateText, Classes classes)
    : m_nResourceId(resourceId), m_strDocStrings(std::move(templateText)), m_classes(std::move(classes))
{}

CSingleDocTemplate::~CSingleDocTemplate() = default;

CString CSingleDocTemplate::GetDocString(int field) const
{
    int start = 0;
    for (int i = 0; i < field; ++i) {
        const int next = m_strDocStrings.Mid(start).Find('\n');
        if (next < 0)
            return CString();
        start += next + 1;
    }
    const CString rest = m_strDocStrings.Mid(start);
    const int end = rest.Find('\n');
    return end < 0 ? rest : rest.Left(end);
}

bool CSingleDocTemplate::CreateDocumentAndFrame()
{
    m_pDocument.reset(m_classes.document());
    m_pDocument->SetDocTemplate(this);
    m_pFrame.reset(m_classes.frame());
    CFormView* view = m_classes.view();
    view->SetDocument(m_pDocument.get());
    m_pFrame->SetDocument(m_pDocument.get());
    if (!m_pFrame->LoadFrame(m_nResourceId, view)) {
        m_pFrame.reset();
        m_pDocument.reset();
        return false;
    }
    return true;
}

CDocument* CSingleDocTemplate::OpenDocumentFile(const char* path)
{
    bool created = false;
    if (m_pDocument != nullptr) {
        if (!m_pDocument->SaveModified())
            return nullptr;
    } else {
        if (!CreateDocumentAndFrame())
            return nullptr;
        created = true;
    }
    // Whatever escapes the document's own paths must not leave a frame
    // that has never been shown behind.
    try {
        if (path == nullptr) {
            SetDefaultTitle();
            if (!m_pDocument->OnNewDocument()) {
                if (created)
                    m_pFrame->DestroyWindow();
                return nullptr;
            }
        } else {
            const CString fullPath = FullPath(path);
            const bool wasModified = m_pDocument->IsModified();
            if (!m_pDocument->OnOpenDocument(fullPath)) {
                if (created)
                    m_pFrame->DestroyWindow();
                else
                    m_pDocument->SetModifiedFlag(wasModified);
                return nullptr;
            }
            m_pDocument->SetPathName(fullPath);
        }
        m_pFrame->InitialUpdateFrame();
    } catch (...) {
        if (created)
            m_pFrame->DestroyWindow();
        throw;
    }
    return m_pDocument.get();
}

void CSingleDocTemplate::SetDefaultTitle()
{
    CString title = GetDocString(docName);
    if (title.IsEmpty())
        title = "Untitled";
    m_pDocument->SetTitle(title);
}

void CSingleDocTemplate::UpdateFrameTitle()
{
    if (m_pFrame && m_pDocument)
        m_pFrame->SetCaption(PathToQt(m_pDocument->GetTitle()) + " - " + ToQt(GetDocString(windowTitle)));
}

void CSingleDocTemplate::FrameDestroyed()
{
    (void)m_pFrame.release();
    m_pDocument.reset();
}

} // namespace afx
