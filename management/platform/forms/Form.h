#pragma once

#include "forms/Container.h"

#include <QString>

#include <memory>
#include <typeindex>
#include <vector>

class QEventLoop;

namespace forms {

class Component;
class Control;
class FormWindow;

constexpr int vbModal = 1;

// Base of every form. A form has one instance (see Get below), declares its
// controls as public members, sets their design state in Design(), and wires
// their events in its constructor. Unload destroys the window and controls;
// member variables keep their values, and the next load starts again from
// Design().
class Form : public Container {
public:
    ~Form() override;

    // Creates window and controls, runs Design() then Form_Load(); a loaded
    // form is left alone.
    void Load();
    // Form_Unload(), then window and controls are destroyed.
    void Unload();
    // Loads when needed and shows; with vbModal returns only once the form
    // is hidden or unloaded, and no other window takes input meanwhile.
    void Show(int Modal = 0);
    void Hide();

    bool Loaded() const;
    bool Visible() const;

    QString Caption();
    void Caption(const QString& caption);
    bool Enabled();
    void Enabled(bool enabled);
    // Inner size in twips.
    int Width();
    void Width(int twips);
    int Height();
    void Height(int twips);

    Form& OwnerForm() override { return *this; }
    QWidget* Surface() override;

    // Class name, used in diagnostics of the test seam.
    QString Name() const;

protected:
    Form();
    virtual void Design() = 0;
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Resize() {}

private:
    friend class Component;
    friend class FormWindow;
    friend class Label;

    void Register(Component* component);
    // The control after control in tab order, which is the order in which
    // the form declares its controls; null after the last.
    Control* NextInTabOrder(const Control& control) const;
    void WindowClosedByUser();
    void WindowResized();

    std::vector<Component*> components_;
    FormWindow* window_ = nullptr;
    QEventLoop* modalLoop_ = nullptr;
    bool unloading_ = false;
};

namespace detail {
Form* FindForm(std::type_index type);
Form& AdoptForm(std::type_index type, std::unique_ptr<Form> form);
}  // namespace detail

// The single instance of form T, created on first use and loaded (not shown).
template <class T>
T& Get()
{
    Form* found = detail::FindForm(typeid(T));
    T& form = found ? static_cast<T&>(*found) : static_cast<T&>(detail::AdoptForm(typeid(T), std::make_unique<T>()));
    form.Load();
    return form;
}

// Unloads every loaded form (the program ends when none is left).
void UnloadAll();

}  // namespace forms
