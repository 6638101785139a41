#include "traffic/F_BLoques.h"

#include "station/Control_busqueda.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "traffic/F_Buscar_BLoques.h"
#include "traffic/F_Buscar_Publicidad.h"
#include "traffic/TiempoBloque.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"
#include "sound/Sound.h"

#include <cmath>
#include <exception>

F_BLoques::F_BLoques()
{
    B_Añadir.OnClick = [this] { B_Añadir_Click(); };
    B_Guardar.OnClick = [this] { B_Guardar_Click(); };
    B_Eliminar.OnClick = [this] { B_Eliminar_Click(); };
    B_Buscar.OnClick = [this] { B_Buscar_Click(); };
    B_Cancelar.OnClick = [this] { B_Cancelar_Click(); };
    B_Salir.OnClick = [this] { B_Salir_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
    LISTA.OnMouseDown = [this](int Button, int Shift, float X, float Y) { LISTA_MouseDown(Button, Shift, X, Y); };
    LISTA.OnDragDrop = [this](forms::Control& Source, float X, float Y) { LISTA_DragDrop(Source, X, Y); };
}

void F_BLoques::Design()
{
    Caption("Gestion BLoques Publicitarios");
    Width(10440);
    Height(6480);

    Frame_Bloques.Caption("Bloques");
    Frame_Bloques.Move(120, 60, 10200, 5400);
    Label6.Caption("Hora emisión");
    Label6.Move(240, 420, 1300, 255);
    T_hora.Move(1560, 360, 1300, 315);
    T_hora.Value(QTime(0, 0, 0));
    T_hora.Enabled(false);
    Label13.Caption("Duracion max.");
    Label13.Move(3060, 420, 1500, 255);
    T_Duracion.Move(4600, 360, 1300, 315);
    T_Duracion.Value(QTime(0, 5, 0));
    C_Prioritario.Caption("Sat");
    C_Prioritario.Move(6100, 360, 900, 315);
    Label15.Caption("Total");
    Label15.Move(240, 900, 1300, 255);
    L_Total.Move(1560, 900, 1300, 255);

    Frame2.Move(8400, 240, 1620, 1200);
    Command1.Caption("Añadir");
    Command1.Move(120, 240, 1380, 375);
    Command2.Caption("Eliminar");
    Command2.Move(120, 700, 1380, 375);

    LISTA.Move(240, 1560, 9720, 3600);
    LISTA.DataSource(Data_BLoque_Ver);

    Frame1.Move(120, 5520, 10200, 840);
    B_Añadir.Caption("Añadir");
    B_Guardar.Caption("Guardar");
    B_Eliminar.Caption("Eliminar");
    B_Buscar.Caption("Buscar");
    B_Cancelar.Caption("Cancelar");
    B_Salir.Caption("Salir");
    int Izquierda = 240;
    for (forms::CommandButton* Boton : {&B_Añadir, &B_Guardar, &B_Eliminar, &B_Buscar, &B_Cancelar, &B_Salir}) {
        Boton->Move(Izquierda, 300, 1500, 375);
        Izquierda += 1640;
    }
    B_Guardar.Enabled(false);
    B_Eliminar.Enabled(false);
}

void F_BLoques::Form_Load()
{
    Data_BLoque_Ver.DatabaseName = DornaPath();
    Data_Bloques.DatabaseName = DornaPath();
    CargarLista();
    Data_Bloques.RecordSource = "BLOQUES";
    Data_Bloques.Refresh();
}

void F_BLoques::Form_Unload()
{
    sound::Close();
}

void F_BLoques::Form_Resize()
{
    TitulosLista();
}

void F_BLoques::B_Añadir_Click()
{
    T_hora.Enabled(true);
    T_Duracion.Enabled(true);
    B_Guardar.Enabled(true);
    B_Eliminar.Enabled(false);
    B_Buscar.Enabled(false);
    T_hora.SetFocus();
    Nuevo_Bloque = true;
}

void F_BLoques::B_Cancelar_Click()
{
    Nuevo_Bloque = false;
    B_Añadir.Enabled(true);
    B_Buscar.Enabled(true);
    B_Guardar.Enabled(false);
    B_Eliminar.Enabled(false);
    T_hora.Enabled(false);
    CargarLista();
}

void F_BLoques::B_Buscar_Click()
{
    forms::Get<F_Buscar_BLoques>().Show(forms::vbModal);
}

void F_BLoques::B_Salir_Click()
{
    Unload();
}

void F_BLoques::B_Guardar_Click()
{
    if (Nuevo_Bloque)
        GuardarNuevo();
    else
        GuardarEditado();
}

void F_BLoques::GuardarNuevo()
{
    QTime Hora = T_hora.Value().time();
    if (EncontrarBloque(Hora)) {
        forms::MsgBox("El bloque ya existe", forms::vbInformation);
        T_hora.SetFocus();
        return;
    }
    if (!Buscar_Programa(Hora)) {
        forms::MsgBox("El bloque ya existe como programa", forms::vbInformation);
        T_hora.SetFocus();
        return;
    }
    jet::Recordset& Bloques = Data_Bloques.Recordset();
    Bloques.AddNew();
    Bloques.Fields("HORA") = Hora;
    Bloques.Fields("DURACION") = T_Duracion.Value().time();
    Bloques.Fields("PRIORITARIO") = C_Prioritario.Value();
    Bloques.Fields("TIEMPO") = 0;
    Bloques.Fields("TIEMPO_VER") = "00:00:00";
    Bloques.Update();
    // The new block is the one shown: its total, not the previous block's.
    L_Total.Caption("00:00:00");

    MostrarBloque();
}

void F_BLoques::GuardarEditado()
{
    // A time without a block (none loaded yet, or just deleted) has nothing to save.
    if (!EncontrarBloque(T_hora.Value().time()))
        return;
    jet::Recordset& Bloques = Data_Bloques.Recordset();
    Bloques.Edit();
    Bloques.Fields("DURACION") = T_Duracion.Value().time();
    Bloques.Fields("PRIORITARIO") = C_Prioritario.Value();
    Bloques.Update();
    forms::MsgBox(" El bloque fue Guardado", forms::vbOKOnly);
}

void F_BLoques::B_Eliminar_Click()
{
    const QTime Hora = T_hora.Value().time();
    if (!EncontrarBloque(Hora))
        return;
    if (forms::MsgBox("¿Desea eliminar el bloque y su contenido?", forms::vbYesNo + forms::vbQuestion) != forms::vbYes)
        return;
    Data_Bloques.Recordset().Delete();

    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    Db.Execute("DELETE  FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE=" + SqlHora(Hora));
    Db.Execute("DELETE  FROM PROGRAMACION WHERE TIPO='BLO' AND HORA=" + SqlHora(Hora));
    Db.Execute("DELETE  FROM PROGRAMACION_TMP WHERE TIPO='BLO' AND HORA=" + SqlHora(Hora));
    Db.Close();
    CargarLista();
}

bool F_BLoques::Buscar_Programa(QTime& HORA)
{
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset Programas = Db.OpenRecordset("SELECT HORA FROM PROGRAMAS");
    Programas.FindFirst("HORA=" + SqlHora(HORA));
    return Programas.NoMatch();
}

void F_BLoques::BuscarBLoques(QTime& Buscar)
{
    if (!EncontrarBloque(Buscar))
        return;
    jet::Recordset& Bloque = Data_Bloques.Recordset();
    T_hora.Value(Bloque.Fields("HORA").Value().toTime());
    T_Duracion.Value(Bloque.Fields("DURACION").Value().toTime());
    C_Prioritario.Value(Bloque.Fields("PRIORITARIO").Value().toInt());
    L_Total.Caption(Bloque.Fields("TIEMPO_VER").Value().toString());

    MostrarBloque();
}

void F_BLoques::MostrarBloque()
{
    Nuevo_Bloque = false;
    CargarLista();
    B_Eliminar.Enabled(true);
    B_Buscar.Enabled(true);
    B_Guardar.Enabled(true);
    T_hora.Enabled(false);
}

void F_BLoques::Command1_Click()
{
    // Spots are filed only under a block's time.
    if (!EncontrarBloque(T_hora.Value().time()))
        return;
    F_Buscar_Publicidad& Busqueda = forms::Get<F_Buscar_Publicidad>();
    Busqueda.Receptor2 = [this](double Numero) { Insertar(Numero); };
    Control_busqueda = 2;
    Busqueda.Show(forms::vbModal);
}

void F_BLoques::Insertar(double& Buscar)
{
    const QTime Hora = T_hora.Value().time();
    if (!EncontrarBloque(Hora))
        return;
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset Contratos = Db.OpenRecordset("SELECT * FROM PUBLICIDAD ORDER BY ORDEN;");
    Contratos.FindFirst("ORDEN=" + SqlNumero(Buscar));
    if (Contratos.NoMatch())
        return;
    jet::Recordset Spots = Db.OpenRecordset("SELECT * FROM PUBLICIDAD_CONTENIDO ORDER BY ORDEN;");
    // The position counts the spots of this block: in add mode the list may
    // still show another one.
    if (Hora_Lista != Hora)
        CargarLista();

    Spots.AddNew();
    Spots.Fields("BLOQUE") = Hora;
    Spots.Fields("NOMBRE") = Contratos.Fields("NOMBRE");
    Spots.Fields("FICHERO") = Contratos.Fields("CUÑA");
    Spots.Fields("TIEMPO") = Contratos.Fields("DURACION");
    Spots.Fields("TIEMPO_VER") = Contratos.Fields("DURACION_MOSTRAR");
    Spots.Fields("NUMERO") = LISTA.Rows() + 1;
    Spots.Fields("ORDEN") = Contratos.Fields("ORDEN");
    Spots.Fields("FECHA1") = Contratos.Fields("PERIODO");
    Spots.Fields("FECHA2") = Contratos.Fields("PERIODO2");
    Spots.Update();

    L_Total.Caption(SumarSpot(Data_Bloques.Recordset(), Contratos.Fields("DURACION").Value().toDouble()));

    Spots.Close();
    Contratos.Close();
    Db.Close();
    CargarLista();
}

void F_BLoques::Command2_Click()
{
    if (LISTA.Rows() <= 1)
        return;
    // The spots listed belong to the block at the list's time.
    if (!EncontrarBloque(Hora_Lista))
        return;
    if (forms::MsgBox("¿Desea eliminar el Contrato del bloque?", forms::vbYesNo + forms::vbQuestion) != forms::vbYes)
        return;
    jet::Recordset& Spots = Data_BLoque_Ver.Recordset();
    const double Orden = jet::Value(LISTA.TextMatrix(LISTA.Row(), 1)).toDouble();
    Spots.FindFirst("ORDEN=" + SqlNumero(std::fabs(Orden)));
    if (Spots.NoMatch())
        return;

    L_Total.Caption(QuitarSpot(Data_Bloques.Recordset(), Spots.Fields("TIEMPO").Value().toDouble()));

    Spots.Delete();
    CargarLista();
}

void F_BLoques::LISTA_MouseDown(int, int, float, float)
{
    LISTA.Tag(QString::number(LISTA.MouseRow()));
    LISTA.Drag(forms::vbBeginDrag);
}

void F_BLoques::LISTA_DragDrop(forms::Control&, float, float)
{
    const int Destino = LISTA.MouseRow();
    if (Destino < 1)
        return;
    try {
        if (!EncontrarBloque(Hora_Lista))
            return;
        LISTA.Redraw(false);
        LISTA.RowPosition(LISTA.Tag().toInt(), Destino);
        LISTA.Redraw(true);
        Renumerar(LISTA, Hora_Lista);
    } catch (const std::exception&) {
        // A failed drop ends silently, as the user dropped nothing.
    }
    LISTA.Redraw(true);
}

void F_BLoques::Renumerar(forms::MSFlexGrid& Lista, const QTime& Hora)
{
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset Spots = Db.OpenRecordset(
        "SELECT ORDEN,NUMERO,NOMBRE FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE=" + SqlHora(Hora) + "ORDER BY NUMERO;");
    if (Spots.AbsolutePosition() == -1)
        return;
    Spots.MoveFirst();
    for (int Fila = 1; Fila < Lista.Rows(); ++Fila) {
        Spots.FindFirst("ORDEN=" + Lista.TextMatrix(Fila, 1));
        if (Spots.NoMatch())
            return;
        Spots.Edit();
        Spots.Fields("NUMERO") = Fila;
        Spots.Update();
    }
}

void F_BLoques::TitulosLista()
{
    LISTA.FormatString("|>NºContrato|<Descripción|>Duración|");
    const int Anchos[] = {1, 1500, 5000, 1000, 1};
    for (int Columna = 0; Columna < 5; ++Columna)
        LISTA.ColWidth(Columna, Anchos[Columna]);
}

void F_BLoques::CargarLista()
{
    Hora_Lista = T_hora.Value().time();
    Data_BLoque_Ver.RecordSource = "SELECT ORDEN,NOMBRE,TIEMPO_VER,TIEMPO FROM PUBLICIDAD_CONTENIDO WHERE BLOQUE="
                                   + SqlHora(Hora_Lista) + "ORDER BY NUMERO";
    Data_BLoque_Ver.Refresh();
    TitulosLista();
}

bool F_BLoques::EncontrarBloque(const QTime& Hora)
{
    jet::Recordset& Bloques = Data_Bloques.Recordset();
    Bloques.FindFirst("HORA=" + SqlHora(Hora));
    return !Bloques.NoMatch();
}
