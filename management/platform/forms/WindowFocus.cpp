#include "forms/WindowFocus.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace forms::detail {

namespace {

// Forms, message boxes and dialogs; not menus, drop-down lists or tips, nor
// a window that only tells something (shown without being activated).
bool TakesKeyboard(const QWidget& widget)
{
    const Qt::WindowType type = widget.windowType();
    return widget.isWindow() && (type == Qt::Window || type == Qt::Dialog)
           && !widget.testAttribute(Qt::WA_ShowWithoutActivating)
           && !(widget.windowFlags() & Qt::WindowDoesNotAcceptFocus);
}

class FocusKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Show && event->type() != QEvent::Hide)
            return false;
        auto* window = qobject_cast<QWidget*>(watched);
        if (!window || !window->isWindow())
            return false;
        if (!TakesKeyboard(*window)) {
            // A window that only tells, which a platform may still have
            // made active, gives the keyboard back as it goes (by then
            // nothing is active).
            const QWidget* active = QApplication::activeWindow();
            if (event->type() == QEvent::Hide && (!active || active == window) && !shown_.empty())
                shown_.back()->activateWindow();
            return false;
        }
        Forget(window);
        if (event->type() == QEvent::Show) {
            shown_.push_back(window);
            window->activateWindow();
        } else if (!shown_.empty()) {
            shown_.back()->activateWindow();
        }
        return false;
    }

private:
    void Forget(QWidget* window)
    {
        std::erase_if(shown_, [window](const QPointer<QWidget>& w) { return !w || w == window || !w->isVisible(); });
    }

    // Visible windows, in the order they were shown.
    std::vector<QPointer<QWidget>> shown_;
};

}  // namespace

void KeyboardFollowsWindows()
{
    QApplication::instance()->installEventFilter(new FocusKeeper(QApplication::instance()));
}

}  // namespace forms::detail
