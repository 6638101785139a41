#include "Categories.h"

namespace framework {

Categories::Categories()
{
    static const char* const standard[] = {"Nil",  "Misc", "Font", "Position", "Appearance", "Behavior",
                                           "Data", "List", "Text", "Scale",    "DDE"};
    LONG id = -1;
    for (const char* name : standard)
        Add(name, id--);
}

LONG Categories::Add(const std::string& name, LONG id)
{
    ids_[name] = id;
    names_[id] = name;
    return id;
}

LONG Categories::AddNew(const std::string& name)
{
    return Add(name, ++counter_);
}

const std::string* Categories::NameOf(LONG id) const
{
    const auto found = names_.find(id);
    return found == names_.end() ? nullptr : &found->second;
}

LONG Categories::IdOf(const std::string& name)
{
    const auto found = ids_.find(name);
    return found == ids_.end() ? AddNew(name) : found->second;
}

}  // namespace framework
