// The program's start on a folder, in a process of its own:
//
//   start_program FOLDER [--unprivileged]
//
// The message boxes it shows go to the standard output, one a line as
// "box STYLE: TEXT" (the lines of a text joined by " | "), and it ends with
// the start's status. Its menu writes one advertiser into Dorna.MDB in a
// transaction, as the menu's readjustment writes there at every start. With
// --unprivileged, when run by root, it first becomes the ordinary user
// nobody, whom file modes bind as they bind station staff.
#include "forms/Application.h"
#include "forms/TestSeam.h"
#include "jet/Engine.h"
#include "jet/Transaction.h"
#include "station/Databases.h"
#include "station/ProgramFolder.h"

#include <QString>

#include <cstdio>
#include <cstring>
#include <grp.h>
#include <unistd.h>

namespace {

constexpr uid_t nobody = 65534;

void WriteAnAdvertiser()
{
    jet::Transaction transaction;
    jet::DBEngine()
        .OpenDatabase(DornaPath())
        .Execute(QStringLiteral(
            "INSERT INTO CLIENTES (NUMERO,NOMBRE) SELECT COALESCE(MAX(NUMERO),0)+1,'Arranque' FROM CLIENTES"));
    transaction.Commit();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    if (argc > 2 && std::strcmp(argv[2], "--unprivileged") == 0 && ::geteuid() == 0
        && (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)) {
        std::perror("setuid");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    qputenv("VARNOOK_DATA_DIR", folder.toLocal8Bit());
    int status = 0;
    {
        forms::Application application(argc, argv);
        forms::test::Seam seam;
        status = application.Run([&folder] { StartWithDatabases(folder, WriteAnAdvertiser); });
        for (const forms::test::Message& message : forms::test::Messages())
            std::printf("box %d: %s\n", message.Buttons,
                        qPrintable(QString(message.Prompt).replace(QLatin1Char('\n'), QStringLiteral(" | "))));
    }
    return status;
}
