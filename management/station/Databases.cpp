#include "station/Databases.h"

#include "jet/Engine.h"
#include "jet/Error.h"
#include "jet/Examine.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <optional>
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
    const QStringList& statements;
    // The two files the program writes take the write-ahead log; the rotation
    // names are only read, so their file can live on read-only storage.
    bool writeAheadLog;
    // Bytes a page. Every start rewrites Dorna.MDB's block totals and its
    // programming rows at their times in one go: in pages four times larger
    // that takes a quarter less time. The catalogue, read a row at a time
    // behind long lists, keeps SQLite's usual pages, which keep those lists
    // small.
    int pageSize;
};

const DatabaseFile databaseFiles[] = {
    {QStringLiteral("Dorna.MDB"), dornaTables, true, 16384},
    {QStringLiteral("MUSICA.MDB"), musicaTables, true, 4096},
    {QStringLiteral("CONTINUIDAD.MDB"), continuidadTables, false, 4096},
};

// As on Windows, "dorna.mdb" is the same file as "Dorna.MDB": the name the
// file has in the folder, if it is there.
std::optional<QString> EntryOf(const QDir& folder, const QString& name)
{
    const QStringList entries = folder.entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    return std::nullopt;
}

void RemoveFile(const QString& path)
{
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(path + QLatin1String(suffix));
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
        lines.prepend(QStringLiteral("A la base de datos «%1» le faltan las tablas %2.")
                          .arg(path, Enumeration(missingTables)));
    return lines;
}

// What is wrong with a file that holds something, one line for each fault;
// none when it can be used as it is.
QStringList Problems(const QString& path, const DatabaseFile& file, const jet::FileContents& contents)
{
    switch (contents.state) {
    case jet::FileState::NotADatabase:
        return {QStringLiteral("El archivo «%1» no es una base de datos.").arg(path)};
    case jet::FileState::Damaged:
        return {QStringLiteral("La base de datos «%1» está dañada.").arg(path)};
    case jet::FileState::Empty:
    case jet::FileState::Database:
        break;
    }
    return Missing(path, file.statements, contents);
}

void Create(const QDir& folder, const DatabaseFile& file, const QString& name)
{
    const QString target = folder.filePath(name);
    // Each program builds under its own name: two starting at once do not mix.
    const QString building
        = folder.filePath(QStringLiteral(".%1.%2.nuevo").arg(name).arg(QCoreApplication::applicationPid()));
    RemoveFile(building);
    try {
        jet::Database database = jet::DBEngine().CreateDatabase(building);
        // Before anything is written: the size is fixed by the first page.
        database.Execute(QStringLiteral("PRAGMA page_size=%1").arg(file.pageSize));
        if (file.writeAheadLog)
            database.Execute(QStringLiteral("PRAGMA journal_mode=WAL"));
        database.Execute(QStringLiteral("BEGIN"));
        for (const QString& statement : file.statements)
            database.Execute(statement);
        database.Execute(QStringLiteral("COMMIT"));
    } catch (...) {
        RemoveFile(building);
        throw;
    }
    // A file of no bytes holds nothing to lose; one that another program has
    // just made stays.
    const QFileInfo existing(target);
    if (existing.exists() && existing.size() == 0)
        RemoveFile(target);
    if (!QFile::rename(building, target)) {
        RemoveFile(building);
        if (EntryOf(folder, name))   // another program made it meanwhile
            return;
        throw jet::Error(QStringLiteral("No se puede crear la base de datos «%1».").arg(target));
    }
}

} // namespace

void CreateMissingDatabases(const QString& folder)
{
    const QDir directory(folder);
    if (!directory.exists() && !QDir().mkpath(folder))
        throw jet::Error(QStringLiteral("No se puede crear la carpeta de datos «%1».").arg(folder));
    // Every file is looked at before any is made, so a refused start leaves
    // the folder as it was.
    QStringList problems;
    std::vector<std::pair<const DatabaseFile*, QString>> toCreate;
    for (const DatabaseFile& file : databaseFiles) {
        const std::optional<QString> entry = EntryOf(directory, file.name);
        if (!entry) {
            toCreate.emplace_back(&file, file.name);
            continue;
        }
        const QString path = directory.filePath(*entry);
        try {
            const jet::FileContents contents = jet::Examine(path);
            if (contents.state == jet::FileState::Empty)
                toCreate.emplace_back(&file, *entry);
            else
                problems << Problems(path, file, contents);
        } catch (const jet::Error& error) {
            problems << error.Text();
        }
    }
    if (!problems.isEmpty())
        throw jet::Error(problems.join(QLatin1Char('\n'))
                         + QStringLiteral("\nEl programa termina sin modificar ningún archivo."));
    for (const auto& [file, name] : toCreate)
        Create(directory, *file, name);
}
