// Measures 300 generated MP3 files (constant and variable bit rate, 30 s to
// 5 min, a third of them without their Info/Xing header as other encoders
// write them) through Duracion2, and the same files with ffprobe when it is
// installed; prints both totals, their ratio, the largest difference between
// the two and the largest difference from the audio written. Then the same
// for files as other tools write them or accidents damage them (MP3 files
// joined together, with a span zeroed or a frame header damaged, WAV files
// whose sizes were never written, ADPCM, FLAC and Ogg Vorbis damaged in the
// middle, AAC and header-shaped garbage, which are refused), with the
// smallest ratio of any one file.
// The files are made once and kept in the temporary folder for later runs.
#include "station/Audio.h"
#include "support/ToneFile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr int kFiles = 300;
constexpr int kMakers = 4;
constexpr int kOthersOfAKind = 6;

struct BenchFile {
    QString path;
    bool variable;
    bool header;
    long long lengthMs;
    int sampleRate;
    int channels;
};

std::vector<BenchFile> Plan(const QDir& folder)
{
    std::mt19937 random(7);
    std::vector<BenchFile> files;
    for (int i = 0; i < kFiles; ++i) {
        BenchFile file;
        file.variable = i % 2 == 1;
        file.header = i % 3 != 2;
        file.lengthMs = 30000 + static_cast<long long>(random() % 270001);
        file.sampleRate = i % 4 == 3 ? 22050 : 44100;
        file.channels = i % 4 == 3 ? 1 : 2;
        file.path = folder.filePath(QString("%1_%2%3_%4ms.mp3")
                                        .arg(i, 3, 10, QChar('0'))
                                        .arg(file.variable ? "vbr" : "cbr")
                                        .arg(file.header ? "" : "_sin_cabecera")
                                        .arg(file.lengthMs));
        files.push_back(file);
    }
    return files;
}

