// The music catalogue at a station's size: for 100 000 and for 1 000 000
// songs (or the count given as argument), prints how long the catalogue
// editor takes to load, to find a song by code the first time and a later
// time and to propose a new code, how long the music search takes to open
// with every song, to scroll to the last one and to follow a title typed
// letter by letter (its first letter, shared by every title, is the slowest
// key: the whole catalogue sorted by title), and the peak memory of all
// that; beside each, the same reads through the engine alone and on raw
// SQLite in the same run, and the ratio of those two. Targets: first search under 50 ms at 100 000 songs and under
// 100 ms at 1 000 000, peak under 60 MB and 150 MB, the search opening under
// 300 ms at 100 000. Build it optimised (CMAKE_BUILD_TYPE=Release).
#include "Measure.h"
#include "music/F_Buscar_Musica.h"
#include "music/F_Musica.h"

#include "station/Databases.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

#include "forms/Application.h"
#include "jet/Engine.h"

#include <QApplication>
#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QWidget>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kInterpretes = 5000;
constexpr int kAlbunes = 10000;
constexpr int kNombresPorLista = 40;
constexpr int kFilasPorInsert = 1000;
constexpr int kFilasVisibles = 30;

// Inserts filas rows through the engine, many per statement.
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

// The lists through the engine (their indexes need its collation), the songs
// straight into SQLite, which is quicker at a million.
bool Llenar(int canciones)
{
    {
        jet::Database db = jet::DBEngine().OpenDatabase(MusicaPath());
        Insertar(db, "INSERT INTO INTERPRETE (NOMBRE)", kInterpretes,
                 [](int i) { return SqlTexto("Intérprete " + QString::number(i)); });
        Insertar(db, "INSERT INTO ALBUN (NOMBRE)", kAlbunes,
                 [](int i) { return SqlTexto("Albún " + QString::number(i)); });
        for (const QString tabla : {"ESTILOS", "TIPO", "RITMO"})
            Insertar(db, "INSERT INTO " + tabla + " (NOMBRE)", kNombresPorLista,
                     [&tabla](int i) { return SqlTexto(tabla + " " + QString::number(i)); });
    }
    sqlite3* db = nullptr;
    if (sqlite3_open(QFile::encodeName(MusicaPath()).constData(), &db) != SQLITE_OK)
        return false;
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    sqlite3_prepare_v2(db,
                       "INSERT INTO CATALOGO (CODIGO,TITULO,INTERPRETE,ALBUN,AÑO,SLOT,TIPO,RITMO,ESTILO,FICHERO,"
                       "DURACION_VER,INTRO,PRESENTACION1,PRESENTACION2,radiaciones,COMENTARIO,estilo_n,ritmo_n,tipo_n) "
                       "VALUES (?1,'Canción número '||?1,'Intérprete '||(?1%5000),'Albún '||(?1%10000),1960+?1%60,'',"
                       "'TIPO '||(?1%40),'RITMO '||(?1%40),'ESTILOS '||(?1%40),'/musica/archivo/'||?1||'.mp3',"
                       "'00:03:30',?1%30,'-Vacio-','-Vacio-',0,'',?1%40,?1%40,?1%40)",
                       -1, &insert, nullptr);
    for (int codigo = 1; codigo <= canciones; ++codigo) {
        sqlite3_bind_int(insert, 1, codigo);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    const bool hecho = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
    sqlite3_close(db);
    return hecho;
}

// The same reads on a plain SQLite connection. The lists are ordered by a
// byte-wise stand-in for the engine's Spanish collation.
class SqliteSolo {
public:
    SqliteSolo()
    {
        sqlite3_open_v2(QFile::encodeName(MusicaPath()).constData(), &db_, SQLITE_OPEN_READWRITE, nullptr);
        sqlite3_create_collation(db_, "ES", SQLITE_UTF8, nullptr,
                                 [](void*, int la, const void* a, int lb, const void* b) {
                                     const int c = std::memcmp(a, b, size_t(std::min(la, lb)));
                                     return c != 0 ? c : la - lb;
                                 });
    }
    ~SqliteSolo() { sqlite3_close(db_); }

    // Steps up to filas rows (all when negative), reading every column.
    int Leer(const char* sql, int filas = -1, int parametro = 0)
    {
        sqlite3_stmt* consulta = nullptr;
        sqlite3_prepare_v2(db_, sql, -1, &consulta, nullptr);
        if (parametro)
            sqlite3_bind_int(consulta, 1, parametro);
        int leidas = 0;
        while ((filas < 0 || leidas < filas) && sqlite3_step(consulta) == SQLITE_ROW) {
            for (int c = 0; c < sqlite3_column_count(consulta); ++c)
                sqlite3_column_text(consulta, c);
            ++leidas;
        }
        sqlite3_finalize(consulta);
        return leidas;
    }

private:
    sqlite3* db_ = nullptr;
};

const char* const kCatalogo = "SELECT * FROM CATALOGO ORDER BY CODIGO";
const char* const kPorCodigo = "SELECT * FROM CATALOGO WHERE CODIGO=?";
const char* const kBusqueda =
    "SELECT CODIGO,TITULO,INTERPRETE,ALBUN,DURACION_VER,AÑO,ESTILO,TIPO,RITMO,SLOT,FICHERO,PRESENTACION1,"
    "PRESENTACION2,INTRO FROM CATALOGO ORDER BY CODIGO";
// The first key of a title, when every title starts with it: the slowest.
const char* const kPorTituloMotor =
    "SELECT CODIGO,TITULO,INTERPRETE,ALBUN,DURACION_VER,AÑO,ESTILO,TIPO,RITMO,SLOT,FICHERO,PRESENTACION1,"
    "PRESENTACION2,INTRO FROM CATALOGO WHERE TITULO LIKE 'C*' ORDER BY TITULO";
const char* const kPorTituloSolo =
    "SELECT CODIGO,TITULO,INTERPRETE,ALBUN,DURACION_VER,AÑO,ESTILO,TIPO,RITMO,SLOT,FICHERO,PRESENTACION1,"
    "PRESENTACION2,INTRO FROM CATALOGO WHERE TITULO LIKE 'C%' ORDER BY TITULO";
const char* const kBusquedaAlReves =
    "SELECT CODIGO,TITULO,INTERPRETE,ALBUN,DURACION_VER,AÑO,ESTILO,TIPO,RITMO,SLOT,FICHERO,PRESENTACION1,"
    "PRESENTACION2,INTRO FROM CATALOGO ORDER BY CODIGO DESC";

// The same reads through the engine alone, without the forms around them.
struct MotorSolo {
    jet::Database db = jet::DBEngine().OpenDatabase(MusicaPath());
    jet::Recordset catalogo;

    static void LeerCampos(jet::Recordset& filas)
    {
        for (int c = 0; c < filas.FieldCount(); ++c)
            filas.Fields(c).Value().toString();
    }
    void Buscar(int codigo)
    {
        catalogo.FindFirst("CODIGO=" + QString::number(codigo));
        LeerCampos(catalogo);
    }
    static void LeerFilas(jet::Recordset& filas, int desde, int hasta)
    {
        for (int r = std::max(desde, 0); r < hasta; ++r)
            for (int c = 0; c < filas.FieldCount(); ++c)
                filas.ValueAt(r, c).toString();
    }
};

struct Tiempos {
    double formulario;
    double motor;
    double solo;
};

void Linea(const char* que, const Tiempos& t, const char* objetivo = "")
{
    std::printf("  %-32s %9.1f ms %9.2f ms %9.2f ms %8.1f   %s\n", que, t.formulario, t.motor, t.solo,
                t.solo > 0 ? t.motor / t.solo : 0.0, objetivo);
}

int Medir(int argc, char** argv, int canciones)
{
    QTemporaryDir carpeta;
    qputenv("VARNOOK_DATA_DIR", carpeta.path().toUtf8());
    CreateMissingDatabases(carpeta.path());
    QElapsedTimer llenado;
    llenado.start();
    if (!Llenar(canciones)) {
        std::fprintf(stderr, "could not fill %s\n", qPrintable(MusicaPath()));
        return 1;
    }
    const double msLlenado = double(llenado.elapsed());
    forms::Application aplicacion(argc, argv);
    const double antes = StatusMegabytes("VmRSS");
    ForgetPeak();

    F_Musica* editor = nullptr;
    const double carga = Milliseconds([&] { editor = &forms::Get<F_Musica>(); });
    F_Musica& f = *editor;
    double codigoFinal = canciones - 1;
    double codigoLuego = 2;
    const double primera = Milliseconds([&] { f.Buscar(codigoFinal); });
    const QString titulo = f.T_Titulo.Text();
    const double luego = Milliseconds([&] { f.Buscar(codigoLuego); });
    const double propuesta = Milliseconds([&] { f.B_Añadir.OnClick(); });
    const QString codigoPropuesto = f.T_Codigo.Text();

    F_Buscar_Musica* busqueda = nullptr;
    const double apertura = Milliseconds([&] {
        busqueda = &forms::Get<F_Buscar_Musica>();
        busqueda->Show();
        QApplication::processEvents();
    });
    QWidget* lista = busqueda->LISTA.Widget();
    const double alFinal = Milliseconds([&] {
        QKeyEvent fin(QEvent::KeyPress, Qt::Key_End, Qt::NoModifier);
        QApplication::sendEvent(lista, &fin);
        QApplication::processEvents();
    });
    const QString ultima = busqueda->LISTA.TextMatrix(busqueda->LISTA.Row(), 1);
    const int filasLista = busqueda->LISTA.Rows() - 1;
    // Typing a title letter by letter: each key searches the whole catalogue anew.
    busqueda->Combo.ListIndex(1);
    const QString tecleado = QStringLiteral("Canción número 77");
    double teclaMasLenta = 0;
    for (int letras = 1; letras <= tecleado.size(); ++letras)
        teclaMasLenta = std::max(teclaMasLenta, Milliseconds([&] {
                                     busqueda->Text1.Text(tecleado.left(letras));
                                     QApplication::processEvents();
                                 }));
    const int filasTecleadas = busqueda->LISTA.Rows() - 1;
    const double pico = StatusMegabytes("VmHWM");
    const double despues = StatusMegabytes("VmRSS");
    forms::UnloadAll();

    MotorSolo motor;
    const double motorCarga = Milliseconds([&] {
        motor.catalogo = motor.db.OpenRecordset(kCatalogo);
        MotorSolo::LeerCampos(motor.catalogo);
        for (const char* nombres :
             {"SELECT NOMBRE FROM ESTILOS ORDER BY NOMBRE", "SELECT NOMBRE FROM TIPO ORDER BY NOMBRE",
              "SELECT NOMBRE FROM RITMO ORDER BY NOMBRE"}) {
            jet::Recordset nombresLeidos = motor.db.OpenRecordset(nombres);
            MotorSolo::LeerFilas(nombresLeidos, 0, nombresLeidos.RecordCount());
        }
    });
    const double motorPrimera = Milliseconds([&] { motor.Buscar(canciones - 1); });
    const double motorLuego = Milliseconds([&] { motor.Buscar(2); });
    const double motorPropuesta = Milliseconds([&] {
        if (motor.catalogo.RecordCount() > 0) {
            motor.catalogo.MoveLast();
            motor.catalogo.Fields("CODIGO").Value().toString();
        }
    });
    jet::Recordset canciones14;
    const double motorApertura = Milliseconds([&] {
        canciones14 = motor.db.OpenRecordset(kBusqueda);
        MotorSolo::LeerFilas(canciones14, 0, std::min(canciones14.RecordCount(), kFilasVisibles));
    });
    const double motorFinal = Milliseconds([&] {
        const int todas = canciones14.RecordCount();
        MotorSolo::LeerFilas(canciones14, todas - kFilasVisibles, todas);
    });
    const double motorTecla = Milliseconds([&] {
        jet::Recordset porTitulo = motor.db.OpenRecordset(QString::fromUtf8(kPorTituloMotor));
        MotorSolo::LeerFilas(porTitulo, 0, std::min(porTitulo.RecordCount(), kFilasVisibles));
    });

    SqliteSolo solo;
    const double soloCarga = Milliseconds([&] {
        solo.Leer(kCatalogo, 1);
        for (const char* nombres :
             {"SELECT NOMBRE FROM ESTILOS ORDER BY NOMBRE", "SELECT NOMBRE FROM TIPO ORDER BY NOMBRE",
              "SELECT NOMBRE FROM RITMO ORDER BY NOMBRE"})
            solo.Leer(nombres);
    });
    const double soloPrimera = Milliseconds([&] { solo.Leer(kPorCodigo, -1, canciones - 1); });
    const double soloLuego = Milliseconds([&] { solo.Leer(kPorCodigo, -1, 2); });
    const double soloPropuesta = Milliseconds([&] {
        solo.Leer("SELECT count(*) FROM CATALOGO");
        solo.Leer("SELECT CODIGO FROM CATALOGO ORDER BY CODIGO DESC", 1);
    });
    // The search opens its rows anew, as its own connection would.
    SqliteSolo otro;
    const double soloApertura = Milliseconds([&] {
        otro.Leer("SELECT count(*) FROM CATALOGO");
        otro.Leer(kBusqueda, kFilasVisibles);
    });
    const double soloFinal = Milliseconds([&] { otro.Leer(kBusquedaAlReves, kFilasVisibles); });
    const double soloTecla = Milliseconds([&] {
        otro.Leer("SELECT count(*) FROM CATALOGO WHERE TITULO LIKE 'C%'");
        otro.Leer(kPorTituloSolo, kFilasVisibles);
    });

    const bool millon = canciones >= 1000000;
    std::printf("catalogue of %d songs, %d performers, %d albums (filled in %.1f s)\n", canciones, kInterpretes,
                kAlbunes, msLlenado / 1000);
    std::printf("  %-32s %12s %12s %12s %8s\n", "", "form", "engine", "raw SQLite", "engine/raw");
    Linea("catalogue editor load", {carga, motorCarga, soloCarga});
    Linea("first search by code", {primera, motorPrimera, soloPrimera},
          millon ? "(target < 100 ms)" : "(target < 50 ms)");
    Linea("later search by code", {luego, motorLuego, soloLuego});
    Linea("new code proposal", {propuesta, motorPropuesta, soloPropuesta});
    Linea("music search opening", {apertura, motorApertura, soloApertura}, millon ? "" : "(target < 300 ms)");
    Linea("music search to its last song", {alFinal, motorFinal, soloFinal});
    Linea("music search, slowest typed key", {teclaMasLenta, motorTecla, soloTecla});
    std::printf("  found \"%s\", proposed code %s, search lists %d songs, last %s; typing \"%s\" lists %d\n",
                qPrintable(titulo), qPrintable(codigoPropuesto), filasLista, qPrintable(ultima), qPrintable(tecleado),
                filasTecleadas);
    std::printf("  memory of the forms: %.1f MB before, %.1f MB after, peak %.1f MB %s\n", antes, despues, pico,
                millon ? "(target < 150 MB)" : "(target < 60 MB)");
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    RunHeadless();
    if (argc > 1)
        return Medir(argc, argv, std::atoi(argv[1]));
    // Each size in a process of its own, so that each peak is its own.
    QCoreApplication programa(argc, argv);
    int resultado = 0;
    for (const char* canciones : {"100000", "1000000"}) {
        QProcess medida;
        medida.setProcessChannelMode(QProcess::ForwardedChannels);
        medida.start(QString::fromLocal8Bit(argv[0]), {QString::fromLatin1(canciones)});
        medida.waitForFinished(-1);
        resultado |= medida.exitCode();
    }
    return resultado;
}
