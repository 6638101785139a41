// Takes what the process writes to stderr while it lives, to show that
// decoding prints nothing, whatever the file holds.
#pragma once

#include <cstdio>
#include <string>

#include <unistd.h>

namespace soundtest {

class StderrCapture {
public:
    StderrCapture() : file_(std::tmpfile())
    {
        std::fflush(stderr);
        saved_ = dup(STDERR_FILENO);
        if (file_ != nullptr)
            dup2(fileno(file_), STDERR_FILENO);
    }
    ~StderrCapture()
    {
        Release();
        if (file_ != nullptr)
            std::fclose(file_);
    }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // Gives stderr back and returns what was written to it meanwhile.
    std::string Text()
    {
        Release();
        if (file_ == nullptr)
            return "(no temporary file for stderr)";
        std::string text;
        std::rewind(file_);
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, file_)) > 0;)
            text.append(chunk, n);
        return text;
    }

private:
    void Release()
    {
        if (saved_ < 0)
            return;
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
    }

    std::FILE* file_;
    int saved_ = -1;
};

}  // namespace soundtest