// Music-like material: two gliding tones with some noise, so variable bit
// rates really vary.
bool Make(const BenchFile& file)
{
    const QString part = file.path + ".part";
    SF_INFO info{};
    info.samplerate = file.sampleRate;
    info.channels = file.channels;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* out = sf_open(QFile::encodeName(part).constData(), SFM_WRITE, &info);
    if (out == nullptr)
        return false;
    int mode = file.variable ? SF_BITRATE_MODE_VARIABLE : SF_BITRATE_MODE_CONSTANT;
    double level = file.variable ? 0.4 : 0.6;
    sf_command(out, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
    sf_command(out, SFC_SET_COMPRESSION_LEVEL, &level, sizeof level);
    std::minstd_rand noise(static_cast<unsigned>(file.lengthMs));
    const long long frames = file.lengthMs * file.sampleRate / 1000;
    std::vector<float> block(static_cast<std::size_t>(8192 * file.channels));
    bool ok = true;
    for (long long done = 0; done < frames && ok;) {
        const long long count = std::min<long long>(8192, frames - done);
        for (long long i = 0; i < count; ++i) {
            const double t = static_cast<double>(done + i) / file.sampleRate;
            const double swell = 0.5 + 0.5 * std::sin(t / 3);
            const double value = 0.25 * std::sin(2 * M_PI * (330 + 60 * std::sin(t)) * t)
                                 + 0.15 * swell * std::sin(2 * M_PI * 1250 * t)
                                 + 0.05 * swell * (static_cast<double>(noise() % 2001) / 1000 - 1);
            for (int c = 0; c < file.channels; ++c)
                block[static_cast<std::size_t>(i * file.channels + c)] = static_cast<float>(value);
        }
        ok = sf_writef_float(out, block.data(), count) == count;
        done += count;
    }
    ok = sf_close(out) == 0 && ok;
    return ok && (file.header || soundtest::DropInfoFrame(part)) && QFile::rename(part, file.path);
}

// Makes the files not there yet, kMakers at a time.
bool MakeMissing(const std::vector<QString>& paths, const std::function<bool(std::size_t)>& make, const char* what)
{
    std::vector<std::size_t> missing;
    for (std::size_t i = 0; i < paths.size(); ++i) {
        if (!QFile::exists(paths[i]))
            missing.push_back(i);
    }
    if (missing.empty())
        return true;
    std::printf("Making %zu %s...\n", missing.size(), what);
    std::fflush(stdout);
    std::vector<char> made(missing.size());
    std::vector<std::thread> makers;
    for (int m = 0; m < kMakers; ++m) {
        makers.emplace_back([&, m] {
            for (std::size_t i = static_cast<std::size_t>(m); i < missing.size(); i += kMakers)
                made[i] = make(missing[i]);
        });
    }
    for (std::thread& maker : makers)
        maker.join();
    return std::all_of(made.begin(), made.end(), [](char b) { return b != 0; });
}

// Files as other tools write them and as accidents damage them.
struct OtherFile {
    QString path;
    const char* kind;
    long long lengthMs;  // of the audio written; -1 for what must be refused
};

struct OtherKind {
    const char* kind;
    bool refused;
    // Writes the file of a length at path, from a part file of the same name.
    std::function<bool(const QString& path, long long lengthMs)> make;
};

bool WriteShaped(const QString& path, const soundtest::Tone& tone,
                 const std::function<QByteArray(const QByteArray&)>& shape)
{
    const QString part = path + ".part";
    return soundtest::WriteTone(part, tone) && soundtest::WriteBytes(path, shape(soundtest::ReadBytes(part)))
           && QFile::remove(part);
}

QByteArray ZeroMiddle(const QByteArray& bytes)
{
    return soundtest::ZeroSpan(bytes, bytes.size() / 2, 4096);
}

std::vector<OtherKind> OtherKinds()
{
    using soundtest::Kind;
    const auto shaped = [](Kind kind, int rate, std::function<QByteArray(const QByteArray&)> shape) {
        return [=](const QString& path, long long ms) { return WriteShaped(path, {kind, ms, rate, 2}, shape); };
    };
    const auto copy = [](const char* fixture) {
        return [=](const QString& path, long long) {
            return soundtest::WriteBytes(path, soundtest::ReadBytes(QString(SOUND_FIXTURES "/") + fixture));
        };
    };
    return {
        {"MP3s joined", false,
         [](const QString& path, long long ms) {
             const QString first = path + ".1.part";
             const QString second = path + ".2.part";
             return soundtest::WriteTone(first, {Kind::Mp3Cbr, ms / 2, 44100, 2})
                    && soundtest::WriteTone(second, {Kind::Mp3Vbr, ms - ms / 2, 44100, 2})
                    && soundtest::WriteBytes(path, soundtest::ReadBytes(first) + soundtest::ReadBytes(second))
                    && QFile::remove(first) && QFile::remove(second);
         }},
        {"MP3 4 KB zeroed", false, shaped(Kind::Mp3CbrHeaderless, 44100, ZeroMiddle)},
        {"MP3 header damaged", false,
         shaped(Kind::Mp3Vbr, 44100,
                [](const QByteArray& b) { return soundtest::FlipBytes(b, b.indexOf("\xFF", b.size() / 2), 16, 5); })},
        {"WAV sizes unwritten", false, shaped(Kind::Wav, 44100, soundtest::ZeroWaveSizes)},
        {"IMA ADPCM WAV", false, shaped(Kind::ImaAdpcmWav, 44100, [](const QByteArray& b) { return b; })},
        {"MS ADPCM WAV", false, shaped(Kind::MsAdpcmWav, 44100, [](const QByteArray& b) { return b; })},
        {"FLAC 4 KB zeroed", false, shaped(Kind::Flac, 44100, ZeroMiddle)},
        {"Ogg Vorbis 4 KB zeroed", false, shaped(Kind::Ogg, 44100, ZeroMiddle)},
        {"ADTS AAC", true, copy("adts-mono-24k.aac")},
        {"AAC in MP4", true, copy("mp4-stereo-24k.m4a")},
        {"header-shaped garbage", true,
         [](const QString& path, long long ms) {
             return soundtest::WriteBytes(path, soundtest::HeaderShapedGarbage(300000, static_cast<unsigned>(ms)));
         }},
    };
}

std::vector<OtherFile> PlanOthers(const QDir& folder, const std::vector<OtherKind>& kinds)
{
    std::mt19937 random(11);
    std::vector<OtherFile> files;
    for (const OtherKind& kind : kinds) {
        for (int i = 0; i < kOthersOfAKind; ++i) {
            const long long lengthMs = 30000 + static_cast<long long>(random() % 90001);
            const QString name = QString("%1 %2_%3ms").arg(kind.kind).arg(i).arg(lengthMs);
            files.push_back({folder.filePath(name), kind.kind, kind.refused ? -1 : lengthMs});
        }
    }
    return files;
}

// Seconds as ffprobe reports them; negative when it fails.
double Probe(const QString& ffprobe, const QString& path)
{
    QProcess process;
    process.start(ffprobe, {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1;
    bool ok = false;
    const double seconds = process.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? seconds : -1;
}

// Milliseconds that Duracion2 takes on a file, the least of three runs, and
// the seconds it gives.
double TimeDuracion2(const QString& path, double& seconds)
{
    double least = 1e9;
    for (int run = 0; run < 3; ++run) {
        QElapsedTimer clock;
        clock.start();
        seconds = Duracion2(path, false);
        least = std::min(least, static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    return least;
}

double TimeProbe(const QString& ffprobe, const QString& path, double& seconds)
{
    QElapsedTimer clock;
    clock.start();
    seconds = Probe(ffprobe, path);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// Per kind: time a file, the smallest ratio of any one file to ffprobe, and
// the largest difference from the audio written (or how many were refused).
void ReportOthers(const std::vector<OtherFile>& files, const QString& ffprobe)
{
    struct Figures {
        int files = 0;
        double oursMs = 0;
        double probeMs = 0;
        double smallestRatio = 1e9;
        double largestDifferenceMs = 0;
        bool refusedKind = false;
        int refused = 0;
        double probeDifferenceMs = 0;
    };
    std::map<QString, Figures> kinds;
    std::vector<QString> order;
    double smallestRatio = 1e9;
    for (const OtherFile& file : files) {
        if (kinds.count(file.kind) == 0)
            order.push_back(file.kind);
        Figures& figures = kinds[file.kind];
        double seconds = 0;
        const double ours = TimeDuracion2(file.path, seconds);
        ++figures.files;
        figures.oursMs += ours;
        figures.refusedKind = file.lengthMs < 0;
        if (figures.refusedKind) {
            figures.refused += seconds == 0.0 ? 1 : 0;
        } else {
            figures.largestDifferenceMs =
                std::max(figures.largestDifferenceMs, std::abs(seconds * 1000 - static_cast<double>(file.lengthMs)));
        }
        if (ffprobe.isEmpty())
            continue;
        double probed = 0;
        const double probe = TimeProbe(ffprobe, file.path, probed);
        figures.probeMs += probe;
        figures.smallestRatio = std::min(figures.smallestRatio, probe / ours);
        smallestRatio = std::min(smallestRatio, probe / ours);
        if (file.lengthMs >= 0 && probed >= 0)
            figures.probeDifferenceMs =
                std::max(figures.probeDifferenceMs, std::abs(probed * 1000 - static_cast<double>(file.lengthMs)));
    }
    std::printf("\nFiles as other tools write or damage them, %d of each kind, 30 s to 2 min:\n", kOthersOfAKind);
    std::printf("  %-24s %12s %12s %9s  %s\n", "kind", "Duracion2", "ffprobe",
                "ratio >=", "difference from the audio written");
    for (const QString& kind : order) {
        const Figures& f = kinds[kind];
        const QString result = f.refusedKind ? QString("refused: %1 of %2").arg(f.refused).arg(f.files)
                                             : QString("ours %1 ms, ffprobe %2 ms")
                                                   .arg(f.largestDifferenceMs, 0, 'f', 1)
                                                   .arg(f.probeDifferenceMs, 0, 'f', 1);
        std::printf("  %-24s %9.3f ms %9.3f ms %9.1f  %s\n", qPrintable(kind), f.oursMs / f.files, f.probeMs / f.files,
                    ffprobe.isEmpty() ? 0.0 : f.smallestRatio, qPrintable(result));
    }
    if (!ffprobe.isEmpty())
        std::printf("Smallest ratio of any one of these files: %.1f (target: 10)\n", smallestRatio);
}

}  // namespace

int main()
{
    const QDir folder(QDir::temp().filePath("varnook_bench_duracion"));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "Cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    const std::vector<BenchFile> files = Plan(folder);
    std::vector<QString> paths;
    for (const BenchFile& file : files)
        paths.push_back(file.path);
    if (!MakeMissing(
            paths, [&files](std::size_t i) { return Make(files[i]); }, "MP3 files")) {
        std::fprintf(stderr, "Cannot write the MP3 files in %s\n", qPrintable(folder.path()));
        return 1;
    }
    const std::vector<OtherKind> kinds = OtherKinds();
    const std::vector<OtherFile> others = PlanOthers(folder, kinds);
    std::vector<QString> otherPaths;
    for (const OtherFile& file : others)
        otherPaths.push_back(file.path);
    const auto makeOther = [&](std::size_t i) {
        const auto kind = std::find_if(kinds.begin(), kinds.end(),
                                       [&](const OtherKind& k) { return QString(k.kind) == others[i].kind; });
        const long long seed = others[i].lengthMs >= 0 ? others[i].lengthMs : static_cast<long long>(i);
        return kind->make(others[i].path, seed);
    };
    if (!MakeMissing(otherPaths, makeOther, "files as other tools write or damage them")) {
        std::fprintf(stderr, "Cannot write the other files in %s\n", qPrintable(folder.path()));
        return 1;
    }

    std::vector<double> ours(files.size());
    std::vector<double> oursEach(files.size());
    QElapsedTimer clock;
    clock.start();
    for (std::size_t i = 0; i < files.size(); ++i)
        ours[i] = Duracion2(files[i].path, false);
    const double oursMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    for (std::size_t i = 0; i < files.size(); ++i) {
        double seconds = 0;
        oursEach[i] = TimeDuracion2(files[i].path, seconds);
    }
    const auto unmeasured = std::count(ours.begin(), ours.end(), 0.0);

    // The largest difference in milliseconds, for files with and without header.
    auto largest = [&files](const std::vector<double>& seconds, auto reference, bool header) {
        double largestMs = 0;
        for (std::size_t i = 0; i < files.size(); ++i) {
            if (files[i].header == header && seconds[i] >= 0)
                largestMs = std::max(largestMs, std::abs(seconds[i] - reference(i)) * 1000);
        }
        return largestMs;
    };
    auto written = [&files](std::size_t i) { return static_cast<double>(files[i].lengthMs) / 1000; };

    std::printf("Files: %d MP3 (half constant, half variable bit rate; a third without Info/Xing header), "
                "30 s to 5 min, in %s\n",
                kFiles, qPrintable(folder.path()));
    std::printf("Duracion2: %.1f ms in all, %.3f ms a file, %lld not measured\n", oursMs, oursMs / kFiles,
                static_cast<long long>(unmeasured));
    std::printf("Largest difference from the audio written: %.1f ms with header, %.1f ms without "
                "(target without: 30)\n",
                largest(ours, written, true), largest(ours, written, false));

    const QString ffprobe = QStandardPaths::findExecutable("ffprobe");
    if (ffprobe.isEmpty()) {
        std::printf("ffprobe: not installed (Debian package ffmpeg); no comparison\n");
        ReportOthers(others, QString());
        return 0;
    }
    std::vector<double> probed(files.size());
    double probeMs = 0;
    double smallestRatio = 1e9;
    for (std::size_t i = 0; i < files.size(); ++i) {
        const double probe = TimeProbe(ffprobe, files[i].path, probed[i]);
        probeMs += probe;
        smallestRatio = std::min(smallestRatio, probe / oursEach[i]);
    }
    const auto probeFailures = std::count_if(probed.begin(), probed.end(), [](double s) { return s < 0; });
    auto ourLength = [&ours](std::size_t i) { return ours[i]; };
    std::printf("ffprobe:   %.1f ms in all, %.3f ms a file, %lld failed\n", probeMs, probeMs / kFiles,
                static_cast<long long>(probeFailures));
    std::printf("Ratio: Duracion2 is %.1f times as fast as ffprobe; file by file, at least %.1f times (target: 10)\n",
                probeMs / oursMs, smallestRatio);
    std::printf("Largest difference between the two lengths: %.1f ms with header, %.1f ms without\n",
                largest(probed, ourLength, true), largest(probed, ourLength, false));
    std::printf("Largest difference of ffprobe from the audio written: %.1f ms with header, %.1f ms without\n",
                largest(probed, written, true), largest(probed, written, false));
    ReportOthers(others, ffprobe);
    return 0;
}
