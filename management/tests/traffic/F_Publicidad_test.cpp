#include "support/StationFixture.h"
#include "traffic/F_Publicidad.h"

#include "station/Control_busqueda.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "station/Tiempo.h"
#include "traffic/Asignar.h"
#include "traffic/F_Buscar_Clientes.h"
#include "traffic/F_Buscar_Publicidad.h"

#include "forms/MsgBox.h"

#include <QFile>

#include <gtest/gtest.h>

namespace ft = forms::test;

namespace {

const QDate Hoy = QDate::currentDate();

// What the state table of the contracts form decides for each state.
struct Estado {
    bool frame, anadir, buscar, guardar, eliminar, orden;
    bool operator==(const Estado&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Estado& e)
{
    return out << "frame " << e.frame << " añadir " << e.anadir << " buscar " << e.buscar << " guardar " << e.guardar
               << " eliminar " << e.eliminar << " orden " << e.orden;
}

constexpr Estado Inactivo{false, true, true, false, false, false};
constexpr Estado Anadiendo{true, false, false, true, false, true};
constexpr Estado Mostrado{true, false, true, true, true, false};
constexpr Estado Guardado{true, true, true, true, true, false};

Estado EstadoDe(F_Publicidad& f)
{
    return {f.Frame_Publicidad.Enabled(), f.B_Añadir_p.Enabled(),   f.B_Buscar_P.Enabled(),
            f.B_Guardar_p.Enabled(),      f.B_Eliminar_P.Enabled(), f.T_Orden.Enabled()};
}

class F_Publicidad_Test : public StationFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(StationFixture::SetUp());
        qputenv("VARNOOK_SOUND_OUTPUT", "silent");
    }

    void TearDown() override { ExpectNoUntrappedErrors(); }

    void Sql(const QString& sql) { Execute(DornaPath(), sql); }
    QStringList Filas(const QString& sql) { return Rows(DornaPath(), sql); }

    QString Fichero(const QString& nombre, const QByteArray& contenido)
    {
        const QString ruta = Path(nombre);
        QFile file(ruta);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contenido);
        return ruta;
    }

    void Contrato(int orden, int segundos, const QString& nombre, const QString& campana = "Campaña")
    {
        Sql("INSERT INTO PUBLICIDAD (ORDEN,CLIENTE,CLIENTE_NOMBRE,CAMPAÑA,PERIODO,PERIODO2,CUÑA,NOMBRE,DURACION,"
            "DURACION_MOSTRAR,VOZ,COMENTARIO,EMISIONES) VALUES ("
            + QString::number(orden) + ",3,'Radio'," + SqlTexto(campana) + "," + SqlFecha(Hoy.addDays(1)) + ","
            + SqlFecha(Hoy.addDays(30)) + "," + SqlTexto(Path(nombre)) + "," + SqlTexto(nombre) + ","
            + QString::number(segundos) + "," + SqlTexto(Tiempo(segundos)) + ",'Voz','',0)");
    }

    void Bloque(const QTime& hora, std::optional<int> tiempo, const QString& tiempoVer = "?")
    {
        Sql("INSERT INTO BLOQUES (HORA,TIEMPO,TIEMPO_VER) VALUES (" + SqlHora(hora) + ","
            + (tiempo ? QString::number(*tiempo) : "NULL") + "," + SqlTexto(tiempoVer) + ")");
    }

    void Pase(int orden, const QTime& bloque, int numero, int tiempo)
    {
        Sql("INSERT INTO PUBLICIDAD_CONTENIDO (ORDEN,BLOQUE,NUMERO,FICHERO,NOMBRE,TIEMPO,TIEMPO_VER,FECHA1,FECHA2) "
            "VALUES ("
            + QString::number(orden) + "," + SqlHora(bloque) + "," + QString::number(numero)
            + ",'viejo.wav','viejo.wav'," + QString::number(tiempo) + ",'x'," + SqlFecha(Hoy) + "," + SqlFecha(Hoy)
            + ")");
    }

    // The contract search hands a contract over.
    F_Publicidad& Mostrar(int orden)
    {
        F_Publicidad& f = forms::Get<F_Publicidad>();
        std::int32_t numero = orden;
        f.Buscar(numero);
        double filtro = orden;
        f.Filtrar(filtro);
        return f;
    }

    QStringList Bloques() { return Filas("SELECT HORA,TIEMPO,TIEMPO_VER FROM BLOQUES ORDER BY HORA"); }
};

