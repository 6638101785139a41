// Measures 300 generated MP3 files (constant and variable bit rate, 30 s to
// 5 min, a third of them without their Info/Xing header as other encoders
// write them) through Duracion2, and the same files with ffprobe when it is
// installed; prints both totals, their ratio, the largest difference between
// the two and the largest difference from the audio written.
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
#include <random>
#include <thread>
#include <vector>

namespace {

constexpr int kFiles = 300;
constexpr int kMakers = 4;

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
    SF_INFO info {};
    info.samplerate = file.sampleRate;
    info.channels = file.channels;
    info.format = SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III;
    SNDFILE* out = sf_open(QFile::encodeName(part).constData(), SFM_WRITE, &info);
    if (out == nullptr) return false;
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

bool MakeMissing(const std::vector<BenchFile>& files)
{
    std::vector<const BenchFile*> missing;
    for (const BenchFile& file : files) {
        if (!QFile::exists(file.path)) missing.push_back(&file);
    }
    if (missing.empty()) return true;
    std::printf("Making %zu MP3 files...\n", missing.size());
    std::fflush(stdout);
    std::vector<bool> made(missing.size());
    std::vector<std::thread> makers;
    for (int m = 0; m < kMakers; ++m) {
        makers.emplace_back([&, m] {
            for (std::size_t i = static_cast<std::size_t>(m); i < missing.size(); i += kMakers)
                made[i] = Make(*missing[i]);
        });
    }
    for (std::thread& maker : makers) maker.join();
    return std::all_of(made.begin(), made.end(), [](bool b) { return b; });
}

// Seconds as ffprobe reports them; negative when it fails.
double Probe(const QString& ffprobe, const QString& path)
{
    QProcess process;
    process.start(ffprobe, {"-v", "error", "-show_entries", "format=duration", "-of", "csv=p=0", path});
    if (!process.waitForFinished(30000) || process.exitCode() != 0) return -1;
    bool ok = false;
    const double seconds = process.readAllStandardOutput().trimmed().toDouble(&ok);
    return ok ? seconds : -1;
}

} // namespace

int main()
{
    const QDir folder(QDir::temp().filePath("varnook_bench_duracion"));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "Cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    const std::vector<BenchFile> files = Plan(folder);
    if (!MakeMissing(files)) {
        std::fprintf(stderr, "Cannot write the MP3 files in %s\n", qPrintable(folder.path()));
        return 1;
    }

    std::vector<double> ours(files.size());
    QElapsedTimer clock;
    clock.start();
    for (std::size_t i = 0; i < files.size(); ++i) ours[i] = Duracion2(files[i].path, false);
    const double oursMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
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
        return 0;
    }
    clock.restart();
    std::vector<double> probed(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) probed[i] = Probe(ffprobe, files[i].path);
    const double probeMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    const auto probeFailures = std::count_if(probed.begin(), probed.end(), [](double s) { return s < 0; });
    auto ourLength = [&ours](std::size_t i) { return ours[i]; };
    std::printf("ffprobe:   %.1f ms in all, %.3f ms a file, %lld failed\n", probeMs, probeMs / kFiles,
        static_cast<long long>(probeFailures));
    std::printf("Ratio: Duracion2 is %.1f times as fast as ffprobe (target: 10)\n", probeMs / oursMs);
    std::printf("Largest difference between the two lengths: %.1f ms with header, %.1f ms without\n",
        largest(probed, ourLength, true), largest(probed, ourLength, false));
    std::printf("Largest difference of ffprobe from the audio written: %.1f ms with header, %.1f ms without\n",
        largest(probed, written, true), largest(probed, written, false));
    return 0;
}
