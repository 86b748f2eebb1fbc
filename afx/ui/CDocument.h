#pragma once
// The framework's document: a modified flag, a path, a title, and the
// ask-to-save, open and save paths. Saving writes a temporary file and
// renames it over the old one, so a failed save never destroys a file.

#include "CCmdTarget.h"

#include "afx/CObject.h"
#include "afx/CString.h"
#include "afx/FileFault.h"
#include "afx/FileIdentity.h"

#include <chrono>

class CArchive;

namespace afx {

class CSingleDocTemplate;

class CDocument : public CObject, public CCmdTarget {
public:
    virtual bool OnNewDocument();
    // Reads the file through Serialize. On any failure the user has been
    // told, and what Serialize left in memory is for the caller to judge.
    virtual bool OnOpenDocument(const CString& path);
    virtual bool OnSaveDocument(const CString& path);
    virtual void DeleteContents() {}

    // Asks "Save changes to ...?" when modified; false means cancel.
    virtual bool SaveModified();
    bool DoFileSave();
    bool DoSave(const CString& path, bool replace);

    void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    bool IsModified() const { return m_bModified; }
    const CString& GetPathName() const { return m_strPathName; }
    void SetPathName(const CString& path, bool addToRecent = true);
    // Path and title are native text: the file's name as the file system
    // spells it, made full before it is kept.
    const CString& GetTitle() const { return m_strTitle; }
    void SetTitle(const CString& title);

    void SetDocTemplate(CSingleDocTemplate* docTemplate) { m_pDocTemplate = docTemplate; }
    CSingleDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    bool OnCmdMsg(int id, CCmdUI* ui) override;

protected:
    // Another window or program saved the file this document last read or
    // wrote: the document takes in what it saved, read from archive, before
    // its own contents are written over it. Returns whether that changed
    // the document. A document that keeps nothing of others' saves leaves
    // the base's false. Throws CArchiveException for a file it cannot read.
    virtual bool MergeSavedElsewhere(CArchive& archive);
    // The file on disk now holds what the document holds: opened or saved.
    virtual void OnSyncedWithFile(const CString& /*path*/) {}

private:
    enum class MergeOutcome { nothingToMerge, merged, unreadable };
    // A save waits this long at most for another save into the folder.
    static constexpr std::chrono::milliseconds kSavePatience{5000};
    // Under the folder's lock: takes in a save made elsewhere since this
    // document last read or wrote target, or finds it cannot be read.
    MergeOutcome MergeChangesOnDisk(const CString& target);
    FileFault WriteTo(const CString& path);
    void RememberFileState(const CString& target);

    static const CommandEntry<CDocument> kMessageMap[2];
    void OnFileSave() { DoFileSave(); }
    void OnFileSaveAs() { DoSave(CString(), true); }

    CString m_strPathName;
    CString m_strTitle;
    bool m_bModified = false;
    // The file as it stood when this document last read or wrote it.
    CString m_strSyncedPath;
    FileIdentity m_syncedIdentity;
    CSingleDocTemplate* m_pDocTemplate = nullptr;
};

} // namespace afx
