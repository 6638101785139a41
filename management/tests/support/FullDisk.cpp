#include "support/FullDisk.h"

#include <sqlite3.h>

#include <atomic>
#include <cstring>

namespace {

std::atomic<bool> full{false};

// A file of the disk: SQLite's own file behind it.
struct File {
    sqlite3_file base;
    sqlite3_file* real;
};

sqlite3_file* Real(sqlite3_file* file)
{
    return reinterpret_cast<File*>(file)->real;
}

int Close(sqlite3_file* file)
{
    sqlite3_file* real = Real(file);
    const int result = real->pMethods ? real->pMethods->xClose(real) : SQLITE_OK;
    sqlite3_free(real);
    return result;
}

int Read(sqlite3_file* file, void* buffer, int amount, sqlite3_int64 offset)
{
    return Real(file)->pMethods->xRead(Real(file), buffer, amount, offset);
}

int Write(sqlite3_file* file, const void* buffer, int amount, sqlite3_int64 offset)
{
    if (full)
        return SQLITE_FULL;
    return Real(file)->pMethods->xWrite(Real(file), buffer, amount, offset);
}

int Truncate(sqlite3_file* file, sqlite3_int64 size)
{
    return Real(file)->pMethods->xTruncate(Real(file), size);
}

int Sync(sqlite3_file* file, int flags)
{
    return Real(file)->pMethods->xSync(Real(file), flags);
}

int FileSize(sqlite3_file* file, sqlite3_int64* size)
{
    return Real(file)->pMethods->xFileSize(Real(file), size);
}

int Lock(sqlite3_file* file, int level)
{
    return Real(file)->pMethods->xLock(Real(file), level);
}

int Unlock(sqlite3_file* file, int level)
{
    return Real(file)->pMethods->xUnlock(Real(file), level);
}

int CheckReservedLock(sqlite3_file* file, int* reserved)
{
    return Real(file)->pMethods->xCheckReservedLock(Real(file), reserved);
}

int FileControl(sqlite3_file* file, int operation, void* argument)
{
    return Real(file)->pMethods->xFileControl(Real(file), operation, argument);
}

int SectorSize(sqlite3_file* file)
{
    return Real(file)->pMethods->xSectorSize(Real(file));
}

int DeviceCharacteristics(sqlite3_file* file)
{
    return Real(file)->pMethods->xDeviceCharacteristics(Real(file));
}

int ShmMap(sqlite3_file* file, int region, int size, int extend, void volatile** memory)
{
    return Real(file)->pMethods->xShmMap(Real(file), region, size, extend, memory);
}

int ShmLock(sqlite3_file* file, int offset, int count, int flags)
{
    return Real(file)->pMethods->xShmLock(Real(file), offset, count, flags);
}

void ShmBarrier(sqlite3_file* file)
{
    Real(file)->pMethods->xShmBarrier(Real(file));
}

int ShmUnmap(sqlite3_file* file, int deleteFlag)
{
    return Real(file)->pMethods->xShmUnmap(Real(file), deleteFlag);
}

const sqlite3_io_methods methods = {
    2, Close, Read, Write, Truncate, Sync, FileSize, Lock, Unlock, CheckReservedLock, FileControl, SectorSize,
    DeviceCharacteristics, ShmMap, ShmLock, ShmBarrier, ShmUnmap, nullptr, nullptr,
};

sqlite3_vfs* original = nullptr;

int Open(sqlite3_vfs*, const char* name, sqlite3_file* file, int flags, int* outFlags)
{
    auto* wrapped = reinterpret_cast<File*>(file);
    wrapped->real = static_cast<sqlite3_file*>(sqlite3_malloc(original->szOsFile));
    if (!wrapped->real)
        return SQLITE_NOMEM;
    std::memset(wrapped->real, 0, size_t(original->szOsFile));
    const int result = original->xOpen(original, name, wrapped->real, flags, outFlags);
    if (result != SQLITE_OK) {
        sqlite3_free(wrapped->real);
        file->pMethods = nullptr;
        return result;
    }
    file->pMethods = &methods;
    return SQLITE_OK;
}

// Registered once for the whole test program and never taken away: the
// engine keeps connections open past any one test.
void Install()
{
    static sqlite3_vfs disk = [] {
        original = sqlite3_vfs_find(nullptr);
        sqlite3_vfs copy = *original;
        copy.zName = "full_disk";
        copy.szOsFile = int(sizeof(File));
        copy.xOpen = Open;
        copy.pNext = nullptr;
        return copy;
    }();
    sqlite3_vfs_register(&disk, 1);
}

} // namespace

FullDisk::FullDisk()
{
    Install();
}

FullDisk::~FullDisk()
{
    Free();
}

void FullDisk::Fill()
{
    full = true;
}

void FullDisk::Free()
{
    full = false;
}
