#include "BloquesFixture.h"

#include "traffic/F_BLoques.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"

#include <vector>

namespace {

namespace ft = forms::test;

// A spot as PUBLICIDAD_CONTENIDO holds it: contract, position, seconds.
struct Spot {
    int orden;
    int numero;
    int tiempo;
    bool operator==(const Spot&) const = default;
};

class F_BLoquesTest : public BloquesFixture {
protected:
    using BloquesFixture::Colocar;
    static void Colocar(const QTime& bloque, const Spot& spot)
    {
        Colocar(bloque, spot.orden, spot.numero, spot.tiempo);
    }

    static std::vector<Spot> Spots(const QTime& bloque)
    {
        jet::Recordset rs = jet::DBEngine()
                                .OpenDatabase(DornaPath())
                                .OpenRecordset("SELECT ORDEN,NUMERO,TIEMPO FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE="
                                               + SqlHora(bloque) + " ORDER BY NUMERO,ORDEN");
        std::vector<Spot> spots;
        for (; !rs.EOF(); rs.MoveNext())
            spots.push_back({rs.Fields("ORDEN").Value().toInt(), rs.Fields("NUMERO").Value().toInt(),
                             rs.Fields("TIEMPO").Value().toInt()});
        return spots;
    }

    // TIEMPO and TIEMPO_VER of the block at hora, "" when there is none.
    static QString Total(const QTime& hora)
    {
        return Filas("SELECT TIEMPO,TIEMPO_VER FROM BLOQUES WHERE HORA=" + SqlHora(hora)).value(0);
    }

    // The form showing the block at hora, as the block search loads it.
    static F_BLoques& Mostrar(QTime hora)
    {
        F_BLoques& f = forms::Get<F_BLoques>();
        f.BuscarBLoques(hora);
        return f;
    }

    // The contracts listed under the block, top to bottom.
    static QStringList Listados(F_BLoques& f)
    {
        QStringList ordenes;
        for (int fila = 1; fila < f.LISTA.Rows(); ++fila)
            ordenes << f.LISTA.TextMatrix(fila, 1);
        return ordenes;
    }
};

const QTime Ocho(8, 0);
const QTime Diez(10, 0);

TEST_F(F_BLoquesTest, OpensModallyWithNoBlockLoaded)
{
    forms::Get<F_BLoques>().Show(forms::vbModal);
    EXPECT_EQ(ft::ShownModally(), std::vector<QString>{"F_BLoques"});
    F_BLoques& f = forms::Get<F_BLoques>();
    EXPECT_EQ(f.T_Duracion.Value().time(), QTime(0, 5));
    EXPECT_EQ(f.L_Total.Caption(), "");
    EXPECT_FALSE(f.B_Guardar.Enabled());
    EXPECT_FALSE(f.B_Eliminar.Enabled());
}

TEST_F(F_BLoquesTest, NewBlockIsSavedEmptyAndItsTimeIsThenFixed)
{
    F_BLoques& f = forms::Get<F_BLoques>();
    ASSERT_TRUE(ft::Click(f.B_Añadir));
    f.T_hora.Value(QTime(8, 30));
    f.T_Duracion.Value(QTime(0, 4));
    ASSERT_TRUE(ft::Click(f.C_Prioritario));
    ASSERT_TRUE(ft::Click(f.B_Guardar));

    jet::Recordset rs = jet::DBEngine().OpenDatabase(DornaPath()).OpenRecordset("SELECT * FROM BLOQUES");
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields("HORA").Value().toTimeText(), "08:30:00");
    EXPECT_EQ(rs.Fields("DURACION").Value().toTimeText(), "00:04:00");
    EXPECT_EQ(rs.Fields("PRIORITARIO").Value().toInt(), 1);
    EXPECT_EQ(rs.Fields("TIEMPO").Value().toInt(), 0);
    EXPECT_EQ(rs.Fields("TIEMPO_VER").Value().toString(), "00:00:00");
    EXPECT_TRUE(rs.Fields("NOMBRE").Value().toString().isEmpty());
    EXPECT_TRUE(Prompts().isEmpty());
    EXPECT_EQ(f.L_Total.Caption(), "00:00:00");
    EXPECT_FALSE(f.T_hora.Enabled());
    EXPECT_TRUE(f.B_Eliminar.Enabled());
    EXPECT_TRUE(f.B_Buscar.Enabled());
}

