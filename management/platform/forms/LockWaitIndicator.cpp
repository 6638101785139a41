#include "forms/LockWaitIndicator.h"

#include "jet/Engine.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <chrono>
#include <memory>

namespace forms::detail {

namespace {

// A lock held for a moment only changes the pointer.
constexpr std::chrono::milliseconds windowAfter{300};

class LockWaitIndicator final : public jet::LockWaitObserver {
public:
    void LockWaitStarted(const QString& path) override
    {
        if (depth_++ > 0)
            return;
        path_ = path;
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }

    void LockWaitGoesOn(const QString&, std::chrono::milliseconds waited) override
    {
        // A wait met while painting for an outer one just sleeps.
        if (depth_ > 1)
            return;
        if (waited >= windowAfter && !window_)
            ShowWindow();
        if (window_)
            ShowSeconds(std::chrono::duration_cast<std::chrono::seconds>(waited));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    void LockWaitEnded() override
    {
        if (--depth_ > 0)
            return;
        // Hidden before it goes, so that the keyboard goes back to the form.
        if (window_)
            window_->hide();
        window_.reset();
        QApplication::restoreOverrideCursor();
    }

    bool Waiting() const { return depth_ > 0; }

private:
    void ShowWindow()
    {
        // It only tells: the keyboard stays with the form that waits.
        window_ = std::make_unique<QWidget>(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                                         | Qt::WindowDoesNotAcceptFocus);
        window_->setWindowTitle(QApplication::applicationName());
        window_->setAttribute(Qt::WA_ShowWithoutActivating);
        auto* layout = new QVBoxLayout(window_.get());
        const QFileInfo file(path_);
        auto* text = new QLabel(
            QStringLiteral("Esperando a que otro programa libere %1…\n%2").arg(file.fileName(), file.absolutePath()),
            window_.get());
        text->setTextFormat(Qt::PlainText);
        seconds_ = new QLabel(window_.get());
        layout->addWidget(text);
        layout->addWidget(seconds_);
        shownSeconds_ = -1;
        window_->show();
    }

    void ShowSeconds(std::chrono::seconds waited)
    {
        if (waited.count() == shownSeconds_)
            return;
        shownSeconds_ = int(waited.count());
        seconds_->setText(QStringLiteral("%1 s").arg(shownSeconds_));
    }

    int depth_ = 0;
    QString path_;
    std::unique_ptr<QWidget> window_;
    QLabel* seconds_ = nullptr;
    int shownSeconds_ = -1;
};

LockWaitIndicator& Indicator()
{
    static LockWaitIndicator indicator;
    return indicator;
}

}  // namespace

void WatchLockWaits()
{
    jet::DBEngine().WatchLockWaits(&Indicator());
}

bool WaitingForLock()
{
    return Indicator().Waiting();
}

}  // namespace forms::detail
