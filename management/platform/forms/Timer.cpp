#include "forms/Timer.h"

#include "forms/Dispatch.h"
#include "forms/Form.h"

#include <QTimer>

namespace forms {

Timer::Timer(Form& form) : Component(form)
{
}

Timer::~Timer() = default;

void Timer::Create()
{
    timer_ = std::make_unique<QTimer>();
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] { detail::Raise(OnTimer); });
}

void Timer::Destroy()
{
    timer_.reset();
    interval_ = 0;
    enabled_ = true;
}

int Timer::Interval() const
{
    Parent().Load();
    return interval_;
}

void Timer::Interval(int milliseconds)
{
    Parent().Load();
    interval_ = milliseconds;
    Apply();
}

bool Timer::Enabled() const
{
    Parent().Load();
    return enabled_;
}

void Timer::Enabled(bool enabled)
{
    Parent().Load();
    enabled_ = enabled;
    Apply();
}

void Timer::Apply()
{
    if (enabled_ && interval_ > 0)
        timer_->start(interval_);
    else
        timer_->stop();
}

}  // namespace forms
