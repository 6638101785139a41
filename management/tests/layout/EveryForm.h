// Every form of the program, by name, and a fresh program folder to load
// them in.
#pragma once

#include "forms/Form.h"
#include "forms/TestSeam.h"

#include <QTemporaryDir>

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

// Empty databases in a temporary program folder, and the test seam.
class ProgramFolder {
public:
    ProgramFolder();

private:
    QTemporaryDir dir_;
    forms::test::Seam seam_;
};
