#include "ClientesPrueba.h"
#include "traffic/F_Buscar_Clientes.h"
#include "traffic/F_Clientes.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"

#include <QStringList>

namespace {

using forms::test::Click;
using forms::test::Type;

struct Cliente {
    QString numero, nombre, telefono, direccion, nif, poblacion, comentario;
};

class F_ClientesTest : public ClientesPrueba {
protected:
    static std::vector<Cliente> Guardados()
    {
        jet::Recordset rs =
            jet::DBEngine().OpenDatabase(DornaPath()).OpenRecordset("SELECT * FROM CLIENTES ORDER BY NUMERO");
        std::vector<Cliente> clientes;
        for (; !rs.EOF(); rs.MoveNext()) {
            auto texto = [&rs](const char* columna) { return rs.Fields(columna).Value().toString(); };
            clientes.push_back({texto("NUMERO"), texto("NOMBRE"), texto("TELEFONO"), texto("DIRECCION"), texto("NIF"),
                                texto("POBLACION"), texto("COMENTARIO")});
        }
        return clientes;
    }

    static void Escribir(F_Clientes& f, const Cliente& c)
    {
        Type(f.T_Codigo, c.numero);
        Type(f.T_Nombre, c.nombre);
        Type(f.T_Telefonos, c.telefono);
        Type(f.T_Direccion, c.direccion);
        Type(f.T_Nif, c.nif);
        Type(f.T_Poblacion, c.poblacion);
        Type(f.T_Comentario, c.comentario);
    }

    static Cliente Mostrado(F_Clientes& f)
    {
        return {f.T_Codigo.Text(), f.T_Nombre.Text(),    f.T_Telefonos.Text(), f.T_Direccion.Text(),
                f.T_Nif.Text(),    f.T_Poblacion.Text(), f.T_Comentario.Text()};
    }

    // The user picks in the advertiser picker the row whose name is nombre.
    static void ElegirEnBuscador(const QString& nombre)
    {
        forms::test::WhenShown<F_Buscar_Clientes>([nombre](F_Buscar_Clientes& buscador) {
            for (int fila = 1; fila < buscador.LISTA.Rows(); ++fila)
                if (buscador.LISTA.TextMatrix(fila, 2) == nombre) {
                    forms::test::DblClick(buscador.LISTA, fila);
                    return;  // the picker has unloaded itself
                }
        });
    }
};

void ExpectIgual(const Cliente& a, const Cliente& b)
{
    EXPECT_EQ(a.numero, b.numero);
    EXPECT_EQ(a.nombre, b.nombre);
    EXPECT_EQ(a.telefono, b.telefono);
    EXPECT_EQ(a.direccion, b.direccion);
    EXPECT_EQ(a.nif, b.nif);
    EXPECT_EQ(a.poblacion, b.poblacion);
    EXPECT_EQ(a.comentario, b.comentario);
}

TEST_F(F_ClientesTest, OpensIdleWithBoxesAndSaveAndDeleteDisabled)
{
    F_Clientes& f = forms::Get<F_Clientes>();
    EXPECT_EQ(f.Caption(), "Clientes");
    EXPECT_FALSE(f.T_Codigo.Enabled());
    EXPECT_FALSE(f.T_Comentario.Enabled());
    EXPECT_FALSE(f.B_Guardar.Enabled());
    EXPECT_FALSE(f.B_Eliminar.Enabled());
    EXPECT_TRUE(f.B_Añadir.Enabled());
    EXPECT_TRUE(f.B_Buscar.Enabled());
}

TEST_F(F_ClientesTest, AddProposesTheHighestNumberPlusOne)
{
    struct Caso {
        std::vector<long long> numeros;
        const char* propuesto;
    };
    // The proposal is typed back on saving: digits, never "1e+15".
    const Caso casos[] = {{{}, "1"}, {{1, 2, 7}, "8"}, {{7, 2, 1}, "8"}, {{999999999999999}, "1000000000000000"}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.propuesto);
        jet::DBEngine().OpenDatabase(DornaPath()).Execute("DELETE * FROM CLIENTES");
        for (long long numero : caso.numeros)
            Insertar(numero, "X");
        F_Clientes& f = forms::Get<F_Clientes>();
        ASSERT_TRUE(Click(f.B_Añadir));
        EXPECT_EQ(f.T_Codigo.Text(), caso.propuesto);
        EXPECT_TRUE(f.T_Nombre.Enabled());
        EXPECT_TRUE(f.B_Guardar.Enabled());
        EXPECT_FALSE(f.B_Buscar.Enabled());
        f.Unload();
    }
}