TEST_F(F_BLoquesTest, NewBlockAtATakenTimeIsRefusedAndStaysInAddMode)
{
    struct Caso {
        bool bloque, programa;
        const char* mensaje;
    };
    for (const Caso& caso :
         {Caso{true, false, "El bloque ya existe"}, Caso{false, true, "El bloque ya existe como programa"},
          Caso{true, true, "El bloque ya existe"}}) {
        SCOPED_TRACE(caso.mensaje);
        forms::Get<F_BLoques>().Unload();  // its cursor on BLOQUES is read when it loads
        Sql("DELETE * FROM BLOQUES");
        Sql("DELETE * FROM PROGRAMAS");
        if (caso.bloque)
            Bloque(Diez, 90);
        if (caso.programa)
            Sql("INSERT INTO PROGRAMAS (HORA,NOMBRE,REALIZACION,TIEMPO,TIEMPO_VER) VALUES (#10:00:00#,'Noticias','',0,"
                "'00:00:00')");
        F_BLoques& f = forms::Get<F_BLoques>();
        const auto antes = ft::Messages().size();
        ASSERT_TRUE(ft::Click(f.B_Añadir));
        f.T_hora.Value(Diez);
        ASSERT_TRUE(ft::Click(f.B_Guardar));

        ASSERT_EQ(ft::Messages().size(), antes + 1);
        EXPECT_EQ(ft::Messages().back().Prompt, caso.mensaje);
        EXPECT_EQ(ft::Messages().back().Buttons, forms::vbInformation);
        EXPECT_EQ(Filas("SELECT * FROM BLOQUES").size(), caso.bloque ? 1 : 0);
        EXPECT_EQ(Total(Diez), caso.bloque ? "90 00:01:30" : "");
        EXPECT_TRUE(f.T_hora.Enabled());
        EXPECT_TRUE(f.B_Guardar.Enabled());
        EXPECT_FALSE(f.B_Buscar.Enabled());
    }
}

TEST_F(F_BLoquesTest, EditSavesLengthAndPriorityOnly)
{
    Bloque(Diez, 90);
    Colocar(Diez, {7, 1, 90});
    F_BLoques& f = Mostrar(Diez);
    EXPECT_EQ(f.L_Total.Caption(), "00:01:30");
    EXPECT_EQ(Listados(f), QStringList{"7"});
    EXPECT_FALSE(f.T_hora.Enabled());

    f.T_Duracion.Value(QTime(0, 3));
    ASSERT_TRUE(ft::Click(f.C_Prioritario));
    ASSERT_TRUE(ft::Click(f.B_Guardar));

    EXPECT_EQ(Prompts(), QStringList{" El bloque fue Guardado"});
    EXPECT_EQ(ft::Messages().back().Buttons, forms::vbOKOnly);
    jet::Recordset rs = jet::DBEngine().OpenDatabase(DornaPath()).OpenRecordset("SELECT * FROM BLOQUES");
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields("HORA").Value().toTimeText(), "10:00:00");
    EXPECT_EQ(rs.Fields("DURACION").Value().toTimeText(), "00:03:00");
    EXPECT_EQ(rs.Fields("PRIORITARIO").Value().toInt(), 1);
    EXPECT_EQ(Total(Diez), "90 00:01:30");
    EXPECT_EQ(Spots(Diez), (std::vector<Spot>{{7, 1, 90}}));
}