const QTime Ocho(8, 0);
const QTime Nueve(9, 0);
const QTime Diez(10, 0);

TEST_F(F_Publicidad_Test, WalksIdleAddingShownAndSavedStatesKeepingApostrophes)
{
    Contrato(1, 10, "a.wav");
    Contrato(2, 10, "b.wav");
    Contrato(7, 10, "c.wav");
    Sql("INSERT INTO CLIENTES (NUMERO,NOMBRE) VALUES (3,'Ràdio d''Ona')");
    const QString cuna = Wav("L'Hospitalet.wav", 30000);

    F_Publicidad& f = forms::Get<F_Publicidad>();
    EXPECT_EQ(EstadoDe(f), Inactivo);

    ASSERT_TRUE(ft::Click(f.B_Añadir_p));
    EXPECT_EQ(EstadoDe(f), Anadiendo);
    EXPECT_EQ(f.T_Orden.Text(), "8");

    ft::WhenShown<F_Buscar_Clientes>([](F_Buscar_Clientes& b) { ft::DblClick(b.LISTA, 1); });
    ASSERT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(f.T_Cliente.Caption(), "3");
    EXPECT_EQ(f.L_Cliente_Nombre.Caption(), "Ràdio d'Ona");
    ft::Type(f.T_Campaña, "Rebajas d'estiu");
    ft::Type(f.T_Voz, "O'Neill");
    ft::Type(f.T_Comentario, "l'anunci");
    ft::ChooseFile(cuna);
    ASSERT_TRUE(ft::Click(f.Command5));
    EXPECT_EQ(f.L_Cuña.Caption(), "L'Hospitalet.wav");
    EXPECT_EQ(f.L_Duracion.Caption(), "00:00:30");

    ASSERT_TRUE(ft::Click(f.B_Guardar_p));
    EXPECT_EQ(EstadoDe(f), Mostrado);
    EXPECT_EQ(f.L_Pases.Caption(), "0");
    EXPECT_EQ(
        Filas("SELECT CLIENTE,CLIENTE_NOMBRE,CAMPAÑA,CUÑA,NOMBRE,DURACION,DURACION_MOSTRAR,VOZ,COMENTARIO,"
              "EMISIONES FROM PUBLICIDAD WHERE ORDEN=8"),
        QStringList{"3|Ràdio d'Ona|Rebajas d'estiu|" + cuna + "|L'Hospitalet.wav|30|00:00:30|O'Neill|l'anunci|0"});

    ft::Type(f.T_Campaña, "Rebajas d'hivern");
    ASSERT_TRUE(ft::Click(f.B_Guardar_p));
    EXPECT_EQ(EstadoDe(f), Guardado);
    EXPECT_EQ(Filas("SELECT CAMPAÑA FROM PUBLICIDAD WHERE ORDEN=8"), QStringList{"Rebajas d'hivern"});

    ASSERT_TRUE(ft::Click(f.B_Cancelar_P));
    EXPECT_EQ(EstadoDe(f), Inactivo);
    EXPECT_EQ(f.T_Orden.Text(), "");

    // The contract search lists 1, 2, 7 and 8.
    ft::WhenShown<F_Buscar_Publicidad>([](F_Buscar_Publicidad& b) { ft::DblClick(b.LISTA, 4); });
    ASSERT_TRUE(ft::Click(f.B_Buscar_P));
    EXPECT_EQ(Control_busqueda, 1);
    EXPECT_EQ(EstadoDe(f), Mostrado);
    EXPECT_EQ(f.T_Orden.Text(), "8");
    EXPECT_EQ(f.T_Campaña.Text(), "Rebajas d'hivern");
    EXPECT_EQ(f.T_Voz.Text(), "O'Neill");
    EXPECT_EQ(f.T_Comentario.Text(), "l'anunci");
    EXPECT_EQ(f.L_Cuña.Caption(), "L'Hospitalet.wav");
    EXPECT_EQ(f.L_Cliente_Nombre.Caption(), "Ràdio d'Ona");
    EXPECT_EQ(f.L_Pases.Caption(), "0");

    ASSERT_TRUE(ft::Click(f.Command3));
    EXPECT_EQ(ft::ShownModally().back(), "Asignar");
    EXPECT_EQ(Prompts(), QStringList{});

    // Every opening starts idle.
    ASSERT_TRUE(ft::Click(f.Command2));
    EXPECT_FALSE(f.Loaded());
    forms::Get<F_Publicidad>().Show(forms::vbModal);
    EXPECT_EQ(ft::ShownModally().back(), "F_Publicidad");
    EXPECT_EQ(EstadoDe(forms::Get<F_Publicidad>()), Inactivo);
}

