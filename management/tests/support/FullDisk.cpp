#include "support/FullDisk.h"

#include <atomic>
#include <cerrno>
#include <sqlite3.h>

namespace {

std::atomic<bool> full{false};
// The last failure came from here: SQLite asks the layer for the system's error.
std::atomic<bool> failedHere{false};

// The layer the system gives, beneath this one.
sqlite3_vfs* beneath = nullptr;

// Each open file of the layer is followed in memory by the system layer's own.
sqlite3_file* Inner(sqlite3_file* file)
{
    return file + 1;
}

int Failed(int code)
{
    failedHere = true;
    return code;
}

int Close(sqlite3_file* file)
{
    return Inner(file)->pMethods->xClose(Inner(file));
}

int Read(sqlite3_file* file, void* bytes, int count, sqlite3_int64 offset)
{
    return Inner(file)->pMethods->xRead(Inner(file), bytes, count, offset);
}

int Write(sqlite3_file* file, const void* bytes, int count, sqlite3_int64 offset)
{
    sqlite3_int64 size = 0;
    if (full && Inner(file)->pMethods->xFileSize(Inner(file), &size) == SQLITE_OK && offset + count > size)
        return Failed(SQLITE_FULL);
    return Inner(file)->pMethods->xWrite(Inner(file), bytes, count, offset);
}

int Truncate(sqlite3_file* file, sqlite3_int64 size)
{
    return Inner(file)->pMethods->xTruncate(Inner(file), size);
}

int Sync(sqlite3_file* file, int flags)
{
    return Inner(file)->pMethods->xSync(Inner(file), flags);
}

int FileSize(sqlite3_file* file, sqlite3_int64* size)
{
    return Inner(file)->pMethods->xFileSize(Inner(file), size);
}

int Lock(sqlite3_file* file, int level)
{
    return Inner(file)->pMethods->xLock(Inner(file), level);
}

int Unlock(sqlite3_file* file, int level)
{
    return Inner(file)->pMethods->xUnlock(Inner(file), level);
}

int CheckReservedLock(sqlite3_file* file, int* reserved)
{
    return Inner(file)->pMethods->xCheckReservedLock(Inner(file), reserved);
}

int FileControl(sqlite3_file* file, int operation, void* argument)
{
    return Inner(file)->pMethods->xFileControl(Inner(file), operation, argument);
}

int SectorSize(sqlite3_file* file)
{
    return Inner(file)->pMethods->xSectorSize(Inner(file));
}

int DeviceCharacteristics(sqlite3_file* file)
{
    return Inner(file)->pMethods->xDeviceCharacteristics(Inner(file));
}

// The index grows by writing its new pages: on a full disk the system makes
// the file and sizes it to 3 bytes, then fails.
int ShmMap(sqlite3_file* file, int region, int regionSize, int extend, void volatile** memory)
{
    if (!full || !extend)
        return Inner(file)->pMethods->xShmMap(Inner(file), region, regionSize, extend, memory);
    const int mapped = Inner(file)->pMethods->xShmMap(Inner(file), region, regionSize, 0, memory);
    if (mapped == SQLITE_OK && *memory == nullptr)
        return Failed(SQLITE_IOERR_SHMSIZE);
    return mapped;
}

int ShmLock(sqlite3_file* file, int offset, int count, int flags)
{
    return Inner(file)->pMethods->xShmLock(Inner(file), offset, count, flags);
}

void ShmBarrier(sqlite3_file* file)
{
    Inner(file)->pMethods->xShmBarrier(Inner(file));
}

int ShmUnmap(sqlite3_file* file, int deleteFlag)
{
    return Inner(file)->pMethods->xShmUnmap(Inner(file), deleteFlag);
}

int Fetch(sqlite3_file* file, sqlite3_int64 offset, int count, void** memory)
{
    return Inner(file)->pMethods->xFetch(Inner(file), offset, count, memory);
}

int Unfetch(sqlite3_file* file, sqlite3_int64 offset, void* memory)
{
    return Inner(file)->pMethods->xUnfetch(Inner(file), offset, memory);
}

const sqlite3_io_methods methods = {
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

int Open(sqlite3_vfs*, sqlite3_filename name, sqlite3_file* file, int flags, int* outFlags)
{
    file->pMethods = nullptr;
    const int opened = beneath->xOpen(beneath, name, Inner(file), flags, outFlags);
    if (Inner(file)->pMethods)
        file->pMethods = &methods;
    return opened;
}

int LastError(sqlite3_vfs*, int size, char* text)
{
    if (failedHere)
        return ENOSPC;
    return beneath->xGetLastError(beneath, size, text);
}

sqlite3_vfs* Layer()
{
    static sqlite3_vfs layer = [] {
        sqlite3_initialize();
        beneath = sqlite3_vfs_find(nullptr);
        sqlite3_vfs made = *beneath;
        made.zName = "full_disk";
        made.szOsFile = int(sizeof(sqlite3_file)) + beneath->szOsFile;
        made.xOpen = Open;
        made.xGetLastError = LastError;
        return made;
    }();
    return &layer;
}

}  // namespace

FullDisk::FullDisk()
{
    static const int registered = sqlite3_vfs_register(Layer(), 1);
    (void)registered;
}

FullDisk::~FullDisk()
{
    Free();
}

void FullDisk::Fill()
{
    failedHere = false;
    full = true;
}

void FullDisk::Free()
{
    full = false;
    failedHere = false;
}
