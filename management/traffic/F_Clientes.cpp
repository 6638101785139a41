#include "traffic/F_Clientes.h"

#include "station/Control_busqueda.h"
#include "station/Numeros.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "traffic/F_Buscar_Clientes.h"

#include "forms/MsgBox.h"

F_Clientes::F_Clientes()
{
    B_Añadir.OnClick = [this] { B_Añadir_Click(); };
    B_Guardar.OnClick = [this] { B_Guardar_Click(); };
    B_Eliminar.OnClick = [this] { B_Eliminar_Click(); };
    B_Buscar.OnClick = [this] { B_Buscar_Click(); };
    B_Cancelar.OnClick = [this] { B_Cancelar_Click(); };
    B_Salir.OnClick = [this] { B_Salir_Click(); };
}

void F_Clientes::Design()
{
    Caption("Clientes");
    Width(7800);
    Height(5400);

    struct Campo {
        forms::Label& etiqueta;
        const char* texto;
        forms::TextBox& caja;
        int ancho;
        int alto;
    };
    const Campo campos[] = {
        {Label1, "Codigo", T_Codigo, 1200, 315},
        {Label2, "Nombre", T_Nombre, 5400, 315},
        {Label3, "Telefonos", T_Telefonos, 3000, 315},
        {Label4, "Direccion", T_Direccion, 5400, 315},
        {Label5, "N.I.F", T_Nif, 2000, 315},
        {Label6, "Poblacion", T_Poblacion, 3000, 315},
        {Label7, "Comentario", T_Comentario, 5400, 1000},
    };
    int top = 240;
    for (const Campo& campo : campos) {
        campo.etiqueta.Caption(QString::fromUtf8(campo.texto));
        campo.etiqueta.Move(240, top + 40, 1500, 255);
        campo.caja.Move(1800, top, campo.ancho, campo.alto);
        campo.caja.Enabled(false);
        top += campo.alto + 120;
    }

    B_Añadir.Caption("Añadir");
    B_Guardar.Caption("Guardar");
    B_Eliminar.Caption("Eliminar");
    B_Buscar.Caption("Buscar");
    B_Cancelar.Caption("Cancelar");
    B_Salir.Caption("Salir");
    int left = 240;
    for (forms::CommandButton* boton : {&B_Añadir, &B_Guardar, &B_Eliminar, &B_Buscar, &B_Cancelar, &B_Salir}) {
        boton->Move(left, top + 240, 1150, 375);
        left += 1230;
    }
    B_Guardar.Enabled(false);
    B_Eliminar.Enabled(false);

    D_Clientes.RecordSource = "CLIENTES";
}

void F_Clientes::Form_Load()
{
    D_Clientes.DatabaseName = DornaPath();
    D_Clientes.Refresh();
}

void F_Clientes::Form_Unload()
{
    D_Clientes.Recordset().Close();
}

void F_Clientes::B_Añadir_Click()
{
    LimpiarCampos();
    D_Clientes.RecordSource = "SELECT * FROM CLIENTES ORDER BY  NUMERO";
    D_Clientes.Refresh();
    jet::Recordset& clientes = D_Clientes.Recordset();
    if (clientes.AbsolutePosition() == -1) {
        T_Codigo.Text("1");
    } else {
        clientes.MoveLast();
        T_Codigo.Text(SqlNumero(clientes.Fields("NUMERO").Value().toDouble() + 1));
    }
    B_Guardar.Enabled(true);
    B_Buscar.Enabled(false);
    Nuevo_Cliente = true;
    HabilitarCampos(true);
    T_Codigo.SetFocus();
}