TEST_F(F_ClientesTest, SavingANewAdvertiserStoresEveryBoxAndEmptiesTheForm)
{
    F_Clientes& f = forms::Get<F_Clientes>();
    ASSERT_TRUE(Click(f.B_Añadir));
    const Cliente nuevo{"1", "Muebles Pérez", "93 555 12 12", "Calle Mayor 3", "B12345678", "Girona", "Paga a 30 días"};
    Escribir(f, nuevo);
    ASSERT_TRUE(Click(f.B_Guardar));

    const std::vector<Cliente> guardados = Guardados();
    ASSERT_EQ(guardados.size(), 1u);
    ExpectIgual(guardados[0], nuevo);
    EXPECT_TRUE(Prompts().isEmpty());
    ExpectIgual(Mostrado(f), Cliente{});
    EXPECT_FALSE(f.T_Nombre.Enabled());
    EXPECT_FALSE(f.B_Guardar.Enabled());
    EXPECT_TRUE(f.B_Buscar.Enabled());
}

TEST_F(F_ClientesTest, ARefusedSaveShowsItsMessageAndWritesNothing)
{
    struct Caso {
        const char* numero;
        const char* nombre;
        const char* mensaje;
    };
    const Caso casos[] = {
        {"", "Nombre", "El Numero de Cliente no es valido"},
        {"abc", "Nombre", "El Numero de Cliente no es valido"},
        {"3'", "Nombre", "El Numero de Cliente no es valido"},
        {"3 OR 1=1", "Nombre", "El Numero de Cliente no es valido"},
        {"nan", "Nombre", "El Numero de Cliente no es valido"},
        {"inf", "Nombre", "El Numero de Cliente no es valido"},
        {"-inf", "Nombre", "El Numero de Cliente no es valido"},
        {"5", "", "El cliente ya existe"},  // the duplicate is refused before the name is looked at
        {"005", "Otro", "El cliente ya existe"},
        {"6", "", "El nombre del cliente no es correcto"},
    };
    Insertar(5, "Existente");
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.numero);
        F_Clientes& f = forms::Get<F_Clientes>();
        ASSERT_TRUE(Click(f.B_Añadir));
        Type(f.T_Codigo, caso.numero);
        Type(f.T_Nombre, caso.nombre);
        const size_t antes = forms::test::Messages().size();
        ASSERT_TRUE(Click(f.B_Guardar));
        ASSERT_EQ(forms::test::Messages().size(), antes + 1);
        EXPECT_EQ(forms::test::Messages().back().Prompt, caso.mensaje);
        EXPECT_EQ(forms::test::Messages().back().Buttons, forms::vbOKOnly);
        EXPECT_EQ(Guardados().size(), 1u);
        EXPECT_TRUE(f.B_Guardar.Enabled());  // still entering
        EXPECT_EQ(f.T_Nombre.Text(), caso.nombre);
        f.Unload();
    }
    EXPECT_TRUE(forms::test::Errors().empty());
}

TEST_F(F_ClientesTest, ANameOfBlanksIsAccepted)
{
    F_Clientes& f = forms::Get<F_Clientes>();
    ASSERT_TRUE(Click(f.B_Añadir));
    Type(f.T_Nombre, "   ");
    ASSERT_TRUE(Click(f.B_Guardar));
    ASSERT_EQ(Guardados().size(), 1u);
    EXPECT_EQ(Guardados()[0].nombre, "   ");
}

