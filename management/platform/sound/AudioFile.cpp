#include "AudioFile.h"

#include "Sound.h"

#include <QFile>

#include <sndfile.h>

#include <cerrno>
#include <climits>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace sound {

namespace {

// libsndfile reads through a buffered stdio file: its MP3 decoder asks for
// a few hundred bytes at a time, and checking the last frame walks the whole file.
constexpr std::size_t kReadBuffer = 1 << 16;

sf_count_t FileLength(void* user)
{
    struct stat st { };
    if (fstat(fileno(static_cast<std::FILE*>(user)), &st) != 0) return -1;
    return st.st_size;
}

sf_count_t Seek(sf_count_t offset, int whence, void* user)
{
    auto* file = static_cast<std::FILE*>(user);
    if (fseeko(file, offset, whence) != 0) return -1;
    return ftello(file);
}

sf_count_t ReadBytes(void* data, sf_count_t count, void* user)
{
    return static_cast<sf_count_t>(
        std::fread(data, 1, static_cast<std::size_t>(count), static_cast<std::FILE*>(user)));
}

sf_count_t Tell(void* user)
{
    return ftello(static_cast<std::FILE*>(user));
}

// Opens a regular file for reading, never waiting on a pipe or device.
std::FILE* OpenRegularFile(const QString& path, int& error)
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
    struct stat st { };
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
    }
    return file;
}

// A file whose header promises more audio than it holds (cut short, or a
// damaged header) must not be measured by its header.
bool DecodesToItsEnd(SNDFILE* sndfile, long long frames, int channels)
{
    if (frames == 0) return true;
    std::vector<float> last(static_cast<std::size_t>(channels));
    return sf_seek(sndfile, frames - 1, SEEK_SET) == frames - 1
        && sf_readf_float(sndfile, last.data(), 1) == 1 && sf_seek(sndfile, 0, SEEK_SET) == 0;
}

} // namespace

std::unique_ptr<AudioFile> AudioFile::Open(const QString& path, int& error)
{
    std::FILE* file = OpenRegularFile(path, error);
    if (file == nullptr) return nullptr;
    auto buffer = std::make_unique<char[]>(kReadBuffer);
    setvbuf(file, buffer.get(), _IOFBF, kReadBuffer);

    SF_VIRTUAL_IO io {FileLength, Seek, ReadBytes, nullptr, Tell};
    SF_INFO info {};
    SNDFILE* sndfile = sf_open_virtual(&io, SFM_READ, &info, file);
    if (sndfile == nullptr) {
        std::fclose(file);
        error = ErrFileFormat;
        return nullptr;
    }
    const bool described = info.samplerate > 0 && info.channels > 0 && info.frames >= 0
        && info.frames != SF_COUNT_MAX && info.frames / info.samplerate < INT_MAX / 1000;
    if (!described || !DecodesToItsEnd(sndfile, info.frames, info.channels)) {
        sf_close(sndfile);
        std::fclose(file);
        error = described ? ErrFileBad : ErrFileFormat;
        return nullptr;
    }
    std::unique_ptr<AudioFile> opened(
        new AudioFile(file, std::move(buffer), sndfile, info.frames, info.samplerate, info.channels));
    return opened;
}

AudioFile::AudioFile(std::FILE* file, std::unique_ptr<char[]> buffer, sf_private_tag* sndfile,
    long long frames, int sampleRate, int channels)
    : file_(file)
    , buffer_(std::move(buffer))
    , sndfile_(sndfile)
    , frames_(frames)
    , sampleRate_(sampleRate)
    , channels_(channels)
{
}

AudioFile::~AudioFile()
{
    sf_close(sndfile_);
    std::fclose(file_);
}

int AudioFile::LengthMs() const
{
    return static_cast<int>(frames_ * 1000 / sampleRate_);
}

long long AudioFile::Read(float* frames, long long count)
{
    const sf_count_t read = sf_readf_float(sndfile_, frames, count);
    return read > 0 ? read : 0;
}

bool AudioFile::Rewind()
{
    return sf_seek(sndfile_, 0, SEEK_SET) == 0;
}

} // namespace sound
