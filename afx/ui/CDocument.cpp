#include "CDocument.h"

#include "CFormView.h"
#include "CFrameWnd.h"
#include "CSingleDocTemplate.h"
#include "CWinApp.h"
#include "CommandIds.h"

#include "afx/CArchive.h"
#include "afx/DocumentFile.h"
#include "afx/FilePath.h"
#include "afx/FolderLock.h"
#include "afx/MessageBox.h"

#include <ios>
#include <optional>
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
    m_strSyncedPath.Empty();
    m_syncedIdentity = FileIdentity();
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
    RememberFileState(ResolvedPath(path));
    SetModifiedFlag(false);
    return true;
}

bool CDocument::MergeSavedElsewhere(CArchive&)
{
    return false;
}

void CDocument::RememberFileState(const CString& target)
{
    m_strSyncedPath = target;
    m_syncedIdentity = IdentityOf(target);
    OnSyncedWithFile(target);
}

CDocument::MergeOutcome CDocument::MergeChangesOnDisk(const CString& target)
{
    if (target != m_strSyncedPath)
        return MergeOutcome::nothingToMerge;
    const FileIdentity onDisk = IdentityOf(target);
    if (!onDisk.exists || onDisk == m_syncedIdentity)
        return MergeOutcome::nothingToMerge;
    DocumentReader file;
    bool readable = file.Open(target) == FileFault::none;
    if (readable && file.Size() != 0) {
        try {
            CArchive archive(file.Stream(), file.Size());
            return MergeSavedElsewhere(archive) ? MergeOutcome::merged : MergeOutcome::nothingToMerge;
        } catch (const CArchiveException&) {
            readable = false;
        } catch (const std::ios_base::failure&) {
            readable = false;
        }
    }
    return readable ? MergeOutcome::nothingToMerge : MergeOutcome::unreadable;
}

FileFault CDocument::WriteTo(const CString& path)
{
    std::ostringstream bytes;
    try {
        CArchive archive(bytes);
        Serialize(archive);
        archive.Flush();
    } catch (const CArchiveException&) {
        return FileFault::ioError;
    }
    return ReplaceFileContents(path, bytes.str());
}

// Two windows on one record both save into it: the folder is held from
// reading what the other saved to renaming this save over it, and let go
// before any box asks or tells the user anything, so that another window's
// save never waits on this one's user.
bool CDocument::OnSaveDocument(const CString& path)
{
    const CString target = ResolvedPath(path);
    bool replaceUnreadable = false;
    MergeOutcome merge = MergeOutcome::nothingToMerge;
    FileFault fault = FileFault::none;
    for (;;) {
        std::optional<FolderLock> lock;
        {
            const CWaitCursor wait;
            lock.emplace(target, kSavePatience);
        }
        if (!lock->Held()) {
            MessageBoxNamingFile("%1 was not saved: another window has been saving into its folder for too long. "
                                 "Try again.",
                                 path);
            return false;
        }
        merge = MergeChangesOnDisk(target);
        if (merge != MergeOutcome::unreadable || replaceUnreadable) {
            fault = WriteTo(path);
            if (fault == FileFault::none)
                RememberFileState(target);
            break;
        }
        lock.reset();
        if (MessageBoxNamingFile("%1 was changed by another window or program since it was opened here, and it "
                                 "can no longer be read, so nothing of it can be kept.\n"
                                 "Replace it with what this window holds?",
                                 target, MB_YESNO) != IDYES)
            return false;
        replaceUnreadable = true;
    }
    if (fault != FileFault::none) {
        MessageBoxNamingFile(FileFaultPrompt(fault, true), path);
        return false;
    }
    SetModifiedFlag(false);
    if (merge == MergeOutcome::merged && m_pDocTemplate != nullptr && m_pDocTemplate->Frame() != nullptr)
        m_pDocTemplate->Frame()->SetMessageText("Answers saved to this record by another window were kept.");
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
