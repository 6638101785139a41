#include "BloquesFixture.h"

#include "traffic/F_BLoques.h"
#include "traffic/F_Buscar_Publicidad.h"
#include "traffic/F_Publicidad.h"

#include "station/Control_busqueda.h"

#include "forms/MsgBox.h"

#include <utility>
#include <vector>

namespace {

namespace ft = forms::test;

class F_Buscar_PublicidadTest : public BloquesFixture {
protected:
    using BloquesFixture::Guardar;
    static void Guardar(std::initializer_list<Contrato> contratos)
    {
        for (const Contrato& c : contratos)
            Guardar(c);
    }

    static void Dia(int contrato, int dia)
    {
        Sql(QString("INSERT INTO DIAS (CONTRATO,DIA) VALUES (%1,%2)")
                .arg(contrato)
                .arg(SqlFecha(QDate::currentDate().addDays(dia))));
    }

    // The contract numbers listed, top to bottom.
    static QStringList Listados(F_Buscar_Publicidad& b)
    {
        QStringList ordenes;
        for (int fila = 1; fila < b.LISTA.Rows(); ++fila)
            ordenes << b.LISTA.TextMatrix(fila, 1);
        return ordenes;
    }

    static int Fila(F_Buscar_Publicidad& b, const QString& orden)
    {
        return static_cast<int>(Listados(b).indexOf(orden)) + 1;
    }

