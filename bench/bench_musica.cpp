// Opens the catalogue editor on a catalogue of 100 000 songs and 5 000
// performers: prints how long loading F_Musica takes (its data control over
// CATALOGO and its three lists), loading a song by code (the first and a later
// time) and proposing a new code, and the memory in use. Targets: under 1 s and 200 MB.
#include "F_Musica.h"

#include "Databases.h"
#include "ProgramFolder.h"
#include "SqlTexto.h"

#include "forms/Application.h"
#include "jet/Engine.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kCanciones = 100000;
constexpr int kInterpretes = 5000;
constexpr int kAlbunes = 10000;
constexpr int kNombresPorLista = 40;
constexpr int kFilasPorInsert = 1000;

// Inserts filas rows, many per statement; fila(i) gives the values of row i.
template <class Fila>
void Insertar(jet::Database& db, const QString& cabecera, int filas, Fila fila)
{
    for (int primera = 0; primera < filas; primera += kFilasPorInsert) {
        QStringList valores;
        for (int i = primera; i < std::min(filas, primera + kFilasPorInsert); ++i)
            valores << "(" + fila(i) + ")";
        db.Execute(cabecera + " VALUES " + valores.join(','));
    }
}

void Llenar()
{
    jet::Database db = jet::DBEngine().OpenDatabase(MusicaPath());
    Insertar(db, "INSERT INTO INTERPRETE (NOMBRE)", kInterpretes,
             [](int i) { return SqlTexto("Intérprete " + QString::number(i)); });
    Insertar(db, "INSERT INTO ALBUN (NOMBRE)", kAlbunes,
             [](int i) { return SqlTexto("Albún " + QString::number(i)); });
    for (const QString tabla : {"ESTILOS", "TIPO", "RITMO"})
        Insertar(db, "INSERT INTO " + tabla + " (NOMBRE)", kNombresPorLista,
                 [&tabla](int i) { return SqlTexto(tabla + " " + QString::number(i)); });
    Insertar(db,
             "INSERT INTO CATALOGO (CODIGO,TITULO,INTERPRETE,ALBUN,AÑO,SLOT,TIPO,RITMO,ESTILO,FICHERO,"
             "DURACION_VER,INTRO,PRESENTACION1,PRESENTACION2,radiaciones,COMENTARIO,estilo_n,ritmo_n,tipo_n)",
             kCanciones, [](int i) {
                 const QString lista = QString::number(i % kNombresPorLista);
                 return QStringList{QString::number(i + 1),
                                    SqlTexto("Canción número " + QString::number(i + 1)),
                                    SqlTexto("Intérprete " + QString::number(i % kInterpretes)),
                                    SqlTexto("Albún " + QString::number(i % kAlbunes)),
                                    QString::number(1960 + i % 60),
                                    "''",
                                    SqlTexto("TIPO " + lista),
                                    SqlTexto("RITMO " + lista),
                                    SqlTexto("ESTILOS " + lista),
                                    SqlTexto("/musica/archivo/" + QString::number(i + 1) + ".mp3"),
                                    "'00:03:30'",
                                    QString::number(i % 30),
                                    "'-Vacio-'",
                                    "'-Vacio-'",
                                    "0",
                                    "''",
                                    lista,
                                    lista,
                                    lista}
                     .join(',');
             });
}

// A line of /proc/self/status in megabytes ("VmRSS", "VmHWM").
double Megas(const char* clave)
{
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& linea : status.readAll().split('\n'))
        if (linea.startsWith(clave))
            return linea.mid(linea.indexOf(':') + 1).trimmed().split(' ').first().toDouble() / 1024;
    return -1;
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("VARNOOK_SOUND_OUTPUT"))
        qputenv("VARNOOK_SOUND_OUTPUT", "silent");
    QTemporaryDir carpeta;
    qputenv("VARNOOK_DATA_DIR", carpeta.path().toUtf8());
    CreateMissingDatabases(carpeta.path());
    Llenar();
    forms::Application aplicacion(argc, argv);

    const double antes = Megas("VmRSS");
    QElapsedTimer reloj;
    reloj.start();
    F_Musica& f = forms::Get<F_Musica>();
    const double carga = double(reloj.nsecsElapsed()) / 1e6;
    const double despues = Megas("VmRSS");

    // Buscar twice: the first search of the data control's rows and a later one.
    double busquedas[2] = {};
    const double codigos[2] = {kCanciones - 1, 2};
    for (int i = 0; i < 2; ++i) {
        double codigo = codigos[i];
        reloj.restart();
        f.Buscar(codigo);
        busquedas[i] = double(reloj.nsecsElapsed()) / 1e6;
    }
    const QString titulo = f.T_Titulo.Text();

    reloj.restart();
    f.B_Añadir.OnClick();
    const double propuesta = double(reloj.nsecsElapsed()) / 1e6;

    std::printf("catalogue: %d songs, %d performers, %d albums\n", kCanciones, kInterpretes, kAlbunes);
    std::printf("F_Musica load: %.1f ms (target < 1000 ms)\n", carga);
    std::printf("Buscar: first %.1f ms, next %.1f ms (title \"%s\")\n", busquedas[0], busquedas[1],
                qPrintable(titulo));
    std::printf("code proposal: %.1f ms (code %s)\n", propuesta, qPrintable(f.T_Codigo.Text()));
    std::printf("memory: %.1f MB after load (%.1f MB for the form), %.1f MB after Buscar, peak %.1f MB "
                "(target < 200 MB)\n",
                despues, despues - antes, Megas("VmRSS"), Megas("VmHWM"));
    forms::UnloadAll();
    return 0;
}
