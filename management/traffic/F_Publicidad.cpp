#include "traffic/F_Publicidad.h"

#include "station/Audio.h"
#include "station/Control_busqueda.h"
#include "station/Numeros.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "traffic/Asignar.h"
#include "traffic/F_Buscar_Clientes.h"
#include "traffic/F_Buscar_Publicidad.h"
#include "traffic/TiempoBloque.h"

#include "forms/MsgBox.h"
#include "jet/Database.h"
#include "jet/Engine.h"
#include "sound/Sound.h"

#include <QColor>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <exception>
#include <tuple>
#include <utility>
#include <vector>

namespace {

const QString ListaBloques = "SELECT HORA,TIEMPO_VER,TIEMPO FROM BLOQUES ORDER BY  HORA";
// No spot is named "[": the two lower lists show no rows.
const QString Lista2Vacia = "SELECT BLOQUE FROM PUBLICIDAD_CONTENIDO WHERE NOMBRE =\"[\" ORDER BY BLOQUE";
const QString Lista3Vacia =
    "SELECT ORDEN,NOMBRE,TIEMPO_VER FROM PUBLICIDAD_CONTENIDO WHERE NOMBRE =\"[\" ORDER BY NUMERO";

// The name of an ordinary file without its folder; empty for a hidden file or
// one that does not exist.
QString NombreFichero(const QString& ruta)
{
    const QFileInfo fichero(ruta);
    if (!fichero.exists() || !fichero.isFile() || fichero.isHidden())
        return QString();
    return fichero.fileName();
}

std::optional<QTime> HoraDeTexto(const QString& texto)
{
    const jet::Value valor = jet::Value::ParseDateTime(texto);
    if (valor.IsNull())
        return std::nullopt;
    return valor.toTime();
}

}  // namespace

