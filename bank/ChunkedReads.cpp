#include "ChunkedReads.h"

#include <sqlite3.h>

#include <cstring>

namespace litex {
namespace {

constexpr int kRunSize = 64 * 1024;

// What SQLite allocates for a file of this VFS: this, then the default
// VFS's own file, which does the work.
struct ChunkedFile {
    sqlite3_file base;
    // The run, for the main database file only; null for journals.
    char* run;
    sqlite3_int64 runStart;
    int runSize;
    // The file's size, as read for the last run; -1 when not known. Under
    // a shared lock the file keeps its size, as it keeps its pages.
    sqlite3_int64 fileSize;
    int lock;
    // The default VFS's methods as this file offers them, with the same
    // version and the same ones missing: SQLite asks whether a file has
    // shared memory by whether it has the method.
    sqlite3_io_methods methods;

    sqlite3_file* Real() { return reinterpret_cast<sqlite3_file*>(this + 1); }
    const sqlite3_io_methods* Methods() { return Real()->pMethods; }
    void Forget()
    {
        runSize = 0;
        fileSize = -1;
    }
    bool Holds(sqlite3_int64 offset, int amount) const
    {
        return runSize > 0 && offset >= runStart && offset + amount <= runStart + runSize;
    }
};
static_assert(sizeof(ChunkedFile) % alignof(sqlite3_int64) == 0, "the default VFS's file follows aligned");

ChunkedFile* Of(sqlite3_file* file)
{
    return reinterpret_cast<ChunkedFile*>(file);
}

// Reads the run that holds the request, where it lies within one run and
// within the file; a read the run cannot serve goes to the file as asked.
// A failed read may have written part of the run, so it holds nothing, and
// the size it was asked by is asked again.
void ReadRun(ChunkedFile* self, sqlite3_int64 offset, int amount)
{
    self->runSize = 0;
    if (self->fileSize < 0 && self->Methods()->xFileSize(self->Real(), &self->fileSize) != SQLITE_OK) {
        self->fileSize = -1;
        return;
    }
    const sqlite3_int64 start = offset / kRunSize * kRunSize;
    const sqlite3_int64 left = self->fileSize - start;
    const auto size = static_cast<int>(left < kRunSize ? left : kRunSize);
    if (offset + amount > start + size)
        return;
    if (self->Methods()->xRead(self->Real(), self->run, size, start) != SQLITE_OK) {
        self->fileSize = -1;
        return;
    }
    self->runStart = start;
    self->runSize = size;
}

int Read(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset)
{
    ChunkedFile* self = Of(file);
    const bool runnable = self->run != nullptr && self->lock >= SQLITE_LOCK_SHARED;
    if (runnable && !self->Holds(offset, amount))
        ReadRun(self, offset, amount);
    if (!runnable || !self->Holds(offset, amount))
        return self->Methods()->xRead(self->Real(), buffer, amount, offset);
    std::memcpy(buffer, self->run + (offset - self->runStart), static_cast<size_t>(amount));
    return SQLITE_OK;
}

int Close(sqlite3_file* file)
{
    ChunkedFile* self = Of(file);
    const int result = self->Methods()->xClose(self->Real());
    sqlite3_free(self->run);
    self->run = nullptr;
    return result;
}

// Everything that may change the file, or the lock that keeps it as it is,
// forgets the run first.
int Write(sqlite3_file* file, const void* data, int amount, sqlite3_int64 offset)
{
    Of(file)->Forget();
    return Of(file)->Methods()->xWrite(Of(file)->Real(), data, amount, offset);
}

int Truncate(sqlite3_file* file, sqlite3_int64 size)
{
    Of(file)->Forget();
    return Of(file)->Methods()->xTruncate(Of(file)->Real(), size);
}

int Lock(sqlite3_file* file, int lock)
{
    ChunkedFile* self = Of(file);
    self->Forget();
    const int result = self->Methods()->xLock(self->Real(), lock);
    if (result == SQLITE_OK)
        self->lock = lock;
    return result;
}

int Unlock(sqlite3_file* file, int lock)
{
    ChunkedFile* self = Of(file);
    self->Forget();
    const int result = self->Methods()->xUnlock(self->Real(), lock);
    self->lock = result == SQLITE_OK ? lock : SQLITE_LOCK_NONE;
    return result;
}

int FileControl(sqlite3_file* file, int operation, void* argument)
{
    Of(file)->Forget();
    return Of(file)->Methods()->xFileControl(Of(file)->Real(), operation, argument);
}

int ShmLock(sqlite3_file* file, int offset, int count, int flags)
{
    Of(file)->Forget();
    return Of(file)->Methods()->xShmLock(Of(file)->Real(), offset, count, flags);
}

int Sync(sqlite3_file* file, int flags)
{
    return Of(file)->Methods()->xSync(Of(file)->Real(), flags);
}

int FileSize(sqlite3_file* file, sqlite3_int64* size)
{
    return Of(file)->Methods()->xFileSize(Of(file)->Real(), size);
}

int CheckReservedLock(sqlite3_file* file, int* reserved)
{
    return Of(file)->Methods()->xCheckReservedLock(Of(file)->Real(), reserved);
}

int SectorSize(sqlite3_file* file)
{
    return Of(file)->Methods()->xSectorSize(Of(file)->Real());
}

int DeviceCharacteristics(sqlite3_file* file)
{
    return Of(file)->Methods()->xDeviceCharacteristics(Of(file)->Real());
}

int ShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** memory)
{
    return Of(file)->Methods()->xShmMap(Of(file)->Real(), region, size, extend, memory);
}

void ShmBarrier(sqlite3_file* file)
{
    Of(file)->Methods()->xShmBarrier(Of(file)->Real());
}

int ShmUnmap(sqlite3_file* file, int deleteFlag)
{
    Of(file)->Forget();
    return Of(file)->Methods()->xShmUnmap(Of(file)->Real(), deleteFlag);
}

int Fetch(sqlite3_file* file, sqlite3_int64 offset, int amount, void** page)
{
    return Of(file)->Methods()->xFetch(Of(file)->Real(), offset, amount, page);
}

int Unfetch(sqlite3_file* file, sqlite3_int64 offset, void* page)
{
    return Of(file)->Methods()->xUnfetch(Of(file)->Real(), offset, page);
}

const sqlite3_io_methods kMethods = {
    3,
    Close,
    Read,
    Write,
    Truncate,
    Sync,
    FileSize,
    Lock,
    Unlock,
    CheckReservedLock,
    FileControl,
    SectorSize,
    DeviceCharacteristics,
    ShmMap,
    ShmLock,
    ShmBarrier,
    ShmUnmap,
    Fetch,
    Unfetch,
};

sqlite3_io_methods MethodsLike(const sqlite3_io_methods& real)
{
    sqlite3_io_methods methods = kMethods;
    methods.iVersion = real.iVersion < kMethods.iVersion ? real.iVersion : kMethods.iVersion;
    const auto keepIf = [&real](auto& method, auto realMethod, int since) {
        if (realMethod == nullptr || real.iVersion < since)
            method = nullptr;
    };
    keepIf(methods.xShmMap, real.xShmMap, 2);
    keepIf(methods.xShmLock, real.xShmLock, 2);
    keepIf(methods.xShmBarrier, real.xShmBarrier, 2);
    keepIf(methods.xShmUnmap, real.xShmUnmap, 2);
    keepIf(methods.xFetch, real.xFetch, 3);
    keepIf(methods.xUnfetch, real.xUnfetch, 3);
    return methods;
}

int Open(sqlite3_vfs* vfs, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
{
    auto* real = static_cast<sqlite3_vfs*>(vfs->pAppData);
    ChunkedFile* self = Of(file);
    std::memset(self, 0, static_cast<size_t>(vfs->szOsFile));
    self->Forget();
    const int result = real->xOpen(real, name, self->Real(), flags, outFlags);
    if (result != SQLITE_OK) {
        if (self->Methods() != nullptr)
            self->Methods()->xClose(self->Real());
        return result;
    }
    // Without memory for a run, the file is read page by page, as ever.
    if ((flags & SQLITE_OPEN_MAIN_DB) != 0)
        self->run = static_cast<char*>(sqlite3_malloc(kRunSize));
    self->methods = MethodsLike(*self->Methods());
    self->base.pMethods = &self->methods;
    return SQLITE_OK;
}

} // namespace

// Every call but xOpen goes straight to the default VFS, which takes no
// state from the VFS it is called through.
const char* ChunkedReadsVfs()
{
    static sqlite3_vfs vfs;
    static const char* const name = []() -> const char* {
        sqlite3_vfs* real = sqlite3_vfs_find(nullptr);
        if (real == nullptr)
            return nullptr;
        vfs = *real;
        vfs.pNext = nullptr;
        vfs.szOsFile = static_cast<int>(sizeof(ChunkedFile)) + real->szOsFile;
        vfs.zName = "quillo-chunked-reads";
        vfs.pAppData = real;
        vfs.xOpen = Open;
        return sqlite3_vfs_register(&vfs, 0) == SQLITE_OK ? vfs.zName : nullptr;
    }();
    return name;
}

} // namespace litex
