#pragma once
// SQLite asks for a bank one page at a time, and each page is a read from
// the file: 5,400 of them for a 22 MB pool. On a virtual machine, where a
// system call is dear, those reads cost nearly a quarter of the pass. This
// VFS reads the bank in runs of 64 KB and hands SQLite its pages from them.
//
// A run serves pages only under a shared lock, and only until the
// connection next takes or gives up a lock on the file or on a WAL bank's
// shared memory: what the run holds is what SQLite would read from the file
// at that moment, so it serves no page its own cache could not.

namespace litex {

// The VFS's name for sqlite3_open_v2, registered on first use over SQLite's
// default VFS; null where it could not be registered.
const char* ChunkedReadsVfs();

} // namespace litex
