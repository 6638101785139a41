#include "forms/Form.h"

#include "forms/Component.h"
#include "forms/Control.h"
#include "forms/Dispatch.h"
#include "forms/FormRegistry.h"
#include "forms/FormWindow.h"
#include "forms/StandIn.h"
#include "forms/Twips.h"
#include "jet/Transaction.h"

#include <QCloseEvent>
#include <QEventLoop>

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>

namespace forms {

FormWindow::FormWindow(Form& form) : form_(form)
{
    // A form is a window with a fixed design; a child of nothing.
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormWindow::closeEvent(QCloseEvent* event)
{
    // The form decides: unloading destroys this window later.
    event->ignore();
    form_.WindowClosedByUser();
}

void FormWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    form_.WindowResized();
}

Form::Form() = default;

Form::~Form()
{
    delete window_;
}

void Form::Register(Component* component)
{
    components_.push_back(component);
}

Control* Form::NextInTabOrder(const Control& control) const
{
    auto at = std::find(components_.begin(), components_.end(), &control);
    if (at == components_.end())
        return nullptr;
    // Timers and dialogs have no place in tab order.
    for (++at; at != components_.end(); ++at)
        if (auto* next = dynamic_cast<Control*>(*at))
            return next;
    return nullptr;
}

bool Form::Loaded() const
{
    return window_ != nullptr;
}

void Form::Load()
{
    if (window_)
        return;
    window_ = new FormWindow(*this);
    for (Component* component : components_)
        component->Create();
    Design();
    Form_Load();
}

void Form::Unload()
{
    // Form_Unload may unload every form, this one included.
    if (!window_ || unloading_)
        return;
    unloading_ = true;
    try {
        Form_Unload();
    } catch (...) {
        unloading_ = false;
        throw;
    }
    unloading_ = false;
    for (Component* component : components_)
        component->Destroy();
    FormWindow* window = window_;
    window_ = nullptr;
    window->hide();
    // A handler of one of its controls may be running right now.
    window->deleteLater();
    if (modalLoop_)
        modalLoop_->quit();
    detail::FormUnloaded();
}

void Form::Show(int Modal)
{
    Load();
    if (Modal != vbModal) {
        window_->show();
        return;
    }
    // What the opener wrote, its loading included, is written before the
    // user works in the form, whose handlers are actions of their own.
    std::optional<jet::TransactionPause> pause;
    try {
        pause.emplace();
    } catch (...) {
        // Not shown when that cannot be written.
        Unload();
        throw;
    }
    window_->setWindowModality(Qt::ApplicationModal);
    window_->show();
    if (detail::StandIn* standIn = detail::InstalledStandIn()) {
        standIn->Modal(*this);
        return;
    }
    QEventLoop loop;
    QEventLoop* outer = modalLoop_;
    modalLoop_ = &loop;
    loop.exec();
    modalLoop_ = outer;
}

void Form::Hide()
{
    if (!window_)
        return;
    window_->hide();
    window_->setWindowModality(Qt::NonModal);
    if (modalLoop_)
        modalLoop_->quit();
}

bool Form::Visible() const
{
    return window_ && window_->isVisible();
}

QString Form::Caption()
{
    return Surface()->windowTitle();
}

void Form::Caption(const QString& caption)
{
    Surface()->setWindowTitle(caption);
}

bool Form::Enabled()
{
    return Surface()->isEnabled();
}

void Form::Enabled(bool enabled)
{
    Surface()->setEnabled(enabled);
}

int Form::Width()
{
    return detail::Twips(Surface()->width());
}

void Form::Width(int twips)
{
    Surface()->resize(detail::Pixels(twips), Surface()->height());
}

int Form::Height()
{
    return detail::Twips(Surface()->height());
}

void Form::Height(int twips)
{
    Surface()->resize(Surface()->width(), detail::Pixels(twips));
}

QWidget* Form::Surface()
{
    Load();
    return window_;
}

QString Form::Name() const
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> name(abi::__cxa_demangle(typeid(*this).name(), nullptr, nullptr, &status),
                                                std::free);
    return QString::fromUtf8(status == 0 ? name.get() : typeid(*this).name());
}

void Form::WindowClosedByUser()
{
    detail::Raise([this] { Unload(); });
}

void Form::WindowResized()
{
    detail::Raise([this] { Form_Resize(); });
}

}  // namespace forms
