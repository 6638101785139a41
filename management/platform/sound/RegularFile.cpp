#include "RegularFile.h"

#include "Sound.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sound {

namespace {
constexpr std::size_t kBuffer = 1 << 16;
}

std::unique_ptr<RegularFile> RegularFile::Open(const QString& path, int& error)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty()) {
        error = ErrFileNotFound;
        return nullptr;
    }
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        error = (errno == EACCES || errno == EPERM) ? ErrFileBad : ErrFileNotFound;
        return nullptr;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        error = ErrFileNotFound;
        return nullptr;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    std::FILE* file = fdopen(fd, "rb");
    if (file == nullptr) {
        ::close(fd);
        error = ErrFileBad;
        return nullptr;
    }
    return std::unique_ptr<RegularFile>(new RegularFile(file));
}

RegularFile::RegularFile(std::FILE* file) : buffer_(std::make_unique<char[]>(kBuffer)), file_(file)
{
    setvbuf(file_, buffer_.get(), _IOFBF, kBuffer);
}

RegularFile::~RegularFile()
{
    std::fclose(file_);
}

long long RegularFile::Size() const
{
    struct stat st {};
    return fstat(fileno(file_), &st) == 0 ? st.st_size : -1;
}

std::size_t RegularFile::Read(void* data, std::size_t count)
{
    return std::fread(data, 1, count, file_);
}

long long RegularFile::Seek(long long offset, int whence)
{
    if (fseeko(file_, static_cast<off_t>(offset), whence) != 0)
        return -1;
    return ftello(file_);
}

long long RegularFile::Tell() const
{
    return ftello(file_);
}

}  // namespace sound
