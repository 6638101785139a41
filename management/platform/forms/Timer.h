#pragma once

#include "forms/Component.h"

#include <functional>
#include <memory>

class QTimer;

namespace forms {

// Raises OnTimer every Interval milliseconds while Enabled and loaded;
// an interval of 0 never ticks. Design state: enabled, interval 0.
class Timer : public Component {
public:
    explicit Timer(Form& form);
    ~Timer() override;

    int Interval() const;
    void Interval(int milliseconds);
    bool Enabled() const;
    void Enabled(bool enabled);

    std::function<void()> OnTimer;

private:
    void Create() override;
    void Destroy() override;
    void Apply();

    int interval_ = 0;
    bool enabled_ = true;
    std::unique_ptr<QTimer> timer_;
};

}  // namespace forms