TEST_F(F_ClientesTest, FoundAdvertiserIsShownAndItsEditSavedWithoutItsNumber)
{
    Insertar(1, "Alfa");
    Insertar(2, "Beta");
    F_Clientes& f = forms::Get<F_Clientes>();
    // Añadir, Cancelar, then a search: the save edits the loaded advertiser.
    ASSERT_TRUE(Click(f.B_Añadir));
    ASSERT_TRUE(Click(f.B_Cancelar));
    ElegirEnBuscador("Beta");
    ASSERT_TRUE(Click(f.B_Buscar));
    EXPECT_EQ(f.T_Codigo.Text(), "2");
    EXPECT_EQ(f.T_Nombre.Text(), "Beta");
    EXPECT_TRUE(f.B_Guardar.Enabled());
    EXPECT_TRUE(f.B_Eliminar.Enabled());
    EXPECT_TRUE(f.T_Nombre.Enabled());

    Type(f.T_Codigo, "9");  // ignored by an edit
    Type(f.T_Nombre, "Beta Radio");
    Type(f.T_Poblacion, "Lleida");
    ASSERT_TRUE(Click(f.B_Guardar));

    const std::vector<Cliente> guardados = Guardados();
    ASSERT_EQ(guardados.size(), 2u);
    EXPECT_EQ(guardados[0].nombre, "Alfa");
    EXPECT_EQ(guardados[1].numero, "2");
    EXPECT_EQ(guardados[1].nombre, "Beta Radio");
    EXPECT_EQ(guardados[1].poblacion, "Lleida");
    EXPECT_EQ(f.T_Nombre.Text(), "Beta Radio");  // the form stays as it is
}

TEST_F(F_ClientesTest, AnEditMayEmptyTheName)
{
    Insertar(4, "Gamma");
    F_Clientes& f = forms::Get<F_Clientes>();
    double cuatro = 4;
    f.BuscarCliente(cuatro);
    Type(f.T_Nombre, "");
    ASSERT_TRUE(Click(f.B_Guardar));
    EXPECT_EQ(Guardados()[0].nombre, "");
    EXPECT_TRUE(Prompts().isEmpty());
}

TEST_F(F_ClientesTest, DeleteAsksAndRemovesOnlyOnYes)
{
    Insertar(1, "Alfa");
    Insertar(2, "Beta");
    F_Clientes& f = forms::Get<F_Clientes>();
    double dos = 2;

    f.BuscarCliente(dos);
    forms::test::AnswerMsgBox(forms::vbNo);
    ASSERT_TRUE(Click(f.B_Eliminar));
    EXPECT_EQ(Guardados().size(), 2u);
    EXPECT_EQ(forms::test::Messages().back().Prompt, "Desea eliminar el cliente");
    EXPECT_EQ(forms::test::Messages().back().Buttons, forms::vbYesNo + forms::vbQuestion);

    forms::test::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(Click(f.B_Eliminar));
    const std::vector<Cliente> guardados = Guardados();
    ASSERT_EQ(guardados.size(), 1u);
    EXPECT_EQ(guardados[0].nombre, "Alfa");
    ExpectIgual(Mostrado(f), Cliente{});
    EXPECT_FALSE(f.B_Eliminar.Enabled());
    EXPECT_FALSE(f.B_Guardar.Enabled());
    EXPECT_FALSE(f.T_Codigo.Enabled());
    EXPECT_TRUE(forms::test::Errors().empty());
}

TEST_F(F_ClientesTest, DeleteWithANumberNobodyHasTouchesNoAdvertiser)
{
    Insertar(1, "Alfa");
    Insertar(2, "Beta");
    for (const char* codigo : {"7", "", "1'", "1 OR 1=1", "x' OR 'a'='a", "nan", "inf"}) {
        SCOPED_TRACE(codigo);
        F_Clientes& f = forms::Get<F_Clientes>();
        double dos = 2;
        f.BuscarCliente(dos);
        Type(f.T_Codigo, codigo);  // the box stays editable in the loaded state
        ASSERT_TRUE(Click(f.B_Eliminar));
        EXPECT_EQ(Guardados().size(), 2u);
        f.Unload();
    }
    EXPECT_TRUE(Prompts().isEmpty());
    EXPECT_TRUE(forms::test::Errors().empty());
}

