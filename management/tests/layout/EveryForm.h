// Every form of the program, by name.
#pragma once

#include "forms/Form.h"

#include <functional>
#include <ostream>
#include <vector>

struct FormEntry {
    const char* name;
    // The form's single instance, loaded and not shown.
    std::function<forms::Form&()> get;
};

inline std::ostream& operator<<(std::ostream& out, const FormEntry& entry)
{
    return out << entry.name;
}

const std::vector<FormEntry>& EveryForm();