F_Publicidad::F_Publicidad()
{
    B_Añadir_p.OnClick = [this] { B_Añadir_p_Click(); };
    B_Guardar_p.OnClick = [this] { B_Guardar_p_Click(); };
    B_Eliminar_P.OnClick = [this] { B_Eliminar_P_Click(); };
    B_Cancelar_P.OnClick = [this] { B_Cancelar_P_Click(); };
    B_Buscar_P.OnClick = [this] { B_Buscar_P_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
    Command5.OnClick = [this] { Command5_Click(); };
    Poner_p.OnClick = [this] { Poner_p_Click(); };
    Quitar_P.OnClick = [this] { Quitar_P_Click(); };
    Lista1.OnDblClick = [this] { Lista1_DblClick(); };
    lista2.OnClick = [this] { lista2_Click(); };
    lista2.OnDblClick = [this] { lista2_DblClick(); };
    lista3.OnMouseDown = [this](int Button, int Shift, float X, float Y) { lista3_MouseDown(Button, Shift, X, Y); };
    lista3.OnDragDrop = [this](forms::Control& Source, float X, float Y) { lista3_DragDrop(Source, X, Y); };
    T_Periodo2.OnCloseUp = [this] { T_Periodo2_CloseUp(); };
}

void F_Publicidad::Design()
{
    Caption("Publicidad");
    Width(11100);
    Height(8200);

    Frame1.Move(120, 60, 10860, 700);
    const std::pair<forms::CommandButton*, QString> barra[] = {
        {&B_Añadir_p, "Añadir"}, {&B_Eliminar_P, "Eliminar"}, {&B_Guardar_p, "Guardar"},
        {&B_Buscar_P, "Buscar"}, {&B_Cancelar_P, "Terminar"}, {&Command2, "Salir"},
    };
    int izquierda = 120;
    for (const auto& [boton, texto] : barra) {
        boton->Move(izquierda, 200, 1300, 400);
        boton->Caption(texto);
        izquierda += 1400;
    }
    B_Eliminar_P.Enabled(false);
    B_Guardar_p.Enabled(false);
    L_Caducada.Move(8700, 200, 1900, 400);
    L_Caducada.Caption("Caducada");
    L_Caducada.ForeColor(Qt::white);
    L_Caducada.BackColor(Qt::red);
    L_Caducada.Alignment(forms::Alignment::Center);
    L_Caducada.Visible(false);

    Frame_Publicidad.Move(120, 840, 10860, 7200);
    Frame_Publicidad.Caption("Publicidad");
    Frame_Publicidad.Enabled(false);

    const std::tuple<forms::Label*, QString, int, int> etiquetas[] = {
        {&Label1, "Nº Contrato", 200, 300},
        {&Label2, "Nº Cliente", 3000, 300},
        {&Label3, "Nombre", 5100, 300},
        {&Label4, "Campaña", 200, 700},
        {&Label5, "Cuña", 200, 1100},
        {&Label7, "Duración", 6500, 1100},
        {&Label8, "Locutor", 200, 1500},
        {&Label12, "Emitidas", 6500, 1500},
        {&Label11, "Comentario", 200, 1900},
        {&Label6, "Total Insertadas", 6500, 1900},
        {&Label9, "Bloques", 200, 2750},
        {&Label10, "Insertadas", 3600, 2750},
        {&Label16, "Descripción del bloque", 5500, 2750},
    };
    for (const auto& [etiqueta, texto, x, y] : etiquetas) {
        etiqueta->Move(x, y, 1400, 300);
        etiqueta->Caption(texto);
    }
    Label16.Width(3000);
    Label6.Width(1700);

    T_Orden.Move(1550, 300, 1200, 315);
    T_Orden.Enabled(false);
    T_Cliente.Move(4100, 300, 900, 315);
    L_Cliente_Nombre.Move(5900, 300, 3600, 315);
    Command1.Move(9600, 300, 450, 315);
    Command1.Caption("...");
    T_Campaña.Move(1550, 700, 4300, 315);
    Command3.Move(6000, 700, 2200, 315);
    Command3.Caption("Periodos de emisión");
    T_Periodo1.Move(8300, 700, 1200, 315);
    T_Periodo1.Visible(false);
    T_Periodo2.Move(9500, 700, 1200, 315);
    T_Periodo2.Visible(false);
    L_Cuña.Move(1550, 1100, 4300, 315);
    Command5.Move(5900, 1100, 450, 315);
    Command5.Caption("...");
    L_Duracion.Move(7600, 1100, 1200, 315);
    T_Voz.Move(1550, 1500, 4300, 315);
    L_Emitidas.Move(7600, 1500, 800, 315);
    T_Comentario.Move(1550, 1900, 4300, 700);
    L_Pases.Move(8300, 1900, 800, 315);

    Lista1.Move(200, 3050, 2700, 3900);
    Poner_p.Move(3000, 4000, 500, 400);
    Poner_p.Caption(">>");
    Quitar_P.Move(3000, 4600, 500, 400);
    Quitar_P.Caption("<<");
    lista2.Move(3600, 3050, 1800, 3900);
    lista3.Move(5500, 3050, 5200, 3900);
    Lista1.DataSource(D_Lista1);
    lista2.DataSource(D_Lista2);
    lista3.DataSource(D_Lista3);

    CommonDialog.DialogTitle("Selecione");

    Data_Publicidad.RecordSource = "PUBLICIDAD";
    Data_Publicidad_Contenido.RecordSource = "PUBLICIDAD_CONTENIDO";
    Data_Clientes.RecordSource = "CLIENTES";
    D_Lista1.RecordSource = "BLOQUES";
    D_Lista2.RecordSource = "PUBLICIDAD_CONTENIDO";
    D_Lista3.RecordSource = "PUBLICIDAD_CONTENIDO";
}

void F_Publicidad::Form_Load()
{
    Data_Publicidad_Contenido.DatabaseName = DornaPath();
    Data_Clientes.DatabaseName = DornaPath();
    Data_Publicidad.DatabaseName = DornaPath();

    D_Lista1.DatabaseName = DornaPath();
    D_Lista1.RecordSource = ListaBloques;
    D_Lista1.Refresh();
    D_Lista2.DatabaseName = DornaPath();
    D_Lista2.RecordSource = Lista2Vacia;
    D_Lista2.Refresh();
    D_Lista3.DatabaseName = DornaPath();
    D_Lista3.RecordSource = Lista3Vacia;
    D_Lista3.Refresh();

    IniciarAudio(*this);

    Data_Publicidad.Refresh();
    Data_Publicidad_Contenido.Refresh();
    Data_Clientes.Refresh();
    TitulosListas();
}

void F_Publicidad::Form_Unload()
{
    sound::Close();
    Data_Publicidad.Recordset().Close();
    D_Lista1.Recordset().Close();
    D_Lista2.Recordset().Close();
    D_Lista3.Recordset().Close();
    Data_Publicidad_Contenido.Recordset().Close();
    Data_Clientes.Recordset().Close();
}

void F_Publicidad::Form_Resize()
{
    TitulosListas();
}

std::optional<long long> F_Publicidad::NumeroContrato() const
{
    // A contract number is a whole number from 1 up; a minus typed before it is dropped.
    const std::optional<int> numero = Entero(T_Orden.Text());
    if (!numero || *numero == 0)
        return std::nullopt;
    return std::abs(*numero);
}

bool F_Publicidad::EncontrarContrato(long long Orden)
{
    // Read again: the contract search may have deleted contracts meanwhile.
    Data_Publicidad.Refresh();
    jet::Recordset& contratos = Data_Publicidad.Recordset();
    contratos.FindFirst("ORDEN=" + QString::number(Orden));
    return !contratos.NoMatch();
}

// ---------------------------------------------------------------- contract

void F_Publicidad::EscribirContrato(jet::Recordset& contratos, long long Orden)
{
    contratos.Fields("ORDEN") = Orden;
    contratos.Fields("CAMPAÑA") = T_Campaña.Text();
    contratos.Fields("PERIODO") = T_Periodo1.Value().date();
    contratos.Fields("PERIODO2") = T_Periodo2.Value().date();
    contratos.Fields("CUÑA") = Fichero_Cuña;
    contratos.Fields("NOMBRE") = L_Cuña.Caption();
    contratos.Fields("DURACION") = Segundos_Fichero;
    contratos.Fields("DURACION_MOSTRAR") = L_Duracion.Caption();
    contratos.Fields("VOZ") = T_Voz.Text();
    contratos.Fields("COMENTARIO") = T_Comentario.Text();
}

void F_Publicidad::LimpiarContrato()
{
    T_Cliente.Caption(QString());
    L_Cliente_Nombre.Caption(QString());
    T_Orden.Text(QString());
    T_Campaña.Text(QString());
    T_Periodo1.Value(QDate::currentDate());
    T_Periodo2.Value(QDate::currentDate());
    L_Cuña.Caption(QString());
    T_Voz.Text(QString());
    L_Duracion.Caption(QString());
}

void F_Publicidad::B_Añadir_p_Click()
{
    LimpiarContrato();

    Frame_Publicidad.Enabled(true);
    Nuevo_Contrato = true;
    B_Guardar_p.Enabled(true);
    B_Buscar_P.Enabled(false);
    B_Añadir_p.Enabled(false);
    B_Eliminar_P.Enabled(false);
    T_Orden.Enabled(true);

    Data_Publicidad.RecordSource = "SELECT * FROM PUBLICIDAD ORDER BY ORDEN";
    Data_Publicidad.Refresh();
    jet::Recordset& contratos = Data_Publicidad.Recordset();
    if (contratos.AbsolutePosition() == -1) {
        T_Orden.Text("1");
    } else {
        contratos.MoveLast();
        T_Orden.Text(SqlNumero(contratos.Fields("ORDEN").Value().toDouble() + 1));
    }
    T_Orden.SetFocus();
}

void F_Publicidad::B_Guardar_p_Click()
{
    if (Nuevo_Contrato)
        GuardarNuevo();
    else
        GuardarEditado();
}

void F_Publicidad::GuardarNuevo()
{
    if (T_Orden.Text().isEmpty())
        return;
    if (!Numero(T_Cliente.Caption())) {
        forms::MsgBox("Numero de cliente incorrecto", forms::vbOKOnly);
        return;
    }
    // Negative or fractional numbers would be stored but never found again.
    const std::optional<int> orden = Entero(T_Orden.Text());
    if (!orden || *orden < 1) {
        forms::MsgBox("Numero de orden incorrecto", forms::vbOKOnly);
        T_Orden.SetFocus();
        return;
    }
    if (EncontrarContrato(*orden)) {
        forms::MsgBox("El Nº de contrato ya existe", forms::vbOKOnly);
        T_Orden.SetFocus();
        return;
    }
    if (L_Cuña.Caption().isEmpty()) {
        forms::MsgBox("Debe selecionar una Cuña", forms::vbOKOnly);
        return;
    }

    jet::Recordset& contratos = Data_Publicidad.Recordset();
    contratos.AddNew();
    contratos.Fields("CLIENTE") = T_Cliente.Caption().trimmed();
    contratos.Fields("CLIENTE_NOMBRE") = L_Cliente_Nombre.Caption();
    EscribirContrato(contratos, *orden);
    contratos.Fields("EMISIONES") = 0;
    contratos.Update();

    if (!EncontrarContrato(*orden))
        return;
    B_Guardar_p.Enabled(true);
    B_Buscar_P.Enabled(true);
    B_Eliminar_P.Enabled(true);
    double numero = double(*orden);
    Filtrar(numero);
    Nuevo_Contrato = false;
    // The number is fixed once saved: a changed number would make the next
    // save overwrite whichever contract has it.
    T_Orden.Enabled(false);
}

void F_Publicidad::GuardarEditado()
{
    const std::optional<long long> orden = NumeroContrato();
    if (!orden || !EncontrarContrato(*orden))
        return;
    jet::Recordset& contratos = Data_Publicidad.Recordset();
    contratos.Edit();
    EscribirContrato(contratos, *orden);
    contratos.Update();

    if (!EncontrarContrato(*orden))
        return;
    if (D_Lista2.Recordset().AbsolutePosition() != -1) {
        const QString N = QString::number(*orden);
        // Before the placements' old TIEMPO is overwritten below.
        AjustarBloques(N, Segundos_Fichero);
        jet::Database db = jet::DBEngine().OpenDatabase(DornaPath());
        db.Execute("UPDATE PUBLICIDAD_CONTENIDO,PUBLICIDAD SET PUBLICIDAD_CONTENIDO.FICHERO=PUBLICIDAD.CUÑA,"
                   "PUBLICIDAD_CONTENIDO.NOMBRE=PUBLICIDAD.NOMBRE,"
                   "PUBLICIDAD_CONTENIDO.TIEMPO=PUBLICIDAD.DURACION,PUBLICIDAD_CONTENIDO.FECHA1=PUBLICIDAD.PERIODO,"
                   "PUBLICIDAD_CONTENIDO.FECHA2=PUBLICIDAD.PERIODO2,"
                   "PUBLICIDAD_CONTENIDO.TIEMPO_VER=PUBLICIDAD.DURACION_MOSTRAR "
                   "WHERE PUBLICIDAD_CONTENIDO.ORDEN = "
                   + N + " AND PUBLICIDAD.ORDEN=" + N);
        db.Close();
        RecalcularBloques();
    }
    B_Añadir_p.Enabled(true);
}

void F_Publicidad::AjustarBloques(const QString& N, double Segundos)
{
    // Placement by placement: a contract placed twice in a block moves the
    // block twice.
    jet::Database db = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset spots = db.OpenRecordset("SELECT BLOQUE,TIEMPO FROM PUBLICIDAD_CONTENIDO WHERE ORDEN=" + N);
    jet::Recordset bloques = db.OpenRecordset("SELECT HORA,TIEMPO,TIEMPO_VER FROM BLOQUES");
    if (spots.AbsolutePosition() == -1)
        return;
    for (spots.MoveFirst(); !spots.EOF(); spots.MoveNext()) {
        bloques.FindFirst("HORA=" + SqlHora(spots.Fields("BLOQUE").Value()));
        if (bloques.NoMatch())
            continue;
        CambiarSpot(bloques, spots.Fields("TIEMPO").Value().toDouble(), Segundos);
    }
}

void F_Publicidad::B_Eliminar_P_Click()
{
    if (forms::MsgBox("¿Desea eliminar el contrato?", forms::vbYesNo + forms::vbQuestion) != forms::vbYes)
        return;
    const std::optional<long long> orden = NumeroContrato();
    if (!orden)
        return;
    const QString N = QString::number(*orden);
    // Each block loses what the placements added, whatever file the form
    // holds now.
    if (D_Lista2.Recordset().AbsolutePosition() != -1)
        AjustarBloques(N, 0);
    {
        jet::Database db = jet::DBEngine().OpenDatabase(DornaPath());
        db.Execute("DELETE * FROM PUBLICIDAD_CONTENIDO WHERE ORDEN=" + N);
        db.Execute("DELETE * FROM DIAS WHERE CONTRATO=" + N);
        db.Close();
    }
    RecalcularBloques();
    if (EncontrarContrato(*orden))
        Data_Publicidad.Recordset().Delete();
    D_Lista1.Refresh();
    TitulosListas();
    B_Cancelar_P_Click();
}

void F_Publicidad::B_Cancelar_P_Click()
{
    B_Guardar_p.Enabled(false);
    B_Buscar_P.Enabled(true);
    B_Añadir_p.Enabled(true);
    B_Eliminar_P.Enabled(false);

    LimpiarContrato();
    T_Comentario.Text(QString());
    L_Pases.Caption(QString());

    Frame_Publicidad.Enabled(false);
    Nuevo_Contrato = false;
    T_Orden.Enabled(false);

    D_Lista2.RecordSource = Lista2Vacia;
    D_Lista2.Refresh();
    D_Lista3.RecordSource = Lista3Vacia;
    D_Lista3.Refresh();
    TitulosListas();
}

void F_Publicidad::B_Buscar_P_Click()
{
    F_Buscar_Publicidad& Busqueda = forms::Get<F_Buscar_Publicidad>();
    Busqueda.Receptor1 = [this](std::int32_t Orden, double Numero) {
        Buscar(Orden);
        Filtrar(Numero);
    };
    Control_busqueda = 1;
    Busqueda.Show(forms::vbModal);
}

void F_Publicidad::Buscar(std::int32_t& Orden)
{
    if (!EncontrarContrato(Orden)) {
        B_Cancelar_P_Click();
        return;
    }
    jet::Recordset& contratos = Data_Publicidad.Recordset();
    const auto texto = [&contratos](const char* columna) { return contratos.Fields(columna).Value().toString(); };
    const auto fecha = [&contratos](const char* columna) {
        const jet::Value valor = contratos.Fields(columna).Value();
        return valor.IsNull() ? QDate::currentDate() : valor.toDate();
    };
    T_Cliente.Caption(texto("CLIENTE"));
    L_Cliente_Nombre.Caption(texto("CLIENTE_NOMBRE"));
    T_Orden.Text(texto("ORDEN"));
    T_Campaña.Text(texto("CAMPAÑA"));
    T_Periodo1.Value(fecha("PERIODO"));
    T_Periodo2.Value(fecha("PERIODO2"));
    L_Cuña.Caption(texto("NOMBRE"));
    L_Duracion.Caption(texto("DURACION_MOSTRAR"));
    T_Voz.Text(texto("VOZ"));
    T_Comentario.Text(texto("COMENTARIO"));
    Segundos_Fichero = contratos.Fields("DURACION").Value().toDouble();
    Fichero_Cuña = texto("CUÑA");
    L_Emitidas.Caption(texto("EMISIONES"));

    B_Guardar_p.Enabled(true);
    B_Buscar_P.Enabled(true);
    B_Añadir_p.Enabled(false);
    B_Eliminar_P.Enabled(true);
    Nuevo_Contrato = false;
    Frame_Publicidad.Enabled(true);

    D_Lista3.RecordSource = Lista3Vacia;
    D_Lista3.Refresh();
    TitulosListas();
}

void F_Publicidad::Command1_Click()
{
    F_Buscar_Clientes& Busqueda = forms::Get<F_Buscar_Clientes>();
    Busqueda.Receptor2 = [this](const QString& Numero, const QString& Nombre) {
        T_Cliente.Caption(Numero);
        L_Cliente_Nombre.Caption(Nombre);
    };
    Control_busqueda = 2;
    Busqueda.Show(forms::vbModal);
}

QString F_Publicidad::Duracion(const QString& Fichero)
{
    return ::Duracion(Fichero, &Segundos_Fichero);
}

void F_Publicidad::Command5_Click()
{
    try {
        CommonDialog.CancelError(true);
        CommonDialog.ShowOpen();
        const QString ruta = CommonDialog.FileName();
        // A file that cannot be measured is not taken: its length would be
        // stored as the previous file's.
        const QString duracion = Duracion(ruta);
        if (duracion.isEmpty())
            return;
        L_Cuña.Caption(NombreFichero(ruta));
        Fichero_Cuña = ruta;
        L_Duracion.Caption(duracion);
    } catch (const std::exception&) {
        // Cancel or any failure of the choice: what was set stays set.
    }
}

void F_Publicidad::Command3_Click()
{
    const std::optional<long long> orden = NumeroContrato();
    if (Nuevo_Contrato || !orden || !EncontrarContrato(*orden)) {
        forms::MsgBox("Debe guardar antes el contrato", forms::vbOKOnly);
        return;
    }
    Asignar& dias = forms::Get<Asignar>();
    dias.L_Contrato.Caption(T_Orden.Text());
    dias.L_Nombre.Caption(L_Cuña.Caption());
    dias.Show(forms::vbModal);
}

void F_Publicidad::Command2_Click()
{
    Unload();
}

// --------------------------------------------------------------- placements

void F_Publicidad::Poner_p_Click()
{
    if (Nuevo_Contrato)
        return;
    const std::optional<QTime> hora = HoraDeTexto(Lista1.Text());
    if (!hora) {
        forms::MsgBox("Seleccione un Bloque", forms::vbOKOnly);
        return;
    }
    // Only the stored contract shown may be placed.
    const std::optional<long long> orden = NumeroContrato();
    if (!orden || !EncontrarContrato(*orden))
        return;
    D_Lista1.Refresh();
    jet::Recordset& bloques = D_Lista1.Recordset();
    bloques.FindFirst("HORA=" + SqlHora(*hora));
    if (bloques.NoMatch()) {
        forms::MsgBox("Seleccione un Bloque", forms::vbOKOnly);
        return;
    }

    // After every spot of the block, even when removals left gaps.
    int numero = 2;
    {
        jet::Database db = jet::DBEngine().OpenDatabase(DornaPath());
        jet::Recordset spots = db.OpenRecordset("SELECT NUMERO FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE=" + SqlHora(*hora)
                                                + " ORDER BY NUMERO");
        if (spots.AbsolutePosition() != -1) {
            spots.MoveLast();
            numero = std::max(spots.RecordCount() + 2, spots.Fields("NUMERO").Value().toInt() + 1);
        }
    }

    SumarSpot(bloques, Segundos_Fichero);

    jet::Recordset& contenido = Data_Publicidad_Contenido.Recordset();
    contenido.AddNew();
    contenido.Fields("ORDEN") = *orden;
    contenido.Fields("FECHA1") = T_Periodo1.Value().date();
    contenido.Fields("FECHA2") = T_Periodo2.Value().date();
    contenido.Fields("FICHERO") = Fichero_Cuña;
    contenido.Fields("NOMBRE") = L_Cuña.Caption();
    contenido.Fields("TIEMPO") = Segundos_Fichero;
    contenido.Fields("TIEMPO_VER") = L_Duracion.Caption();
    contenido.Fields("NUMERO") = numero;
    contenido.Fields("BLOQUE") = *hora;
    contenido.Update();

    D_Lista2.Refresh();
    D_Lista1.Refresh();
    TitulosListas();
    Pases();
}

void F_Publicidad::Lista1_DblClick()
{
    Fila = Lista1.Row();
    Poner_p_Click();
    if (Fila < Lista1.Rows()) {
        Lista1.Row(Fila);
        Lista1.RowSel(Fila);
        Lista1.ColSel(2);
    }
}

void F_Publicidad::lista2_Click()
{
    if (lista2.Rows() == 1)
        return;
    const std::optional<QTime> hora = HoraDeTexto(lista2.TextMatrix(lista2.Row(), 1));
    if (!hora)
        return;
    D_Lista3.RecordSource =
        "SELECT ORDEN,NOMBRE,TIEMPO_VER FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE =" + SqlHora(*hora) + "ORDER BY NUMERO";
    D_Lista3.Refresh();
    Bloque_Elegido = *hora;
    TitulosListas();
}

void F_Publicidad::Quitar_P_Click()
{
    if (L_Caducada.Visible()) {
        forms::MsgBox("Imposible el contrato está caducado", forms::vbInformation);
        return;
    }
    if (Nuevo_Contrato)
        return;
    const std::optional<QTime> hora = HoraDeTexto(lista2.Text());
    if (!hora)
        return;
    const std::optional<long long> orden = NumeroContrato();
    if (!orden)
        return;

    // Read again: the contract's placements may have been rewritten since.
    Data_Publicidad_Contenido.Refresh();
    jet::Recordset& contenido = Data_Publicidad_Contenido.Recordset();
    contenido.FindFirst("BLOQUE=" + SqlHora(*hora) + "AND ORDEN=" + QString::number(*orden));
    if (contenido.NoMatch())
        return;

    D_Lista1.Refresh();
    jet::Recordset& bloques = D_Lista1.Recordset();
    bloques.FindFirst("HORA=" + SqlHora(*hora));
    if (!bloques.NoMatch())
        QuitarSpot(bloques, contenido.Fields("TIEMPO").Value().toDouble());
    contenido.Delete();

    D_Lista3.Refresh();
    D_Lista2.Refresh();
    D_Lista1.Refresh();
    Pases();
    TitulosListas();
}

void F_Publicidad::lista2_DblClick()
{
    try {
        Fila = lista2.Row();
        Quitar_P_Click();
        lista2.Row(Fila);
        lista2.RowSel(Fila);
        lista2.ColSel(1);
    } catch (const std::exception&) {
        // Ends quietly, keeping what was already written.
    }
}

void F_Publicidad::lista3_MouseDown(int, int, float, float)
{
    lista3.Tag(QString::number(lista3.MouseRow()));
    lista3.Drag(forms::vbBeginDrag);
}

void F_Publicidad::lista3_DragDrop(forms::Control&, float, float)
{
    try {
        const int destino = lista3.MouseRow();
        bool leido = false;
        const int origen = lista3.Tag().toInt(&leido);
        if (destino < 1 || !leido || origen < 1 || origen >= lista3.Rows())
            return;
        lista3.Redraw(false);
        lista3.RowPosition(origen, destino);
        lista3.Redraw(true);
        Renumerar(lista3, Bloque_Elegido);
    } catch (const std::exception&) {
        lista3.Redraw(true);
    }
}

void F_Publicidad::Renumerar(forms::MSFlexGrid& Lista, const QTime& Bloque)
{
    jet::Database db = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset spots = db.OpenRecordset(
        "SELECT ORDEN,NUMERO,NOMBRE FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE=" + SqlHora(Bloque) + "ORDER BY NUMERO;");
    if (spots.AbsolutePosition() == -1)
        return;
    // A contract placed twice in the block stands for two rows: each grid row
    // takes the next row of its contract not numbered yet.
    std::vector<bool> numerado(size_t(std::max(spots.RecordCount(), 0)), false);
    for (int i = 1; i < Lista.Rows(); ++i) {
        const std::optional<double> orden = Numero(Lista.TextMatrix(i, 1));
        bool encontrado = false;
        int j = 0;
        for (spots.MoveFirst(); orden && !spots.EOF(); spots.MoveNext(), ++j) {
            if (!numerado[size_t(j)] && spots.Fields("ORDEN").Value().toDouble() == *orden) {
                encontrado = true;
                break;
            }
        }
        if (!encontrado)
            break;
        spots.Edit();
        spots.Fields("NUMERO") = i;
        spots.Update();
        numerado[size_t(j)] = true;
    }
    spots.Close();
    db.Close();
}

void F_Publicidad::Filtrar(double& Orden)
{
    D_Lista2.RecordSource =
        "SELECT BLOQUE FROM PUBLICIDAD_CONTENIDO WHERE ORDEN =" + SqlNumero(std::fabs(Orden)) + " ORDER BY BLOQUE";
    D_Lista2.Refresh();
    Pases();
    TitulosListas();
}

void F_Publicidad::Pases()
{
    L_Pases.Caption(QString::number(D_Lista2.Recordset().RecordCount()));
}

void F_Publicidad::T_Periodo2_CloseUp()
{
    Pases();
    L_Caducada.Visible(T_Periodo2.Value().date() < QDate::currentDate());
}

void F_Publicidad::TitulosListas()
{
    Lista1.FormatString("|<Descripción|<Duración||");
    lista2.FormatString("|>Emisiones    ");
    lista3.FormatString("|>Nº contrato|<Descripcion|>Tiempo");
    const int anchos1[] = {1, 1000, 1500, 1, 1};
    for (int columna = 0; columna < 5; ++columna)
        Lista1.ColWidth(columna, anchos1[columna]);
    lista2.ColWidth(0, 1);
    const int anchos3[] = {1, 1000, 2700, 1350};
    for (int columna = 0; columna < 4; ++columna)
        lista3.ColWidth(columna, anchos3[columna]);
}

void F_Publicidad::RecalcularBloques()
{
    {
        jet::Database db = jet::DBEngine().OpenDatabase(DornaPath());
        jet::Recordset bloques = db.OpenRecordset("SELECT TIEMPO,TIEMPO_VER FROM BLOQUES");
        if (bloques.AbsolutePosition() == -1)
            return;
        for (bloques.MoveFirst(); !bloques.EOF(); bloques.MoveNext())
            RehacerTexto(bloques);
    }
    D_Lista1.RecordSource = ListaBloques;
    D_Lista1.Refresh();
    TitulosListas();
}
