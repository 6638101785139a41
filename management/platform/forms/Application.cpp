#include "forms/Application.h"

#include "forms/Appearance.h"
#include "forms/Dispatch.h"
#include "forms/Form.h"
#include "forms/FormRegistry.h"
#include "forms/Language.h"
#include "forms/LockWaitIndicator.h"
#include "forms/MsgBox.h"
#include "forms/WindowFocus.h"

#include <QApplication>

namespace forms {

Application::Application(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv))
{
    QApplication::setApplicationName(QStringLiteral("Varnook"));
    // The program ends when no form is loaded, not when no window is shown.
    QApplication::setQuitOnLastWindowClosed(false);
    detail::UseFormsAppearance();
    detail::UseSpanish();
    detail::KeyboardFollowsWindows();
    detail::WatchLockWaits();
}

Application::~Application()
{
    detail::DestroyAllForms();
}

int Application::Run(const std::function<void()>& start)
{
    try {
        start();
    } catch (...) {
        MsgBox(detail::ErrorText(std::current_exception()), vbCritical);
        return 1;
    }
    if (!detail::AnyFormLoaded())
        return 0;
    return QApplication::exec();
}

}  // namespace forms