TEST_F(F_BLoquesTest, DeletingTheBlockDeletesItsSpotsAndItsBlockRowsEverywhere)
{
    Bloque(Ocho, 30);
    Bloque(Diez, 20);
    Colocar(Ocho, {7, 1, 30});
    Colocar(Diez, {7, 1, 20});
    for (const char* fila : {"'Lunes',#08:00:00#,'BLO'", "'Martes',#08:00:00#,'BLO'", "'Lunes',#08:00:00#,'PRO'",
                             "'Lunes',#08:00:00#,'MUS'", "'Lunes',#10:00:00#,'BLO'"}) {
        Sql(QString("INSERT INTO PROGRAMACION (PROGRAMACION,HORA,TIPO) VALUES (%1)").arg(fila));
        Sql(QString("INSERT INTO PROGRAMACION_TMP (PROGRAMACION,HORA,TIPO) VALUES (%1)").arg(fila));
    }
    F_BLoques& f = Mostrar(Ocho);

    ft::AnswerMsgBox(forms::vbNo);
    ASSERT_TRUE(ft::Click(f.B_Eliminar));
    EXPECT_EQ(Filas("SELECT * FROM BLOQUES").size(), 2);
    EXPECT_EQ(Filas("SELECT * FROM PUBLICIDAD_CONTENIDO").size(), 2);

    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.B_Eliminar));
    EXPECT_EQ(Prompts(),
              (QStringList{"¿Desea eliminar el bloque y su contenido?", "¿Desea eliminar el bloque y su contenido?"}));
    EXPECT_EQ(ft::Messages().back().Buttons, forms::vbYesNo + forms::vbQuestion);
    EXPECT_EQ(Total(Ocho), "");
    EXPECT_EQ(Total(Diez), "20 00:00:20");
    EXPECT_TRUE(Spots(Ocho).empty());
    EXPECT_EQ(Spots(Diez).size(), 1u);
    EXPECT_EQ(f.LISTA.Rows(), 1);
    for (const char* tabla : {"PROGRAMACION", "PROGRAMACION_TMP"}) {
        SCOPED_TRACE(tabla);
        const QString de = QString("SELECT * FROM %1 WHERE ").arg(tabla);
        EXPECT_EQ(Filas(de + "TIPO='BLO' AND HORA=#08:00:00#").size(), 0);
        EXPECT_EQ(Filas(de + "HORA=#08:00:00#").size(), 2);  // the program and the song stay
        EXPECT_EQ(Filas(de + "HORA=#10:00:00#").size(), 1);
    }
}

TEST_F(F_BLoquesTest, AtATimeWithoutBlockNothingIsChangedDeletedOrFiled)
{
    Guardar({7, "c7.wav", "Campaña", "Ana"});
    Colocar(QTime(0, 0), {7, 5, 30});  // a spot left under 00:00:00, where no block is
    Bloque(Ocho, 0);
    F_BLoques& f = forms::Get<F_BLoques>();
    EXPECT_EQ(Listados(f), QStringList{"7"});

    auto nadaCambia = [&](const char* cuando, int bloques) {
        SCOPED_TRACE(cuando);
        const auto mensajes = ft::Messages().size();
        ft::Click(f.B_Eliminar);
        ft::Click(f.Command1);
        if (f.LISTA.Rows() > 1) {
            ft::Click(f.LISTA, 1);
            ft::Click(f.Command2);
            ft::MouseDown(f.LISTA, 1);
            ft::DragDrop(f.LISTA, f.LISTA, 1);
        }
        double orden = 7;
        f.Insertar(orden);
        EXPECT_EQ(ft::Messages().size(), mensajes);
        EXPECT_TRUE(ft::ShownModally().empty());
        EXPECT_EQ(Spots(QTime(0, 0)), (std::vector<Spot>{{7, 5, 30}}));
        EXPECT_EQ(Filas("SELECT * FROM PUBLICIDAD_CONTENIDO").size(), 1);
        EXPECT_EQ(Filas("SELECT * FROM BLOQUES").size(), bloques);
    };
    ft::Click(f.B_Guardar);  // disabled at opening
    nadaCambia("just opened", 1);

    ASSERT_TRUE(ft::Click(f.B_Añadir));
    f.T_hora.Value(QTime(9, 0));
    nadaCambia("unsaved time", 1);

    Mostrar(Ocho);
    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.B_Eliminar));
    const auto mensajes = ft::Messages().size();
    EXPECT_TRUE(ft::Click(f.B_Guardar));  // still enabled: saves nothing, says nothing
    EXPECT_EQ(ft::Messages().size(), mensajes);
    nadaCambia("just deleted", 0);
}

