// A regular file opened for reading through a large buffer: the decoders ask
// for a few hundred bytes at a time, and measuring walks the whole file.
#pragma once

#include <QString>

#include <cstddef>
#include <cstdio>
#include <memory>

namespace sound {

class RegularFile {
public:
    // nullptr and an Error code for a missing path, a folder, a pipe or a
    // device (never waited on), or a file that may not be read.
    static std::unique_ptr<RegularFile> Open(const QString& path, int& error);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    long long Size() const;
    // As fread: the bytes read, fewer at the end.
    std::size_t Read(void* data, std::size_t count);
    // As lseek: the new offset, -1 on failure.
    long long Seek(long long offset, int whence);
    long long Tell() const;

private:
    explicit RegularFile(std::FILE* file);

    std::unique_ptr<char[]> buffer_;
    std::FILE* file_;
};

}  // namespace sound
