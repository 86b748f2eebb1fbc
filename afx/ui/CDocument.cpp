#include "CDocument.h"

#include "CSingleDocTemplate.h"
#include "CWinApp.h"
#include "CommandIds.h"

#include "afx/CArchive.h"
#include "afx/DocumentFile.h"
#include "afx/FilePath.h"
#include "afx/MessageBox.h"

#include <ios>
#include <sstream>

namespace afx {

const CommandEntry<CDocument> CDocument::kMessageMap[] = {
    {ID_FILE_SAVE, &CDocument::OnFileSave, nullptr},
    {ID_FILE_SAVE_AS, &CDocument::OnFileSaveAs, nullptr},
};

bool CDocument::OnCmdMsg(int id, CCmdUI* ui)
{
    return DispatchCommand(this, kMessageMap, id, ui);
}

bool CDocument::OnNewDocument()
{
    DeleteContents();
    m_strPathName.Empty();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const CString& path)
{
    DocumentReader file;
    if (const FileFault fault = file.Open(path); fault != FileFault::none) {
        MessageBoxNamingFile(FileFaultPrompt(fault, false), path);
        return false;
    }
    // An empty file is a document with nothing in it yet.
    if (file.Size() != 0) {
        try {
            CArchive archive(file.Stream(), file.Size());
            Serialize(archive);
        } catch (const CArchiveException& e) {
            AfxMessageBox(e.Message());
            return false;
        } catch (const std::ios_base::failure&) {
            MessageBoxNamingFile(FileFaultPrompt(FileFault::ioError, false), path);
            return false;
        }
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const CString& path)
{
    std::ostringstream bytes;
    FileFault fault = FileFault::none;
    try {
        CArchive archive(bytes);
        Serialize(archive);
        archive.Flush();
    } catch (const CArchiveException&) {
        fault = FileFault::ioError;
    }
    if (fault == FileFault::none)
        fault = ReplaceFileContents(path, bytes.str());
    if (fault != FileFault::none) {
        MessageBoxNamingFile(FileFaultPrompt(fault, true), path);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::SaveModified()
{
    if (!IsModified())
        return true;
    switch (MessageBoxNamingFile("Save changes to %1?", m_strPathName.IsEmpty() ? m_strTitle : m_strPathName,
                                 MB_YESNOCANCEL)) {
    case IDCANCEL:
        return false;
    case IDYES:
        return DoFileSave();
    default:
        return true;
    }
}

bool CDocument::DoFileSave()
{
    return DoSave(m_strPathName, true);
}

bool CDocument::DoSave(const CString& path, bool replace)
{
    CString target = path;
    if (target.IsEmpty()) {
        target = m_strPathName.IsEmpty() ? m_strTitle : m_strPathName;
        if (!AfxGetApp()->DoPromptFileName(target, false))
            return false;
    }
    target = FullPath(target);
    if (!OnSaveDocument(target))
        return false;
    if (replace)
        SetPathName(target);
    return true;
}

void CDocument::SetPathName(const CString& path, bool addToRecent)
{
    m_strPathName = FullPath(path);
    SetTitle(FileNameOf(m_strPathName));
    if (addToRecent)
        AfxGetApp()->AddToRecentFileList(m_strPathName);
}

void CDocument::SetTitle(const CString& title)
{
    m_strTitle = title;
    if (m_pDocTemplate)
        m_pDocTemplate->UpdateFrameTitle();
}

} // namespace afx
