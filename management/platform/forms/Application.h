#pragma once

#include <functional>
#include <memory>

class QApplication;

namespace forms {

// The program's runtime: the Qt application and the untrapped-error policy.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Runs start (which loads and shows the first form), then the event loop
    // until no form is loaded. An error start does not trap is shown in a
    // message box and gives exit status 1.
    int Run(const std::function<void()>& start);

private:
    std::unique_ptr<QApplication> app_;
};

}  // namespace forms