    // Both openers have given their receivers (the contracts form's search
    // closed without a pick); the blocks form opens the search,
    // Control_busqueda becomes valor and the user double-clicks contract orden.
    static void Elegir(std::int16_t valor, const QString& orden)
    {
        ASSERT_TRUE(ft::Click(forms::Get<F_Publicidad>().B_Buscar_P));
        ft::WhenShown<F_Buscar_Publicidad>([valor, orden](F_Buscar_Publicidad& b) {
            Control_busqueda = valor;
            ASSERT_TRUE(ft::DblClick(b.LISTA, Fila(b, orden)));
            EXPECT_FALSE(b.Loaded());
        });
        ASSERT_TRUE(ft::Click(forms::Get<F_BLoques>().Command1));
    }
};

const std::initializer_list<Contrato> Cuatro = {
    {1, "verano.mp3", "Verano", "Luis", 5},
    {10, "ofertas.mp3", "Ofertas", "Ana", 5},
    {2, "navidad.mp3", "Navidad", "Ana María", 5},
    {21, "vermut.mp3", "Vermut", "Pedro", 5},
};

TEST_F(F_Buscar_PublicidadTest, OpensOnEveryContractSearchingByNumber)
{
    Guardar(Cuatro);
    ft::WhenShown<F_Buscar_Publicidad>([](F_Buscar_Publicidad& b) {
        EXPECT_EQ(b.Caption(), "BUSCAR PUBLICIDAD");
        EXPECT_EQ(b.Combo.ListIndex(), 0);
        EXPECT_EQ(b.Combo.Text(), "Nº Contrato");
        EXPECT_EQ(b.Text1.Text(), "");
        EXPECT_EQ(Listados(b).size(), 4);
        const int fila = Fila(b, "2");
        EXPECT_EQ(b.LISTA.TextMatrix(fila, 2), "navidad.mp3");
        EXPECT_EQ(b.LISTA.TextMatrix(fila, 3), "00:00:30");
        EXPECT_EQ(b.LISTA.TextMatrix(fila, 4), "Navidad");
        EXPECT_EQ(b.LISTA.TextMatrix(fila, 5), "Ana María");
        EXPECT_EQ(b.LISTA.TextMatrix(0, 1), "Nº Contrato");
        EXPECT_EQ(b.LISTA.TextMatrix(0, 5), "Locutor");
    });
    forms::Get<F_Buscar_Publicidad>().Show(forms::vbModal);
    EXPECT_FALSE(forms::Get<F_Buscar_Publicidad>().Visible());
}

TEST_F(F_Buscar_PublicidadTest, EachFieldIsSearchedByPrefixAndSortedByIt)
{
    Guardar(Cuatro);
    struct Caso {
        int entrada;
        const char* texto;
        QStringList ordenes;
    };
    const Caso casos[] = {
        {0, "1", {"1", "10"}},
        {0, "2", {"2", "21"}},
        {0, "", {"1", "2", "10", "21"}},
        {1, "ver", {"1", "21"}},
        {1, "o", {"10"}},
        {2, "Ve", {"1", "21"}},
        {2, "Navidad", {"2"}},
        {3, "ana", {"10", "2"}},
        {3, "", {"10", "2", "1", "21"}},
        {3, "x", {}},
    };
    F_Buscar_Publicidad& b = forms::Get<F_Buscar_Publicidad>();
    for (const Caso& caso : casos) {
        SCOPED_TRACE(QString("%1 '%2'").arg(caso.entrada).arg(caso.texto).toStdString());
        ASSERT_TRUE(ft::Choose(b.Combo, caso.entrada));
        ft::Type(b.Text1, caso.texto);
        EXPECT_EQ(Listados(b), caso.ordenes);
    }
}

TEST_F(F_Buscar_PublicidadTest, ChoosingAnotherFieldClearsTheText)
{
    Guardar(Cuatro);
    F_Buscar_Publicidad& b = forms::Get<F_Buscar_Publicidad>();
    ASSERT_TRUE(ft::Type(b.Text1, "2"));
    ASSERT_EQ(Listados(b), (QStringList{"2", "21"}));
    ASSERT_TRUE(ft::Choose(b.Combo, 2));
    EXPECT_EQ(b.Text1.Text(), "");
    EXPECT_EQ(Listados(b), (QStringList{"2", "10", "1", "21"}));
}

TEST_F(F_Buscar_PublicidadTest, AQuoteInTheTextIsSearchedLikeAnyOtherCharacter)
{
    Guardar(Cuatro);
    Guardar({30, "d'or.mp3", "L'Hospitalet", "O'Neill"});
    F_Buscar_Publicidad& b = forms::Get<F_Buscar_Publicidad>();
    struct Caso {
        int entrada;
        const char* texto;
        QStringList ordenes;
    };
    for (const Caso& caso : {Caso{0, "'", {}}, Caso{1, "d'", {"30"}}, Caso{2, "L'H", {"30"}}, Caso{2, "'", {}},
                             Caso{3, "O'", {"30"}}, Caso{3, "''", {}}, Caso{2, "[", {}}}) {
        SCOPED_TRACE(caso.texto);
        ASSERT_TRUE(ft::Choose(b.Combo, caso.entrada));
        ft::Type(b.Text1, caso.texto);
        EXPECT_EQ(Listados(b), caso.ordenes);
    }
    EXPECT_TRUE(b.Loaded());
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD").size(), 5);
}

TEST_F(F_Buscar_PublicidadTest, PickForTheContractsFormLoadsTheContractAndItsBlocks)
{
    Guardar(Cuatro);
    Colocar(QTime(8, 0), 2, 1, 30);
    Colocar(QTime(10, 0), 2, 1, 30);
    F_Publicidad& p = forms::Get<F_Publicidad>();

    ft::WhenShown<F_Buscar_Publicidad>([](F_Buscar_Publicidad& b) {
        ASSERT_TRUE(ft::DblClick(b.LISTA, Fila(b, "2")));
        EXPECT_FALSE(b.Loaded());
    });
    ASSERT_TRUE(ft::Click(p.B_Buscar_P));
    EXPECT_EQ(Control_busqueda, 1);

    EXPECT_EQ(p.T_Orden.Text(), "2");
    EXPECT_EQ(p.T_Campaña.Text(), "Navidad");
    EXPECT_EQ(p.L_Cuña.Caption(), "navidad.mp3");
    EXPECT_EQ(p.lista2.Rows(), 3);
    EXPECT_EQ(p.L_Pases.Caption(), "2");
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD_CONTENIDO").size(), 2);
}

TEST_F(F_Buscar_PublicidadTest, PickForTheBlocksFormAppendsTheSpotToTheShownBlock)
{
    Guardar(Cuatro);
    Bloque(QTime(10, 0), 0);
    F_BLoques& f = forms::Get<F_BLoques>();
    QTime diez(10, 0);
    f.BuscarBLoques(diez);

    ft::WhenShown<F_Buscar_Publicidad>(
        [](F_Buscar_Publicidad& b) { ASSERT_TRUE(ft::DblClick(b.LISTA, Fila(b, "21"))); });
    ASSERT_TRUE(ft::Click(f.Command1));
    EXPECT_EQ(Control_busqueda, 2);
    EXPECT_EQ(ft::ShownModally(), std::vector<QString>{"F_Buscar_Publicidad"});

    EXPECT_EQ(Filas("SELECT ORDEN,BLOQUE,NUMERO,TIEMPO FROM PUBLICIDAD_CONTENIDO"), QStringList{"21 10:00:00 2 30"});
    EXPECT_EQ(Filas("SELECT TIEMPO,TIEMPO_VER FROM BLOQUES"), QStringList{"30 00:00:30"});
    EXPECT_EQ(f.L_Total.Caption(), "00:00:30");
}

TEST_F(F_Buscar_PublicidadTest, PickWithAnyOtherValueHandsTheContractToNobody)
{
    Guardar(Cuatro);
    Bloque(QTime(10, 0), 0);
    QTime diez(10, 0);
    forms::Get<F_BLoques>().BuscarBLoques(diez);
    for (std::int16_t valor : {0, 3, -1}) {
        SCOPED_TRACE(valor);
        Elegir(valor, "2");
        EXPECT_TRUE(Filas("SELECT ORDEN FROM PUBLICIDAD_CONTENIDO").isEmpty());
        EXPECT_EQ(Filas("SELECT TIEMPO FROM BLOQUES"), QStringList{"0"});
        EXPECT_EQ(forms::Get<F_Publicidad>().T_Orden.Text(), "");
    }
}

TEST_F(F_Buscar_PublicidadTest, FinishedContractsAreListedOldestFirstAndDeletedWithEveryPastDay)
{
    Guardar({{1, "a.mp3", "A", "Ana", -1},
             {2, "b.mp3", "B", "Ana", -7},
             {3, "c.mp3", "C", "Ana", 0},
             {4, "d.mp3", "D", "Ana", 1}});
    for (auto [contrato, dia] : {std::pair{1, -1}, {3, -2}, {3, 0}, {3, 3}, {4, -1}})
        Dia(contrato, dia);
    F_Buscar_Publicidad& b = forms::Get<F_Buscar_Publicidad>();

    ASSERT_TRUE(ft::Click(b.Command2));
    EXPECT_EQ(Listados(b), (QStringList{"2", "1"}));

    ft::AnswerMsgBox(forms::vbNo);
    ASSERT_TRUE(ft::Click(b.Command3));
    EXPECT_EQ(ft::Messages().back().Prompt, "¿Desea eliminar los contratos finalizados?");
    EXPECT_EQ(ft::Messages().back().Buttons, forms::vbYesNo + forms::vbQuestion);
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD").size(), 4);
    EXPECT_EQ(Filas("SELECT CONTRATO FROM DIAS").size(), 5);

    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(b.Command3));
    EXPECT_EQ(Filas("SELECT ORDEN FROM PUBLICIDAD ORDER BY ORDEN"), (QStringList{"3", "4"}));
    const QDate hoy = QDate::currentDate();
    EXPECT_EQ(Filas("SELECT CONTRATO,DIA FROM DIAS ORDER BY DIA"),
              (QStringList{"3 " + hoy.toString("dd/MM/yyyy"), "3 " + hoy.addDays(3).toString("dd/MM/yyyy")}));
    EXPECT_TRUE(Listados(b).isEmpty());

    // Typing returns to the search.
    ASSERT_TRUE(ft::Type(b.Text1, "4"));
    EXPECT_EQ(Listados(b), QStringList{"4"});
}

}  // namespace