TEST_F(F_Publicidad_Test, NewContractChecksRunInOrderAndTheFirstFailureRefusesTheSave)
{
    Contrato(7, 10, "c.wav");
    const QString cuna = Wav("spot.wav", 1000);
    struct Caso {
        const char* cliente;
        const char* orden;
        bool conCuna;
        const char* aviso;
    };
    const Caso casos[] = {
        {"", "", true, nullptr},
        {"", "9", true, "Numero de cliente incorrecto"},
        {"3", "0", true, "Numero de orden incorrecto"},
        {"3", "9x", true, "Numero de orden incorrecto"},
        {"3", "-9", true, "Numero de orden incorrecto"},
        {"3", "9.5", true, "Numero de orden incorrecto"},
        {"3", "99999999999999999999", true, "Numero de orden incorrecto"},
        {"3", "007", true, "El Nº de contrato ya existe"},
        {"3", "9", false, "Debe selecionar una Cuña"},
    };
    F_Publicidad& f = forms::Get<F_Publicidad>();
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::string(c.cliente) + " / " + c.orden);
        const size_t antes = ft::Messages().size();
        ASSERT_TRUE(ft::Click(f.B_Añadir_p));
        f.T_Cliente.Caption(c.cliente);
        ft::Type(f.T_Orden, c.orden);
        if (c.conCuna) {
            ft::ChooseFile(cuna);
            ft::Click(f.Command5);
        }
        ASSERT_TRUE(ft::Click(f.B_Guardar_p));
        const QStringList nuevos = Prompts().mid(int(antes));
        EXPECT_EQ(nuevos, c.aviso ? QStringList{c.aviso} : QStringList{});
        EXPECT_EQ(EstadoDe(f), Anadiendo);
        EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD"), QStringList{"7"});
        ASSERT_TRUE(ft::Click(f.B_Cancelar_P));
    }

    ASSERT_TRUE(ft::Click(f.B_Añadir_p));
    f.T_Cliente.Caption("3");
    ft::Type(f.T_Orden, "009");
    ft::ChooseFile(cuna);
    ft::Click(f.Command5);
    ASSERT_TRUE(ft::Click(f.B_Guardar_p));
    EXPECT_EQ(EstadoDe(f), Mostrado);
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD ORDER BY ORDEN"), (QStringList{"7", "9"}));
}