TEST_F(F_ClientesTest, ARefusedDeleteOfAnotherNumberLeavesTheEditOnTheLoadedAdvertiser)
{
    Insertar(1, "Alfa");
    Insertar(2, "Beta");
    F_Clientes& f = forms::Get<F_Clientes>();
    double dos = 2;
    f.BuscarCliente(dos);
    Type(f.T_Codigo, "1");
    forms::test::AnswerMsgBox(forms::vbNo);
    ASSERT_TRUE(Click(f.B_Eliminar));
    Type(f.T_Nombre, "Beta nueva");
    ASSERT_TRUE(Click(f.B_Guardar));
    const std::vector<Cliente> guardados = Guardados();
    ASSERT_EQ(guardados.size(), 2u);
    EXPECT_EQ(guardados[0].nombre, "Alfa");
    EXPECT_EQ(guardados[1].nombre, "Beta nueva");
}

TEST_F(F_ClientesTest, FindingANumberNobodyHasShowsNobody)
{
    Insertar(1, "Alfa");
    F_Clientes& f = forms::Get<F_Clientes>();
    double uno = 1, nueve = 9;
    f.BuscarCliente(uno);
    f.BuscarCliente(nueve);
    ExpectIgual(Mostrado(f), Cliente{});
    EXPECT_FALSE(f.B_Guardar.Enabled());
    EXPECT_FALSE(f.B_Eliminar.Enabled());
    ASSERT_TRUE(Click(f.B_Añadir));
    EXPECT_EQ(f.T_Codigo.Text(), "2");
}

TEST_F(F_ClientesTest, ApostrophesAndSqlLookingTextAreStoredListedAndFoundIntact)
{
    const Cliente raro{"1",
                       "L'Hospitalet d'Àudio",
                       "93' 555",
                       "'; DELETE * FROM CLIENTES; --",
                       "X\"1'",
                       "Sant Boi d'Llobregat",
                       "Diu: \"l'any que ve\" ' OR '1'='1"};
    F_Clientes& f = forms::Get<F_Clientes>();
    ASSERT_TRUE(Click(f.B_Añadir));
    Escribir(f, raro);
    ASSERT_TRUE(Click(f.B_Guardar));
    ASSERT_EQ(Guardados().size(), 1u);
    ExpectIgual(Guardados()[0], raro);

    QStringList listados;
    forms::test::WhenShown<F_Buscar_Clientes>([&listados](F_Buscar_Clientes& buscador) {
        for (int columna = 1; columna <= 7; ++columna)
            listados << buscador.LISTA.TextMatrix(1, columna);
        forms::test::DblClick(buscador.LISTA, 1);
    });
    ASSERT_TRUE(Click(f.B_Buscar));
    EXPECT_EQ(listados, QStringList({raro.numero, raro.nombre, raro.telefono, raro.direccion, raro.nif, raro.poblacion,
                                     raro.comentario}));
    ExpectIgual(Mostrado(f), raro);

    ASSERT_TRUE(Click(f.B_Guardar));  // an edit writes them back unchanged
    ASSERT_EQ(Guardados().size(), 1u);
    ExpectIgual(Guardados()[0], raro);
    EXPECT_TRUE(forms::test::Errors().empty());
}

TEST_F(F_ClientesTest, ClosingAndOpeningAgainStartsIdle)
{
    Insertar(1, "Alfa");
    F_Clientes& f = forms::Get<F_Clientes>();
    double uno = 1;
    f.BuscarCliente(uno);
    ASSERT_TRUE(Click(f.B_Salir));
    EXPECT_FALSE(f.Loaded());
    F_Clientes& otra = forms::Get<F_Clientes>();
    EXPECT_EQ(&otra, &f);
    EXPECT_EQ(otra.T_Nombre.Text(), "");
    EXPECT_FALSE(otra.B_Guardar.Enabled());
}

}  // namespace
