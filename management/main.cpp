#include "Databases.h"
#include "F_Menu.h"
#include "ProgramFolder.h"

#include "forms/Application.h"
#include "forms/Form.h"

int main(int argc, char** argv)
{
    forms::Application application(argc, argv);
    return application.Run([] {
        CreateMissingDatabases(ProgramFolder());
        forms::Get<F_Menu>().Show();
    });
}
