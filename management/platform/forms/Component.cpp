#include "forms/Component.h"

#include "forms/Form.h"

namespace forms {

Component::Component(Form& form) : form_(form)
{
    form_.Register(this);
}

Component::~Component() = default;

}  // namespace forms
