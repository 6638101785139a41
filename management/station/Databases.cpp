#include "station/Databases.h"

#include "jet/CreateDatabaseFile.h"
#include "jet/Error.h"
#include "jet/Examine.h"
#include "jet/FilesAsFound.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <sys/stat.h>
#include <vector>

namespace {

// Times of day and dates are DATETIME (stored as "yyyy-MM-dd hh:mm:ss", a time
// of day on 1899-12-30); texts compare with the Spanish collation ES.
const QStringList dornaTables = {
    QStringLiteral("CREATE TABLE CLIENTES (NUMERO INTEGER NOT NULL UNIQUE, NOMBRE TEXT COLLATE ES, "
                   "TELEFONO TEXT COLLATE ES, DIRECCION TEXT COLLATE ES, NIF TEXT COLLATE ES, "
                   "POBLACION TEXT COLLATE ES, COMENTARIO TEXT COLLATE ES)"),
    QStringLiteral("CREATE TABLE PUBLICIDAD (ORDEN INTEGER NOT NULL UNIQUE, CLIENTE INTEGER, "
                   "CLIENTE_NOMBRE TEXT COLLATE ES, CAMPAÑA TEXT COLLATE ES, PERIODO DATETIME, "
                   "PERIODO2 DATETIME, CUÑA TEXT COLLATE ES, NOMBRE TEXT COLLATE ES, DURACION INTEGER, "
                   "DURACION_MOSTRAR TEXT COLLATE ES, VOZ TEXT COLLATE ES, COMENTARIO TEXT COLLATE ES, "
                   "EMISIONES INTEGER)"),
    QStringLiteral("CREATE TABLE PUBLICIDAD_CONTENIDO (ORDEN INTEGER, BLOQUE DATETIME, NUMERO INTEGER, "
                   "FICHERO TEXT COLLATE ES, NOMBRE TEXT COLLATE ES, TIEMPO INTEGER, "
                   "TIEMPO_VER TEXT COLLATE ES, FECHA1 DATETIME, FECHA2 DATETIME)"),
    QStringLiteral("CREATE INDEX PUBLICIDAD_CONTENIDO_BLOQUE ON PUBLICIDAD_CONTENIDO (BLOQUE, ORDEN)"),
    QStringLiteral("CREATE INDEX PUBLICIDAD_CONTENIDO_ORDEN ON PUBLICIDAD_CONTENIDO (ORDEN)"),
    QStringLiteral("CREATE INDEX PUBLICIDAD_CONTENIDO_FECHA1 ON PUBLICIDAD_CONTENIDO (FECHA1)"),
    QStringLiteral("CREATE TABLE DIAS (CONTRATO INTEGER, DIA DATETIME)"),
    QStringLiteral("CREATE INDEX DIAS_CONTRATO ON DIAS (CONTRATO, DIA)"),
    QStringLiteral("CREATE TABLE BLOQUES (HORA DATETIME NOT NULL UNIQUE, NOMBRE TEXT COLLATE ES, "
                   "DURACION DATETIME, PRIORITARIO INTEGER, TIEMPO INTEGER, TIEMPO_VER TEXT COLLATE ES)"),
    QStringLiteral("CREATE TABLE PROGRAMAS (HORA DATETIME, NOMBRE TEXT COLLATE ES, REALIZACION TEXT COLLATE ES, "
                   "TIEMPO INTEGER, TIEMPO_VER TEXT COLLATE ES)"),
    QStringLiteral("CREATE INDEX PROGRAMAS_HORA ON PROGRAMAS (HORA)"),
    QStringLiteral("CREATE TABLE PROGRAMAS_CONTENIDO (HORA DATETIME, NUMERO INTEGER, NOMBRE TEXT COLLATE ES, "
                   "FICHERO TEXT COLLATE ES, TIEMPO INTEGER, TIEMPO_VER TEXT COLLATE ES)"),
    QStringLiteral("CREATE INDEX PROGRAMAS_CONTENIDO_HORA ON PROGRAMAS_CONTENIDO (HORA, NUMERO)"),
    QStringLiteral("CREATE TABLE PROGRAMACION_NOMBRE (NOMBRE TEXT COLLATE ES, LUNES INTEGER, MARTES INTEGER, "
                   "MIERCOLES INTEGER, JUEVES INTEGER, VIERNES INTEGER, SABADO INTEGER, DOMINGO INTEGER)"),
    QStringLiteral("CREATE INDEX PROGRAMACION_NOMBRE_NOMBRE ON PROGRAMACION_NOMBRE (NOMBRE)"),
    QStringLiteral("CREATE TABLE PROGRAMACION (PROGRAMACION TEXT COLLATE ES, HORA DATETIME, TIPO TEXT COLLATE ES, "
                   "DESCRIPCION TEXT COLLATE ES, TIEMPO_VER TEXT COLLATE ES, FIN DATETIME, "
                   "FICHERO TEXT COLLATE ES, LUNES INTEGER, MARTES INTEGER, MIERCOLES INTEGER, "
                   "JUEVES INTEGER, VIERNES INTEGER, SABADO INTEGER, DOMINGO INTEGER)"),
    QStringLiteral("CREATE INDEX PROGRAMACION_NOMBRE_HORA ON PROGRAMACION (PROGRAMACION, HORA)"),
    QStringLiteral("CREATE INDEX PROGRAMACION_HORA ON PROGRAMACION (HORA)"),
    QStringLiteral("CREATE TABLE PROGRAMACION_TMP (PROGRAMACION TEXT COLLATE ES, HORA DATETIME, "
                   "TIPO TEXT COLLATE ES, DESCRIPCION TEXT COLLATE ES, TIEMPO_VER TEXT COLLATE ES, "
                   "FIN DATETIME, FICHERO TEXT COLLATE ES)"),
    QStringLiteral("CREATE INDEX PROGRAMACION_TMP_HORA ON PROGRAMACION_TMP (HORA)"),
};

const QStringList musicaTables = {
    QStringLiteral("CREATE TABLE CATALOGO (CODIGO INTEGER NOT NULL UNIQUE, TITULO TEXT COLLATE ES, "
                   "INTERPRETE TEXT COLLATE ES, ALBUN TEXT COLLATE ES, AÑO INTEGER, SLOT TEXT COLLATE ES, "
                   "TIPO TEXT COLLATE ES, RITMO TEXT COLLATE ES, ESTILO TEXT COLLATE ES, "
                   "FICHERO TEXT COLLATE ES, DURACION_VER TEXT COLLATE ES, INTRO INTEGER, "
                   "PRESENTACION1 TEXT COLLATE ES, PRESENTACION2 TEXT COLLATE ES, radiaciones INTEGER, "
                   "COMENTARIO TEXT COLLATE ES, estilo_n INTEGER, ritmo_n INTEGER, tipo_n INTEGER)"),
    QStringLiteral("CREATE TABLE INTERPRETE (NOMBRE TEXT COLLATE ES)"),
    QStringLiteral("CREATE INDEX INTERPRETE_NOMBRE ON INTERPRETE (NOMBRE)"),
    QStringLiteral("CREATE TABLE ALBUN (NOMBRE TEXT COLLATE ES)"),
    QStringLiteral("CREATE INDEX ALBUN_NOMBRE ON ALBUN (NOMBRE)"),
    QStringLiteral("CREATE TABLE ESTILOS (NOMBRE TEXT COLLATE ES)"),
    QStringLiteral("CREATE TABLE TIPO (NOMBRE TEXT COLLATE ES)"),
    QStringLiteral("CREATE TABLE RITMO (NOMBRE TEXT COLLATE ES)"),
};

const QStringList continuidadTables = {
    QStringLiteral("CREATE TABLE NOMBRE (NOMBRE TEXT COLLATE ES)"),
};

struct DatabaseFile {
    QString name;
    // The two files the program writes take the write-ahead log; the rotation
    // names are only read, so their file can live on read-only storage.
    // Every start rewrites Dorna.MDB's block totals and its programming rows
    // at their times in one go: in pages four times larger that takes a
    // quarter less time. The catalogue, read a row at a time behind long
    // lists, keeps SQLite's usual pages, which keep those lists small.
    jet::FileDesign design;