void F_Clientes::B_Guardar_Click()
{
    jet::Recordset& clientes = D_Clientes.Recordset();
    if (Nuevo_Cliente) {
        // The number is a whole one: "4.5" or one beyond what NUMERO holds is no advertiser's.
        const std::optional<int> numero = Entero(T_Codigo.Text());
        if (!numero) {
            forms::MsgBox("El Numero de Cliente no es valido", forms::vbOKOnly);
            T_Codigo.SetFocus();
            return;
        }
        if (IrACliente(*numero)) {
            forms::MsgBox("El cliente ya existe", forms::vbOKOnly);
            return;
        }
        if (T_Nombre.Text().isEmpty()) {
            forms::MsgBox("El nombre del cliente no es correcto", forms::vbOKOnly);
            T_Nombre.SetFocus();
            return;
        }
        clientes.AddNew();
        clientes.Fields("NUMERO") = *numero;
        clientes.Fields("NOMBRE") = T_Nombre.Text();
        clientes.Fields("TELEFONO") = T_Telefonos.Text();
        clientes.Fields("DIRECCION") = T_Direccion.Text();
        clientes.Fields("NIF") = T_Nif.Text();
        clientes.Fields("COMENTARIO") = T_Comentario.Text();
        clientes.Fields("POBLACION") = T_Poblacion.Text();
        clientes.Update();
        Nuevo_Cliente = false;
        LimpiarCampos();
        HabilitarCampos(false);
        B_Guardar.Enabled(false);
        B_Buscar.Enabled(true);
        return;
    }
    // The row the picker loaded, found again: a lookup in between (a
    // refused "Eliminar") may have moved the recordset to another advertiser.
    if (!Cliente_Cargado || !IrACliente(*Cliente_Cargado))
        return;
    clientes.Edit();
    clientes.Fields("NOMBRE") = T_Nombre.Text();
    clientes.Fields("TELEFONO") = T_Telefonos.Text();
    clientes.Fields("DIRECCION") = T_Direccion.Text();
    clientes.Fields("NIF") = T_Nif.Text();
    clientes.Fields("COMENTARIO") = T_Comentario.Text();
    clientes.Fields("POBLACION") = T_Poblacion.Text();
    clientes.Update();
}

void F_Clientes::B_Eliminar_Click()
{
    // A number nobody has, or a box that holds no number, deletes nothing.
    const std::optional<double> numero = Numero(T_Codigo.Text());
    if (!numero || !IrACliente(*numero))
        return;
    if (forms::MsgBox("Desea eliminar el cliente", forms::vbYesNo + forms::vbQuestion) != forms::vbYes)
        return;
    D_Clientes.Recordset().Delete();
    B_Cancelar_Click();
}

void F_Clientes::B_Cancelar_Click()
{
    LimpiarCampos();
    HabilitarCampos(false);
    B_Añadir.Enabled(true);
    B_Buscar.Enabled(true);
    B_Guardar.Enabled(false);
    B_Eliminar.Enabled(false);
    Nuevo_Cliente = false;
    Cliente_Cargado.reset();
}

void F_Clientes::B_Buscar_Click()
{
    F_Buscar_Clientes& Busqueda = forms::Get<F_Buscar_Clientes>();
    Busqueda.Receptor1 = [this](double Cliente) { BuscarCliente(Cliente); };
    Control_busqueda = 1;
    Busqueda.Show(forms::vbModal);
}

void F_Clientes::B_Salir_Click()
{
    Unload();
}

void F_Clientes::BuscarCliente(double& Cliente)
{
    if (!IrACliente(Cliente)) {
        B_Cancelar_Click();
        return;
    }
    Nuevo_Cliente = false;
    HabilitarCampos(true);
    B_Guardar.Enabled(true);
    B_Eliminar.Enabled(true);
    Cliente_Cargado = Cliente;

    jet::Recordset& clientes = D_Clientes.Recordset();
    T_Codigo.Text(clientes.Fields("NUMERO").Value().toString());
    T_Nombre.Text(clientes.Fields("NOMBRE").Value().toString());
    T_Telefonos.Text(clientes.Fields("TELEFONO").Value().toString());
    T_Direccion.Text(clientes.Fields("DIRECCION").Value().toString());
    T_Nif.Text(clientes.Fields("NIF").Value().toString());
    T_Comentario.Text(clientes.Fields("COMENTARIO").Value().toString());
    T_Poblacion.Text(clientes.Fields("POBLACION").Value().toString());
}

bool F_Clientes::IrACliente(double Numero)
{
    jet::Recordset& clientes = D_Clientes.Recordset();
    clientes.FindFirst("NUMERO=" + SqlNumero(Numero));
    return !clientes.NoMatch();
}

void F_Clientes::LimpiarCampos()
{
    for (forms::TextBox* caja : {&T_Codigo, &T_Nombre, &T_Telefonos, &T_Direccion, &T_Nif, &T_Comentario, &T_Poblacion})
        caja->Text("");
}

void F_Clientes::HabilitarCampos(bool Habilitar)
{
    for (forms::TextBox* caja : {&T_Codigo, &T_Nombre, &T_Telefonos, &T_Direccion, &T_Nif, &T_Comentario, &T_Poblacion})
        caja->Enabled(Habilitar);
}