TEST_F(F_BLoquesTest, InsertarAppendsTheContractsSpotAfterTheBlocksSpots)
{
    struct Caso {
        std::vector<Spot> antes;
        int numero;
    };
    for (const Caso& caso : {Caso{{}, 2}, Caso{{{1, 1, 10}, {2, 2, 20}, {3, 3, 60}}, 5}}) {
        SCOPED_TRACE(caso.numero);
        forms::Get<F_BLoques>().Unload();
        Sql("DELETE * FROM BLOQUES");
        Sql("DELETE * FROM PUBLICIDAD");
        Sql("DELETE * FROM PUBLICIDAD_CONTENIDO");
        int total = 0;
        for (const Spot& spot : caso.antes) {
            Colocar(Diez, spot);
            total += spot.tiempo;
        }
        Bloque(Diez, total);
        Guardar({7, "c7.wav", "Campaña", "Ana"});
        F_BLoques& f = Mostrar(Diez);

        double orden = 7;
        f.Insertar(orden);

        std::vector<Spot> despues = caso.antes;
        despues.push_back({7, caso.numero, 30});
        EXPECT_EQ(Spots(Diez), despues);
        EXPECT_EQ(Total(Diez), QString::number(total + 30) + " " + Tiempo(total + 30));
        EXPECT_EQ(f.L_Total.Caption(), Tiempo(total + 30));
        EXPECT_EQ(Listados(f).back(), "7");

        jet::Recordset rs =
            jet::DBEngine().OpenDatabase(DornaPath()).OpenRecordset("SELECT * FROM PUBLICIDAD_CONTENIDO WHERE ORDEN=7");
        EXPECT_EQ(rs.Fields("FICHERO").Value().toString(), "/cuñas/c7.wav");
        EXPECT_EQ(rs.Fields("NOMBRE").Value().toString(), "c7.wav");
        EXPECT_EQ(rs.Fields("TIEMPO_VER").Value().toString(), "00:00:30");
        EXPECT_EQ(rs.Fields("FECHA1").Value().toDate(), QDate::currentDate().addDays(5));
        EXPECT_EQ(rs.Fields("FECHA2").Value().toDate(), QDate::currentDate().addDays(30));
    }
}

TEST_F(F_BLoquesTest, TheSameContractCanBeAddedTwiceAndBothCount)
{
    Bloque(Diez, 90);
    Colocar(Diez, {1, 1, 90});
    Guardar({7, "c7.wav", "Campaña", "Ana"});
    F_BLoques& f = Mostrar(Diez);
    double orden = 7;
    f.Insertar(orden);
    f.Insertar(orden);
    EXPECT_EQ(Spots(Diez), (std::vector<Spot>{{1, 1, 90}, {7, 3, 30}, {7, 4, 30}}));
    EXPECT_EQ(Total(Diez), "150 00:02:30");
}

TEST_F(F_BLoquesTest, InsertarOfAMissingContractFilesNothing)
{
    Bloque(Diez, 0);
    F_BLoques& f = Mostrar(Diez);
    double orden = 99;
    f.Insertar(orden);
    EXPECT_TRUE(Spots(Diez).empty());
    EXPECT_EQ(Total(Diez), "0 00:00:00");
}

TEST_F(F_BLoquesTest, RemovingASpotLeavesAGapAndLowersTheTotal)
{
    Bloque(Diez, 60);
    for (const Spot& spot : {Spot{11, 1, 10}, Spot{12, 2, 20}, Spot{13, 3, 30}})
        Colocar(Diez, spot);
    F_BLoques& f = Mostrar(Diez);
    ASSERT_TRUE(ft::Click(f.LISTA, 2));

    ft::AnswerMsgBox(forms::vbNo);
    ASSERT_TRUE(ft::Click(f.Command2));
    EXPECT_EQ(Spots(Diez).size(), 3u);

    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.Command2));
    EXPECT_EQ(ft::Messages().back().Prompt, "¿Desea eliminar el Contrato del bloque?");
    EXPECT_EQ(ft::Messages().back().Buttons, forms::vbYesNo + forms::vbQuestion);
    EXPECT_EQ(Spots(Diez), (std::vector<Spot>{{11, 1, 10}, {13, 3, 30}}));
    EXPECT_EQ(Total(Diez), "40 00:00:40");
    EXPECT_EQ(f.L_Total.Caption(), "00:00:40");
    EXPECT_EQ(Listados(f), (QStringList{"11", "13"}));
}

