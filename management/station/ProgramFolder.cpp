#include "station/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QString ProgramFolder()
{
    const QString configured = qEnvironmentVariable("VARNOOK_DATA_DIR");
    if (!configured.isEmpty())
        return QDir::cleanPath(configured);
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

QString DornaPath()
{
    return ProgramFolder() + QStringLiteral("/Dorna.MDB");
}

QString MusicaPath()
{
    return ProgramFolder() + QStringLiteral("/MUSICA.MDB");
}

QString ContinuidadPath()
{
    return ProgramFolder() + QStringLiteral("/CONTINUIDAD.MDB");
}
