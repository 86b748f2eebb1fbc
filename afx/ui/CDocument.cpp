#include "CDocument.h"

#include "CSingleDocTemplate.h"
#include "CWinApp.h"
#include "CommandIds.h"

#include "afx/CArchive.h"
#include "afx/MessageBox.h"

#include <cstdio>
#include <fstream>
#include <unistd.h>

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
    std::ifstream in(path.Bytes(), std::ios::binary);
    if (!in) {
        AfxMessageBox("Failed to open document.");
        return false;
    }
    in.seekg(0, std::ios::end);
    const bool empty = in.tellg() == 0;
    in.seekg(0);
    // An empty file is a document with nothing in it yet.
    if (!empty) {
        try {
            CArchive archive(in);
            Serialize(archive);
        } catch (const CArchiveException& e) {
            AfxMessageBox(e.Message());
            return false;
        }
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const CString& path)
{
    const std::string temporary = path.Bytes() + ".saving";
    bool written = false;
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (out) {
            try {
                CArchive archive(out);
                Serialize(archive);
                archive.Flush();
                out.close();
                written = !out.fail();
            } catch (const CArchiveException&) {
            }
        }
    }
    if (!written || std::rename(temporary.c_str(), path.Bytes().c_str()) != 0) {
        unlink(temporary.c_str());
        AfxMessageBox("Failed to save document.");
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::SaveModified()
{
    if (!IsModified())
        return true;
    CString prompt;
    prompt.Format("Save changes to %s?", static_cast<const char*>(m_strPathName.IsEmpty() ? m_strTitle : m_strPathName));
    switch (AfxMessageBox(prompt, MB_YESNOCANCEL)) {
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
    if (!OnSaveDocument(target))
        return false;
    if (replace)
        SetPathName(target);
    return true;
}

void CDocument::SetPathName(const CString& path, bool addToRecent)
{
    m_strPathName = path;
    SetTitle(path.Mid(path.ReverseFind('/') + 1));
    if (addToRecent)
        AfxGetApp()->AddToRecentFileList(path);
}

void CDocument::SetTitle(const CString& title)
{
    m_strTitle = title;
    if (m_pDocTemplate)
        m_pDocTemplate->UpdateFrameTitle();
}

} // namespace afx
