#include "ClientesPrueba.h"
#include "station/Control_busqueda.h"
#include "traffic/F_Buscar_Clientes.h"
#include "traffic/F_Clientes.h"
#include "traffic/F_Publicidad.h"

#include "jet/Engine.h"

#include <QStringList>

namespace {

class F_Buscar_ClientesTest : public ClientesPrueba {
protected:
    static bool Cargado(std::type_index form)
    {
        forms::Form* found = forms::detail::FindForm(form);
        return found && found->Loaded();
    }

    // Shows the picker as its opener of that value does: the advertisers
    // form for 1, the contracts form entering a new contract for 2; with any
    // other value, shown with no opener's receiver.
    static void Abrir(std::int16_t control_busqueda, std::function<void(F_Buscar_Clientes&)> usuario)
    {
        forms::test::WhenShown<F_Buscar_Clientes>(std::move(usuario));
        if (control_busqueda == 1) {
            EXPECT_TRUE(forms::test::Click(forms::Get<F_Clientes>().B_Buscar));
        } else if (control_busqueda == 2) {
            F_Publicidad& publicidad = forms::Get<F_Publicidad>();
            if (publicidad.B_Añadir_p.Enabled()) {
                EXPECT_TRUE(forms::test::Click(publicidad.B_Añadir_p));
            }
            EXPECT_TRUE(forms::test::Click(publicidad.Command1));
        } else {
            Control_busqueda = control_busqueda;
            forms::Get<F_Buscar_Clientes>().Show(forms::vbModal);
        }
    }
};

TEST_F(F_Buscar_ClientesTest, ListsEveryAdvertiserByNameInSpanishOrderUnderItsHeadings)
{
    const char* nombres[] = {"Oca", "Ñandú", "nata", "Zeta", "Nube", "ábaco", "Abeto"};
    int numero = 1;
    for (const char* nombre : nombres)
        Insertar(numero++, QString::fromUtf8(nombre));

    QStringList listados, cabeceras;
    int anchoNombre = 0, anchoFijo = 0;
    Abrir(1, [&](F_Buscar_Clientes& buscador) {
        for (int fila = 1; fila < buscador.LISTA.Rows(); ++fila)
            listados << buscador.LISTA.TextMatrix(fila, 2);
        for (int columna = 1; columna <= 7; ++columna)
            cabeceras << buscador.LISTA.TextMatrix(0, columna);
        anchoNombre = buscador.LISTA.ColWidth(2);
        anchoFijo = buscador.LISTA.ColWidth(0);
        EXPECT_EQ(buscador.Caption(), "Busqueda de Clientes");
    });
    EXPECT_EQ(listados, QStringList({"ábaco", "Abeto", "nata", "Nube", "Ñandú", "Oca", "Zeta"}));
    EXPECT_EQ(cabeceras,
              QStringList({"Código", "Nombre", "Teléfono", "Dirección", "N.I.F", "Población", "Comentario"}));
    EXPECT_EQ(anchoNombre, 3000);
    EXPECT_EQ(anchoFijo, 1);
}

TEST_F(F_Buscar_ClientesTest, APickForTheContractsFormFillsItsLabelsAndCreatesNoAdvertisersForm)
{
    Insertar(3, "Tres");
    Insertar(4, "L'Escala");
    F_Publicidad& publicidad = forms::Get<F_Publicidad>();
    Abrir(2, [](F_Buscar_Clientes& buscador) {
        ASSERT_EQ(buscador.LISTA.Rows(), 3);
        forms::test::DblClick(buscador.LISTA, 1);  // "L'Escala" sorts first
    });
    EXPECT_EQ(publicidad.T_Cliente.Caption(), "4");
    EXPECT_EQ(publicidad.L_Cliente_Nombre.Caption(), "L'Escala");
    EXPECT_FALSE(Cargado(typeid(F_Buscar_Clientes)));
    EXPECT_FALSE(Cargado(typeid(F_Clientes)));  // nothing left to keep the program running
    EXPECT_TRUE(forms::test::Errors().empty());
}

TEST_F(F_Buscar_ClientesTest, ANewContractGetsItsAdvertiserFromThePickerAndIsSaved)
{
    Insertar(3, "Tres");
    Insertar(4, "L'Escala");
    F_Publicidad& publicidad = forms::Get<F_Publicidad>();
    ASSERT_TRUE(forms::test::Click(publicidad.B_Añadir_p));
    forms::test::WhenShown<F_Buscar_Clientes>([](F_Buscar_Clientes& buscador) {
        forms::test::DblClick(buscador.LISTA, 2);  // "Tres"
    });
    ASSERT_TRUE(forms::test::Click(publicidad.Command1));
    EXPECT_EQ(Control_busqueda, 2);
    EXPECT_EQ(publicidad.T_Cliente.Caption(), "3");
    EXPECT_EQ(publicidad.L_Cliente_Nombre.Caption(), "Tres");

    publicidad.L_Cuña.Caption("cuña.wav");  // a spot already chosen
    ASSERT_TRUE(forms::test::Click(publicidad.B_Guardar_p));
    jet::Recordset rs =
        jet::DBEngine().OpenDatabase(DornaPath()).OpenRecordset("SELECT CLIENTE,CLIENTE_NOMBRE FROM PUBLICIDAD");
    ASSERT_EQ(rs.RecordCount(), 1);
    EXPECT_EQ(rs.Fields("CLIENTE").Value().toInt(), 3);
    EXPECT_EQ(rs.Fields("CLIENTE_NOMBRE").Value().toString(), "Tres");
    EXPECT_FALSE(Cargado(typeid(F_Clientes)));
    EXPECT_TRUE(forms::test::Errors().empty());
}

TEST_F(F_Buscar_ClientesTest, WhileOpenFromTheAdvertisersFormItKeepsThatFormDisabled)
{
    Insertar(3, "Tres");
    F_Clientes& clientes = forms::Get<F_Clientes>();
    bool habilitadoDurante = true;
    Abrir(1, [&](F_Buscar_Clientes& buscador) {
        habilitadoDurante = clientes.Enabled();
        forms::test::DblClick(buscador.LISTA, 1);
    });
    EXPECT_FALSE(habilitadoDurante);
    EXPECT_TRUE(clientes.Enabled());
    EXPECT_EQ(clientes.T_Nombre.Text(), "Tres");
    EXPECT_EQ(clientes.T_Comentario.Text(), "c3");
}

TEST_F(F_Buscar_ClientesTest, APickForNoOpenerHandsNothingOver)
{
    F_Publicidad& publicidad = forms::Get<F_Publicidad>();
    Insertar(3, "Tres");
    Abrir(0, [](F_Buscar_Clientes& buscador) { forms::test::DblClick(buscador.LISTA, 1); });
    EXPECT_EQ(publicidad.T_Cliente.Caption(), "");
    EXPECT_FALSE(Cargado(typeid(F_Clientes)));
    EXPECT_FALSE(Cargado(typeid(F_Buscar_Clientes)));

    // Opened by the contracts form, which gave its receiver, and the value
    // changed before the pick.
    for (std::int16_t valor : {0, 3, -1}) {
        SCOPED_TRACE(valor);
        Abrir(2, [valor](F_Buscar_Clientes& buscador) {
            Control_busqueda = valor;
            forms::test::DblClick(buscador.LISTA, 1);
            EXPECT_FALSE(buscador.Loaded());
        });
        EXPECT_EQ(publicidad.T_Cliente.Caption(), "");
        EXPECT_EQ(publicidad.L_Cliente_Nombre.Caption(), "");
    }
    EXPECT_FALSE(Cargado(typeid(F_Clientes)));
}

}  // namespace
