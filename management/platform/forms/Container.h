#pragma once

class QWidget;

namespace forms {

class Form;

// What controls can be placed on: a form, a frame or a picture box.
class Container {
public:
    virtual ~Container() = default;
    virtual Form& OwnerForm() = 0;
    // The widget the contained controls are children of (loads the form).
    virtual QWidget* Surface() = 0;
};

}  // namespace forms