// Contract 12 (30 s) once at 08:00 beside contract 13 (60 s), twice at 09:00;
// the block at 10:00 holds a stale length text.
class F_Publicidad_ContratoColocado : public F_Publicidad_Test {
protected:
    void SetUp() override
    {
        F_Publicidad_Test::SetUp();
        Contrato(12, 30, "viejo.wav");
        Contrato(13, 60, "otro.wav");
        Bloque(Ocho, 90);
        Bloque(Nueve, 60);
        Bloque(Diez, 45, "x");
        Pase(12, Ocho, 1, 30);
        Pase(13, Ocho, 2, 60);
        Pase(12, Nueve, 1, 30);
        Pase(12, Nueve, 2, 30);
        Sql("INSERT INTO DIAS (CONTRATO,DIA) VALUES (12," + SqlFecha(Hoy) + ")");
        Sql("INSERT INTO DIAS (CONTRATO,DIA) VALUES (13," + SqlFecha(Hoy) + ")");
    }
};

TEST_F(F_Publicidad_ContratoColocado, EditMovesEachBlockByNewMinusOldAndRewritesThePlacements)
{
    const QString nuevo = Wav("nuevo.wav", 45000);
    F_Publicidad& f = Mostrar(12);
    EXPECT_EQ(f.L_Pases.Caption(), "3");
    ft::ChooseFile(nuevo);
    ASSERT_TRUE(ft::Click(f.Command5));
    ASSERT_TRUE(ft::Click(f.B_Guardar_p));

    EXPECT_EQ(Bloques(), (QStringList{"08:00:00|105|00:01:45", "09:00:00|90|00:01:30", "10:00:00|45|00:00:45"}));
    const QString copia = nuevo + "|nuevo.wav|45|00:00:45|" + Hoy.addDays(1).toString("dd/MM/yyyy") + "|"
                          + Hoy.addDays(30).toString("dd/MM/yyyy");
    EXPECT_EQ(Filas("SELECT FICHERO,NOMBRE,TIEMPO,TIEMPO_VER,FECHA1,FECHA2 FROM PUBLICIDAD_CONTENIDO WHERE ORDEN=12"),
              (QStringList{copia, copia, copia}));
    EXPECT_EQ(Filas("SELECT FICHERO,TIEMPO FROM PUBLICIDAD_CONTENIDO WHERE ORDEN=13"), QStringList{"viejo.wav|60"});
    EXPECT_EQ(EstadoDe(f), Guardado);
}

TEST_F(F_Publicidad_ContratoColocado, DeleteAsksThenRemovesTheContractAndGivesTheBlocksTheirSecondsBack)
{
    F_Publicidad& f = Mostrar(12);
    ft::AnswerMsgBox(forms::vbNo);
    ASSERT_TRUE(ft::Click(f.B_Eliminar_P));
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD ORDER BY ORDEN"), (QStringList{"12", "13"}));
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD_CONTENIDO").size(), 4);

    // Another file chosen and not saved: the blocks still lose what was placed.
    ft::ChooseFile(Wav("nuevo.wav", 45000));
    ASSERT_TRUE(ft::Click(f.Command5));
    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.B_Eliminar_P));

    EXPECT_EQ(ft::Messages().back().Prompt, "¿Desea eliminar el contrato?");
    EXPECT_EQ(ft::Messages().back().Buttons, forms::vbYesNo + forms::vbQuestion);
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD"), QStringList{"13"});
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD_CONTENIDO"), QStringList{"13"});
    EXPECT_EQ(Filas("SELECT CONTRATO FROM DIAS"), QStringList{"13"});
    EXPECT_EQ(Bloques(), (QStringList{"08:00:00|60|00:01:00", "09:00:00|0|00:00:00", "10:00:00|45|00:00:45"}));
    EXPECT_EQ(EstadoDe(f), Inactivo);
}