TEST_F(F_BLoquesTest, DraggingASpotRenumbersTheBlockInListOrder)
{
    Bloque(Diez, 60);
    for (const Spot& spot : {Spot{11, 1, 10}, Spot{12, 3, 20}, Spot{13, 4, 30}})
        Colocar(Diez, spot);
    F_BLoques& f = Mostrar(Diez);

    ASSERT_TRUE(ft::MouseDown(f.LISTA, 3));
    ASSERT_TRUE(ft::DragDrop(f.LISTA, f.LISTA, 0));  // onto the title row: nothing
    EXPECT_EQ(Spots(Diez), (std::vector<Spot>{{11, 1, 10}, {12, 3, 20}, {13, 4, 30}}));

    ASSERT_TRUE(ft::MouseDown(f.LISTA, 3));
    ASSERT_TRUE(ft::DragDrop(f.LISTA, f.LISTA, 1));
    EXPECT_EQ(Listados(f), (QStringList{"13", "11", "12"}));
    EXPECT_EQ(Spots(Diez), (std::vector<Spot>{{13, 1, 30}, {11, 2, 10}, {12, 3, 20}}));
    EXPECT_EQ(Total(Diez), "60 00:01:00");

    // A plain click drops the row on itself: the order stays, the gaps go.
    Sql("UPDATE PUBLICIDAD_CONTENIDO SET NUMERO=NUMERO*2");
    Mostrar(Diez);
    ASSERT_TRUE(ft::MouseDown(f.LISTA, 2));
    ASSERT_TRUE(ft::DragDrop(f.LISTA, f.LISTA, 2));
    EXPECT_EQ(Spots(Diez), (std::vector<Spot>{{13, 1, 30}, {11, 2, 10}, {12, 3, 20}}));
}

TEST_F(F_BLoquesTest, InAddModeTheListedBlockKeepsItsSpotsAndTotals)
{
    Bloque(Ocho, 30);
    Colocar(Ocho, {7, 1, 30});
    F_BLoques& f = Mostrar(Ocho);
    ASSERT_TRUE(ft::Click(f.B_Añadir));
    f.T_hora.Value(QTime(9, 0));
    EXPECT_EQ(Listados(f), QStringList{"7"});

    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.Command2));
    EXPECT_TRUE(Spots(Ocho).empty());
    EXPECT_EQ(Total(Ocho), "0 00:00:00");
}

TEST_F(F_BLoquesTest, InAddModeASpotGoesAfterTheSpotsOfThePickersBlock)
{
    Bloque(Ocho, 60);
    for (const Spot& spot : {Spot{1, 1, 10}, Spot{2, 2, 20}, Spot{3, 3, 30}})
        Colocar(Ocho, spot);
    Bloque(Diez, 90);
    Colocar(Diez, {4, 1, 90});
    Guardar({7, "c7.wav", "Campaña", "Ana"});
    F_BLoques& f = Mostrar(Ocho);
    ASSERT_TRUE(ft::Click(f.B_Añadir));
    f.T_hora.Value(Diez);

    double orden = 7;
    f.Insertar(orden);
    EXPECT_EQ(Spots(Diez), (std::vector<Spot>{{4, 1, 90}, {7, 3, 30}}));
    EXPECT_EQ(Total(Diez), "120 00:02:00");
    EXPECT_EQ(Total(Ocho), "60 00:01:00");
    EXPECT_EQ(Listados(f), (QStringList{"4", "7"}));
}

TEST_F(F_BLoquesTest, CancelLeavesAddModeAndListsThePickersTime)
{
    Bloque(Ocho, 30);
    Colocar(Ocho, {7, 1, 30});
    F_BLoques& f = forms::Get<F_BLoques>();
    ASSERT_TRUE(ft::Click(f.B_Añadir));
    f.T_hora.Value(Ocho);
    ASSERT_TRUE(ft::Click(f.B_Cancelar));
    EXPECT_FALSE(f.T_hora.Enabled());
    EXPECT_FALSE(f.B_Guardar.Enabled());
    EXPECT_FALSE(f.B_Eliminar.Enabled());
    EXPECT_TRUE(f.B_Buscar.Enabled());
    EXPECT_EQ(Listados(f), QStringList{"7"});
}

}  // namespace
