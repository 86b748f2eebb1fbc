#pragma once
// A document's file on disk: opened for reading only when it is an ordinary
// file, and replaced so that no failure can lose the previous contents.

#include "CString.h"
#include "FileFault.h"

#include <cstdint>
#include <istream>
#include <memory>
#include <string>

namespace afx {

class DocumentReader {
public:
    DocumentReader();
    ~DocumentReader();
    DocumentReader(const DocumentReader&) = delete;
    DocumentReader& operator=(const DocumentReader&) = delete;

    // A directory, a device or a pipe is refused without reading it (a pipe
    // would otherwise wait forever for a writer).
    FileFault Open(const CString& path);
    std::istream& Stream() { return *m_stream; }
    uint64_t Size() const { return m_size; }

private:
    std::unique_ptr<std::streambuf> m_buffer;
    std::unique_ptr<std::istream> m_stream;
    uint64_t m_size = 0;
};

// The file that writing to path lands in: the end of its chain of links.
CString ResolvedPath(const CString& path);

// Writes bytes as the new contents of path: into a fresh uniquely named
// file in the same folder, flushed to disk, then renamed over the old one.
// A symbolic link is written through to its target; the old file's
// permissions are kept; a read-only file is refused. On failure the old
// file is untouched and no temporary file stays behind; one that a killed
// save of the same file left is removed first. Callers that must not race
// another save of the same file hold its FolderLock.
FileFault ReplaceFileContents(const CString& path, const std::string& bytes);

// Makes a file's new name in its folder last through a power failure, as a
// rename into place needs.
void SyncFolderOf(const std::string& file);

} // namespace afx
