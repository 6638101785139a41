// What the benchmarks measure: the time a piece of work takes, the median of
// several runs and the process's memory as Linux reports it; and that they
// run without a screen or a sound card unless told otherwise.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>

#include <algorithm>
#include <functional>
#include <vector>

inline double Milliseconds(const std::function<void()>& work)
{
    QElapsedTimer clock;
    clock.start();
    work();
    return double(clock.nsecsElapsed()) / 1e6;
}

// A line of /proc/self/status in megabytes: "VmRSS" now, "VmHWM" the peak.
inline double StatusMegabytes(const char* key)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(line.indexOf(':') + 1).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

// From here on VmHWM is the peak of what follows.
inline void ForgetPeak()
{
    QFile refs("/proc/self/clear_refs");
    if (refs.open(QIODevice::WriteOnly))
        refs.write("5");
}

inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline void RunHeadless()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("VARNOOK_SOUND_OUTPUT"))
        qputenv("VARNOOK_SOUND_OUTPUT", "silent");
}
