#pragma once
// A table of property categories: the standard ones, and new ones numbered from 1 on.
#include <windows.h>

#include <map>
#include <string>

namespace framework {

class Categories
{
public:
    // Holds the eleven standard categories, "Nil" (-1) to "DDE" (-11).
    Categories();

    // Sets both directions; a name or id known already is overwritten.
    LONG Add(const std::string& name, LONG id);
    LONG AddNew(const std::string& name);
    // Null for an unknown id.
    const std::string* NameOf(LONG id) const;
    // An unknown name is added with a new id.
    LONG IdOf(const std::string& name);

private:
    std::map<std::string, LONG> ids_;
    std::map<LONG, std::string> names_;
    LONG counter_ = 0;
};

}  // namespace framework
