#include "forms/FormRegistry.h"

#include "forms/Form.h"
#include "forms/StandIn.h"

#include <QCoreApplication>

#include <unordered_map>

namespace forms {

namespace {

struct Registry {
    std::unordered_map<std::type_index, std::unique_ptr<Form>> forms;
    std::vector<Form*> order;  // creation order, for unloading and destroying
};

Registry& TheRegistry()
{
    static Registry registry;
    return registry;
}

}  // namespace

namespace detail {

Form* FindForm(std::type_index type)
{
    auto& forms = TheRegistry().forms;
    auto it = forms.find(type);
    return it == forms.end() ? nullptr : it->second.get();
}

Form& AdoptForm(std::type_index type, std::unique_ptr<Form> form)
{
    Registry& registry = TheRegistry();
    Form& adopted = *form;
    registry.order.push_back(&adopted);
    registry.forms.emplace(type, std::move(form));
    return adopted;
}

void DestroyAllForms()
{
    Registry& registry = TheRegistry();
    registry.order.clear();
    registry.forms.clear();
}

bool AnyFormLoaded()
{
    for (Form* form : TheRegistry().order)
        if (form->Loaded())
            return true;
    return false;
}

void FormUnloaded()
{
    if (!InstalledStandIn() && !AnyFormLoaded())
        QCoreApplication::quit();
}

}  // namespace detail

void UnloadAll()
{
    // Copy: unloading may create no forms, but handlers might.
    const std::vector<Form*> forms = TheRegistry().order;
    for (Form* form : forms)
        form->Unload();
}

}  // namespace forms
