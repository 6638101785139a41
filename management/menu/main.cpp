#include "menu/F_Menu.h"
#include "station/Databases.h"
#include "station/ProgramFolder.h"

#include "forms/Application.h"
#include "forms/Form.h"

int main(int argc, char** argv)
{
    forms::Application application(argc, argv);
    // Loading the menu readjusts the blocks.
    return application.Run([] { StartWithDatabases(ProgramFolder(), [] { forms::Get<F_Menu>().Show(); }); });
}