    jet::Use Use() const { return design.writeAheadLog ? jet::Use::ReadWrite : jet::Use::Read; }
};

const DatabaseFile databaseFiles[] = {
    {QStringLiteral("Dorna.MDB"), {16384, true, dornaTables}},
    {QStringLiteral("MUSICA.MDB"), {4096, true, musicaTables}},
    {QStringLiteral("CONTINUIDAD.MDB"), {4096, false, continuidadTables}},
};

const QString untouched = QStringLiteral("El programa termina sin modificar ningún archivo.");

// As on Windows, "dorna.mdb" is the same file as "Dorna.MDB": the name the
// file has in the folder, if it is there. Whatever stands at the name counts,
// a folder or a link as well as a file, so that it is never taken for a
// missing file and replaced.
std::optional<QString> EntryOf(const QDir& folder, const QString& name)
{
    if (QFileInfo(folder.filePath(name)).exists() || QFileInfo(folder.filePath(name)).isSymLink())
        return name;
    const QStringList entries = folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return std::nullopt;
}

QString PathOf(const QDir& folder, const DatabaseFile& file)
{
    return folder.filePath(EntryOf(folder, file.name).value_or(file.name));
}

QString Enumeration(QStringList names)
{
    const QString last = names.takeLast();
    return names.isEmpty() ? last : names.join(QStringLiteral(", ")) + QStringLiteral(" y ") + last;
}

// What the file lacks of the tables and columns its statements create, one
// line for each table; none when it lacks nothing.
QStringList Missing(const QString& path, const QStringList& statements, const jet::FileContents& contents)
{
    static const QRegularExpression createTable(QStringLiteral("^CREATE TABLE (\\S+) \\((.*)\\)$"));
    QStringList missingTables;
    QStringList lines;
    for (const QString& statement : statements) {
        const QRegularExpressionMatch table = createTable.match(statement);
        if (!table.hasMatch())
            continue;
        const QString name = table.captured(1);
        const auto found = std::find_if(contents.tables.begin(), contents.tables.end(), [&](const auto& held) {
            return held.table.compare(name, Qt::CaseInsensitive) == 0;
        });
        if (found == contents.tables.end()) {
            missingTables << name;
            continue;
        }
        QStringList missingColumns;
        for (const QString& definition : table.captured(2).split(QStringLiteral(", "))) {
            const QString column = definition.section(QLatin1Char(' '), 0, 0);
            if (!found->columns.contains(column, Qt::CaseInsensitive))
                missingColumns << column;
        }
        if (missingColumns.size() == 1)
            lines << QStringLiteral("En la base de datos «%1», a la tabla %2 le falta el campo %3.")
                         .arg(path, name, missingColumns.first());
        else if (!missingColumns.isEmpty())
            lines << QStringLiteral("En la base de datos «%1», a la tabla %2 le faltan los campos %3.")
                         .arg(path, name, Enumeration(missingColumns));
    }
    if (missingTables.size() == 1)
        lines.prepend(QStringLiteral("A la base de datos «%1» le falta la tabla %2.").arg(path, missingTables.first()));
    else if (!missingTables.isEmpty())
        lines.prepend(
            QStringLiteral("A la base de datos «%1» le faltan las tablas %2.").arg(path, Enumeration(missingTables)));
    return lines;
}

// What is wrong with a file that holds something, one line for each fault;
// none when it can be used as it is.
QStringList Problems(const QString& path, const DatabaseFile& file, const jet::FileContents& contents)
{
    switch (contents.state) {
    case jet::FileState::NotADatabase: return {QStringLiteral("El archivo «%1» no es una base de datos.").arg(path)};
    case jet::FileState::Damaged: return {QStringLiteral("La base de datos «%1» está dañada.").arg(path)};
    case jet::FileState::OnlyInItsLog:
        return {QStringLiteral("La base de datos «%1» no tiene ningún byte, pero su registro «%2» sí: puede ser la "
                               "única copia de sus datos.")
                    .arg(path, QFileInfo(path).canonicalFilePath() + QStringLiteral("-wal"))};
    case jet::FileState::Empty:
    case jet::FileState::Interrupted:
    case jet::FileState::Database: break;
    }
    return Missing(path, file.design.statements, contents);
}

// The folder and those above it that it takes, the highest first; none when
// it is there.
QStringList FoldersToMake(const QString& folder)
{
    QStringList missing;
    for (QFileInfo level(QDir::cleanPath(QDir(folder).absolutePath())); !level.exists() && !level.isSymLink();
         level = QFileInfo(level.absolutePath()))
        missing.prepend(level.absoluteFilePath());
    return missing;
}

// Takes away the folders a start given up made, as long as they are empty.
void RemoveFolders(const QStringList& made)
{
    for (auto folder = made.rbegin(); folder != made.rend(); ++folder)
        if (!QDir().rmdir(*folder))
            return;
}

void MakeFolders(const QString& folder, const QStringList& missing)
{
    const QFileInfo standing(folder);
    if (standing.exists() && !standing.isDir())
        throw jet::Error(
            QStringLiteral("«%1» no es una carpeta: es donde el programa guarda sus bases de datos.\n").arg(folder)
            + untouched);
    for (const QString& level : missing) {
        if (::mkdir(QFile::encodeName(level).constData(), 0777) == 0 || errno == EEXIST)
            continue;
        const int error = errno;
        RemoveFolders(missing.mid(0, missing.indexOf(level)));
        QString cause = QStringLiteral("error %1 del sistema").arg(error);
        if (error == EACCES || error == EPERM || error == EROFS)
            cause = QStringLiteral("la carpeta «%1» es de solo lectura").arg(QFileInfo(level).absolutePath());
        else if (error == ENOSPC)
            cause = QStringLiteral("el disco está lleno");
        else if (error == ENOTDIR)
            cause = QStringLiteral("«%1» no es una carpeta").arg(QFileInfo(level).absolutePath());
        throw jet::Error(QStringLiteral("No se puede crear la carpeta de datos «%1»: %2.\n").arg(folder, cause)
                         + untouched);
    }
}

// The files as they are now, one for each database file, to take away what
// a start given up made.
std::vector<jet::FilesAsFound> AsFound(const QDir& folder)
{
    std::vector<jet::FilesAsFound> found;
    for (const DatabaseFile& file : databaseFiles)
        found.emplace_back(PathOf(folder, file));
    return found;
}

void TakeAwayWhatWasMade(const std::vector<jet::FilesAsFound>& found, const QStringList& folders)
{
    for (const jet::FilesAsFound& files : found)
        files.TakeAwayWhatWasMade();
    RemoveFolders(folders);
}

// Looks at every file before any is made, so that a refused start leaves the
// folder as it was; the files to make.
std::vector<const DatabaseFile*> Check(const QDir& directory)
{
    QStringList problems;
    std::vector<const DatabaseFile*> toCreate;
    std::vector<std::pair<const DatabaseFile*, QString>> interrupted;
    for (const DatabaseFile& file : databaseFiles) {
        const std::optional<QString> entry = EntryOf(directory, file.name);
        if (!entry) {
            toCreate.push_back(&file);
            continue;
        }
        const QString path = directory.filePath(*entry);
        try {
            const jet::FileContents contents = jet::Examine(path, file.Use());
            if (contents.state == jet::FileState::Empty)
                toCreate.push_back(&file);
            else if (contents.state == jet::FileState::Interrupted)
                interrupted.emplace_back(&file, path);
            else
                problems << Problems(path, file, contents);
        } catch (const jet::Error& error) {
            problems << error.Text();
        }
    }
    // A change a crash left half made is undone, as any opening of the file
    // would, once nothing else stands in the way; then the file is looked at.
    for (const auto& [file, path] : interrupted) {
        if (!problems.isEmpty())
            break;
        try {
            jet::Recover(path);
            problems << Problems(path, *file, jet::Examine(path, file->Use()));
        } catch (const jet::Error& error) {
            problems << error.Text();
        }
    }
    // One read-only folder is said once, whatever file stands in it.
    problems.removeDuplicates();
    if (!problems.isEmpty())
        throw jet::Error(problems.join(QLatin1Char('\n')) + QLatin1Char('\n') + untouched);
    return toCreate;
}

}  // namespace

void StartWithDatabases(const QString& folder, const std::function<void()>& menu)
{
    const QStringList folders = FoldersToMake(folder);
    MakeFolders(folder, folders);
    const QDir directory(folder);
    std::vector<jet::FilesAsFound> found = AsFound(directory);
    std::vector<const DatabaseFile*> toCreate;
    try {
        toCreate = Check(directory);
    } catch (...) {
        RemoveFolders(folders);
        throw;
    }
    try {
        for (const DatabaseFile* file : toCreate)
            if (jet::CreateDatabaseFile(PathOf(directory, *file), file->design))
                found[size_t(file - databaseFiles)].FileMade();
        menu();
    } catch (const jet::Error& error) {
        TakeAwayWhatWasMade(found, folders);
        throw jet::Error(error.Text() + QLatin1Char('\n') + untouched);
    } catch (...) {
        TakeAwayWhatWasMade(found, folders);
        throw;
    }
}

void CreateMissingDatabases(const QString& folder)
{
    StartWithDatabases(folder, [] {});
}