TEST_F(F_Publicidad_Test, PlacingA30SecondSpotInA90SecondBlockAndTakingItOutAgain)
{
    Contrato(12, 30, "spot.wav");
    Bloque(Ocho, 90);
    Bloque(Nueve, std::nullopt);
    F_Publicidad& f = Mostrar(12);

    // The arrow keys can reach the seconds column, which holds no time; no
    // pointer can, it is 1 twip wide.
    ft::Click(f.Lista1, 1, 2);
    f.Lista1.Col(3);
    ASSERT_TRUE(ft::Click(f.Poner_p));
    EXPECT_EQ(Prompts(), QStringList{"Seleccione un Bloque"});

    ft::Click(f.Lista1, 1, 1);
    ASSERT_TRUE(ft::Click(f.Poner_p));
    ASSERT_TRUE(ft::DblClick(f.Lista1, 2, 1));
    EXPECT_EQ(Bloques(), (QStringList{"08:00:00|120|00:02:00", "09:00:00|30|00:00:30"}));
    EXPECT_EQ(Filas("SELECT ORDEN,BLOQUE,NUMERO,FICHERO,NOMBRE,TIEMPO,TIEMPO_VER,FECHA1,FECHA2 FROM "
                    "PUBLICIDAD_CONTENIDO WHERE BLOQUE=#08:00:00#"),
              QStringList{"12|08:00:00|2|" + Path("spot.wav") + "|spot.wav|30|00:00:30|"
                          + Hoy.addDays(1).toString("dd/MM/yyyy") + "|" + Hoy.addDays(30).toString("dd/MM/yyyy")});
    EXPECT_EQ(f.L_Pases.Caption(), "2");
    EXPECT_EQ(f.lista2.TextMatrix(1, 1), "08:00:00");

    ASSERT_TRUE(ft::Click(f.lista2, 1, 1));
    EXPECT_EQ(f.lista3.Rows(), 2);
    ASSERT_TRUE(ft::Click(f.Quitar_P));
    EXPECT_EQ(Bloques(), (QStringList{"08:00:00|90|00:01:30", "09:00:00|30|00:00:30"}));
    EXPECT_EQ(Filas("SELECT BLOQUE FROM PUBLICIDAD_CONTENIDO"), QStringList{"09:00:00"});
    EXPECT_EQ(f.L_Pases.Caption(), "1");
}

TEST_F(F_Publicidad_Test, AContractPlacedTwiceInABlockCountsTwiceKeepsItsOrderAndLeavesOnce)
{
    Contrato(12, 30, "spot.wav");
    Bloque(Ocho, 60);
    Pase(13, Ocho, 1, 60);
    F_Publicidad& f = Mostrar(12);
    ft::Click(f.Lista1, 1, 1);
    ft::Click(f.Poner_p);
    ft::Click(f.Poner_p);
    EXPECT_EQ(f.L_Pases.Caption(), "2");
    EXPECT_EQ(f.lista2.Rows(), 3);
    EXPECT_EQ(Bloques(), QStringList{"08:00:00|120|00:02:00"});

    // 13, 12, 12 dragged to 12, 12, 13.
    ASSERT_TRUE(ft::Click(f.lista2, 1, 1));
    ASSERT_EQ(f.lista3.Rows(), 4);
    ft::MouseDown(f.lista3, 1);
    ft::DragDrop(f.lista3, f.lista3, 3);
    EXPECT_EQ(Filas("SELECT ORDEN,NUMERO FROM PUBLICIDAD_CONTENIDO ORDER BY NUMERO"),
              (QStringList{"12|1", "12|2", "13|3"}));

    ft::Click(f.lista2, 1, 1);
    ASSERT_TRUE(ft::Click(f.Quitar_P));
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD_CONTENIDO ORDER BY NUMERO"), (QStringList{"12", "13"}));
    EXPECT_EQ(Bloques(), QStringList{"08:00:00|90|00:01:30"});
    EXPECT_EQ(f.L_Pases.Caption(), "1");
}

