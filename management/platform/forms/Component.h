#pragma once

namespace forms {

class Form;

// Something a form owns that exists only while the form is loaded: it is
// created when the form loads and returns to its design state when it unloads.
class Component {
public:
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component();

    Form& Parent() const { return form_; }

protected:
    explicit Component(Form& form);

private:
    friend class Form;
    virtual void Create() = 0;
    virtual void Destroy() = 0;

    Form& form_;
};

}  // namespace forms