TEST_F(F_Publicidad_Test, ANewSpotGoesLastInItsBlockAndADragRenumbersTheBlock)
{
    Contrato(12, 30, "spot.wav");
    struct Caso {
        QTime bloque;
        std::vector<int> numeros;
        int nuevo;
    };
    const Caso casos[] = {
        {Ocho, {1, 2, 3}, 5}, {Nueve, {}, 2}, {Diez, {1, 7}, 8},  // a gap left by removals
    };
    for (const Caso& c : casos) {
        Bloque(c.bloque, 0);
        for (size_t i = 0; i < c.numeros.size(); ++i)
            Pase(21 + int(i), c.bloque, c.numeros[i], 0);
    }
    F_Publicidad& f = Mostrar(12);
    for (int fila = 1; fila <= 3; ++fila) {
        ft::Click(f.Lista1, fila, 1);
        ft::Click(f.Poner_p);
    }
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.bloque.toString().toStdString());
        EXPECT_EQ(Filas("SELECT NUMERO FROM PUBLICIDAD_CONTENIDO WHERE ORDEN=12 AND BLOQUE=" + SqlHora(c.bloque)),
                  QStringList{QString::number(c.nuevo)});
    }

    ASSERT_TRUE(ft::Click(f.lista2, 1, 1));  // 08:00:00
    ASSERT_EQ(f.lista3.Rows(), 5);
    EXPECT_EQ(f.lista3.TextMatrix(4, 1), "12");
    const QString orden = "SELECT ORDEN,NUMERO FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE=#08:00:00# ORDER BY NUMERO";
    const QStringList antes = Filas(orden);
    ft::MouseDown(f.lista3, 4);
    ft::DragDrop(f.lista3, f.lista3, 0);  // onto the header row
    EXPECT_EQ(Filas(orden), antes);

    ft::MouseDown(f.lista3, 4);
    ft::DragDrop(f.lista3, f.lista3, 1);
    EXPECT_EQ(Filas(orden), (QStringList{"12|1", "21|2", "22|3", "23|4"}));
    EXPECT_EQ(f.lista3.TextMatrix(1, 1), "12");
}

TEST_F(F_Publicidad_Test, ExpiryLabelFollowsTheSecondPeriodDateAtCloseUpAndStopsRemoval)
{
    Contrato(12, 30, "spot.wav");
    Bloque(Ocho, 30);
    Pase(12, Ocho, 1, 30);
    F_Publicidad& f = Mostrar(12);
    // The picker is hidden, so the user cannot reach it: raise its event.
    f.T_Periodo2.Value(Hoy.addDays(-1));
    f.T_Periodo2.OnCloseUp();
    EXPECT_TRUE(f.L_Caducada.Visible());

    ft::Click(f.lista2, 1, 1);
    ASSERT_TRUE(ft::Click(f.Quitar_P));
    ASSERT_EQ(ft::Messages().size(), 1u);
    EXPECT_EQ(ft::Messages()[0].Prompt, "Imposible el contrato está caducado");
    EXPECT_EQ(ft::Messages()[0].Buttons, forms::vbInformation);
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD_CONTENIDO"), QStringList{"12"});

    f.T_Periodo2.Value(Hoy);
    f.T_Periodo2.OnCloseUp();
    EXPECT_FALSE(f.L_Caducada.Visible());
}

TEST_F(F_Publicidad_Test, ASpotFileTheSoundLibraryCannotOpenIsNotTaken)
{
    Contrato(12, 30, "viejo.wav");
    const QString roto = Fichero("roto.wav", "RIFF, but not audio");
    F_Publicidad& f = forms::Get<F_Publicidad>();

    ft::Click(f.B_Añadir_p);
    f.T_Cliente.Caption("3");
    ft::ChooseFile(roto);
    ASSERT_TRUE(ft::Click(f.Command5));
    EXPECT_EQ(f.L_Cuña.Caption(), "");
    ft::Click(f.B_Guardar_p);
    EXPECT_EQ(Prompts(), (QStringList{"Fichero invalido", "Debe selecionar una Cuña"}));
    ft::Click(f.B_Cancelar_P);

    Mostrar(12);
    ft::ChooseFile(roto);
    ASSERT_TRUE(ft::Click(f.Command5));
    EXPECT_EQ(f.L_Cuña.Caption(), "viejo.wav");
    EXPECT_EQ(f.L_Duracion.Caption(), "00:00:30");
    ft::Click(f.B_Guardar_p);
    EXPECT_EQ(Filas("SELECT CUÑA,DURACION,DURACION_MOSTRAR FROM PUBLICIDAD"),
              QStringList{Path("viejo.wav") + "|30|00:00:30"});
}

TEST_F(F_Publicidad_Test, AContractThatIsGoneLeavesEveryOtherContractAlone)
{
    Contrato(11, 60, "otro.wav", "Otra");
    Contrato(12, 30, "spot.wav");
    Bloque(Ocho, 90);
    Pase(11, Ocho, 1, 60);
    Pase(12, Ocho, 2, 30);
    F_Publicidad& f = Mostrar(12);

    // Removed elsewhere while shown (the finished contracts of the search).
    Sql("DELETE FROM PUBLICIDAD WHERE ORDEN=12");
    Sql("DELETE FROM PUBLICIDAD_CONTENIDO WHERE ORDEN=12");
    const QStringList contratos = Filas("SELECT * FROM PUBLICIDAD");
    const QStringList pases = Filas("SELECT * FROM PUBLICIDAD_CONTENIDO");
    ft::Type(f.T_Campaña, "Cambiada");
    ASSERT_TRUE(ft::Click(f.B_Guardar_p));
    ft::Click(f.Lista1, 1, 1);
    ASSERT_TRUE(ft::Click(f.Poner_p));
    ft::Click(f.lista2, 1, 1);
    ASSERT_TRUE(ft::Click(f.Quitar_P));
    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.B_Eliminar_P));
    EXPECT_EQ(Filas("SELECT * FROM PUBLICIDAD"), contratos);
    EXPECT_EQ(Filas("SELECT * FROM PUBLICIDAD_CONTENIDO"), pases);
    EXPECT_EQ(Bloques(), QStringList{"08:00:00|90|00:01:30"});

    // A number no contract has shows nothing.
    Mostrar(11);
    std::int32_t ninguno = 99;
    f.Buscar(ninguno);
    EXPECT_EQ(f.T_Orden.Text(), "");
    EXPECT_EQ(f.T_Campaña.Text(), "");
    EXPECT_EQ(EstadoDe(f), Inactivo);

    // A typed number of a stored contract is not that contract before saving.
    ft::Click(f.B_Añadir_p);
    ft::Type(f.T_Orden, "11");
    ASSERT_TRUE(ft::Click(f.Command3));
    EXPECT_EQ(ft::Messages().back().Prompt, "Debe guardar antes el contrato");
    EXPECT_TRUE(ft::ShownModally().empty());
}

TEST_F(F_Publicidad_Test, ClicksOnEmptyListsAndOnHeaderRowsEndQuietly)
{
    Contrato(12, 30, "spot.wav");
    F_Publicidad& f = Mostrar(12);  // no block at all: every list holds only its header row
    for (forms::MSFlexGrid* lista : {&f.Lista1, &f.lista2, &f.lista3}) {
        ft::Click(*lista, 0, 1);
        ft::DblClick(*lista, 0, 1);
        ft::MouseDown(*lista, 0);
        ft::DragDrop(*lista, *lista, 0);
    }
    ft::Click(f.Poner_p);
    ft::Click(f.Quitar_P);
    EXPECT_EQ(Filas("SELECT * FROM PUBLICIDAD_CONTENIDO"), QStringList{});
    EXPECT_EQ(Prompts(), QStringList({"Seleccione un Bloque", "Seleccione un Bloque"}));
}

}  // namespace
