#include "programming/F_Programas.h"

#include "programming/F_Buscar_Programa.h"
#include "programming/F_Programa_Propiedades.h"

#include "station/Audio.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "station/Tiempo.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"
#include "sound/Sound.h"

#include <QFileInfo>

#include <algorithm>
#include <exception>
#include <vector>

F_Programas::F_Programas()
{
    B_Añadir.OnClick = [this] { B_Añadir_Click(); };
    B_Guardar.OnClick = [this] { B_Guardar_Click(); };
    B_Eliminar.OnClick = [this] { B_Eliminar_Click(); };
    B_Buscar.OnClick = [this] { B_Buscar_Click(); };
    B_Salir.OnClick = [this] { B_Salir_Click(); };
    B_Terminar.OnClick = [this] { B_Terminar_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
    LISTA.OnMouseDown = [this](int Button, int Shift, float X, float Y) { LISTA_MouseDown(Button, Shift, X, Y); };
    LISTA.OnDragDrop = [this](forms::Control& Source, float X, float Y) { LISTA_DragDrop(Source, X, Y); };
    LISTA.OnOLEDragDrop = [this](const QStringList& Files, float X, float Y) { LISTA_OLEDragDrop(Files, X, Y); };
}

void F_Programas::Design()
{
    Caption("Programas");
    Width(12960);
    Height(7800);

    Frame_Bloques.Caption("Bloques");
    Frame_Bloques.Move(120, 60, 12600, 6600);
    Label1.Caption("Hora emisión");
    Label1.Move(240, 420, 1300, 255);
    T_hora.Move(1560, 360, 1300, 315);
    T_hora.Value(QTime(0, 0, 0));
    Label2.Caption("Nombre");
    Label2.Move(240, 840, 1300, 255);
    T_Nombre.Move(1560, 780, 5000, 315);
    Label3.Caption("Realización");
    Label3.Move(240, 1260, 1300, 255);
    T_Realizacion.Move(1560, 1200, 5000, 315);
    Label4.Caption("Total");
    Label4.Move(7000, 420, 800, 255);
    L_Total.Move(7800, 420, 1300, 255);
    L_Total.Caption("00:00:00");

    Frame.Move(120, 1680, 12360, 4800);
    LISTA.Move(120, 240, 12120, 3900);
    LISTA.DataSource(Data_Programa_Contenido);
    LISTA.OLEDropMode(1);
    Command1.Caption("Añadir");
    Command2.Caption("Eliminar");
    Command3.Caption("Propiedades");
    int Izquierda = 120;
    for (forms::CommandButton* Boton : {&Command1, &Command2, &Command3}) {
        Boton->Move(Izquierda, 4260, 1500, 375);
        Izquierda += 1640;
    }
    Frame.Enabled(false);

    Frame1.Move(120, 6720, 12600, 840);
    B_Añadir.Caption("Añadir");
    B_Guardar.Caption("Guardar");
    B_Eliminar.Caption("Eliminar");
    B_Buscar.Caption("Buscar");
    B_Salir.Caption("Salir");
    B_Terminar.Caption("Terminar");
    Izquierda = 240;
    for (forms::CommandButton* Boton : {&B_Añadir, &B_Guardar, &B_Eliminar, &B_Buscar, &B_Salir, &B_Terminar}) {
        Boton->Move(Izquierda, 300, 1500, 375);
        Izquierda += 1640;
    }
    B_Guardar.Enabled(false);
    B_Eliminar.Enabled(false);

    CommonDialog.DialogTitle("Abrir Fichero");
}

void F_Programas::Form_Load()
{
    Data_Programas.DatabaseName = DornaPath();
    Data_Programa_Contenido.DatabaseName = DornaPath();
    Data_Bloques.DatabaseName = DornaPath();
    CargarLista(T_hora.Value().time());
    Data_Bloques.RecordSource = "SELECT HORA FROM BLOQUES ORDER BY HORA";
    Data_Bloques.Refresh();
    Data_Programas.RecordSource = "PROGRAMAS";
    Data_Programas.Refresh();
    IniciarAudio(*this);
}

void F_Programas::Form_Unload()
{
    ActualizarProgramacion();
    sound::Close();
    Data_Programa_Contenido.Recordset().Close();
}

void F_Programas::Form_Resize()
{
    PonerTitulos();
}

void F_Programas::ActualizarProgramacion()
{
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    Db.Execute("UPDATE PROGRAMACION,PROGRAMAS SET PROGRAMACION.TIEMPO_VER = PROGRAMAS.TIEMPO_VER WHERE "
               "PROGRAMACION.HORA=PROGRAMAS.HORA");
    Db.Execute(QString("UPDATE PROGRAMACION,PROGRAMAS SET PROGRAMACION.FIN =")
               + "DateAdd('s', PROGRAMAS.TIEMPO,PROGRAMAS.HORA)" + " WHERE PROGRAMACION.HORA=PROGRAMAS.HORA");
    Db.Close();
}

void F_Programas::B_Añadir_Click()
{
    B_Guardar.Enabled(true);
    B_Eliminar.Enabled(false);
    Nuevo_Programa = true;
    T_hora.Enabled(true);
    T_hora.SetFocus();
}

void F_Programas::B_Guardar_Click()
{
    if (T_Nombre.Text().isEmpty()) {
        forms::MsgBox("El nombre es incorrecto", forms::vbOKOnly);
        return;
    }
    if (Nuevo_Programa)
        GuardarNuevo();
    else
        GuardarEditado();
}

void F_Programas::GuardarNuevo()
{
    const QTime Hora = T_hora.Value().time();
    if (EncontrarPrograma(Hora)) {
        forms::MsgBox("La hora  ya existe", forms::vbOKOnly);
        T_hora.SetFocus();
        return;
    }
    jet::Recordset& Bloques = Data_Bloques.Recordset();
    Bloques.FindFirst("HORA=" + SqlHora(Hora));
    if (!Bloques.NoMatch()) {
        forms::MsgBox("La hora  ya existe En bloques publicitarios", forms::vbOKOnly);
        T_hora.SetFocus();
        return;
    }
    jet::Recordset& Programas = Data_Programas.Recordset();
    Programas.AddNew();
    Programas.Fields("HORA") = Hora;
    Programas.Fields("NOMBRE") = T_Nombre.Text();
    Programas.Fields("REALIZACION") = T_Realizacion.Text();
    Programas.Fields("TIEMPO") = 0;
    Programas.Fields("TIEMPO_VER") = "00:00:00";
    Programas.Update();

    B_Guardar.Enabled(false);
    B_Eliminar.Enabled(true);
    B_Buscar.Enabled(true);
    Nuevo_Programa = false;
    Segundos_Programa = 0;
    T_hora.Enabled(false);
    Frame.Enabled(true);
    // The new program is the one shown: its length, not the previous program's.
    L_Total.Caption("00:00:00");
    CargarLista(Hora);
}

void F_Programas::GuardarEditado()
{
    // A time without a program (none loaded yet) has nothing to save.
    if (!EncontrarPrograma(T_hora.Value().time()))
        return;
    jet::Recordset& Programas = Data_Programas.Recordset();
    Programas.Edit();
    Programas.Fields("NOMBRE") = T_Nombre.Text();
    Programas.Fields("REALIZACION") = T_Realizacion.Text();
    Programas.Update();
    B_Guardar.Enabled(true);
    B_Eliminar.Enabled(true);
    B_Buscar.Enabled(true);
    B_Añadir.Enabled(true);
}

void F_Programas::B_Eliminar_Click()
{
    if (forms::MsgBox("¿Desea eliminar el progrma Y su contenido?", forms::vbYesNo + forms::vbQuestion) != forms::vbYes)
        return;
    const QTime Hora = T_hora.Value().time();
    if (!EncontrarPrograma(Hora))
        return;
    Data_Programas.Recordset().Delete();
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    Db.Execute("DELETE * FROM PROGRAMAS_CONTENIDO WHERE HORA=" + SqlHora(Hora));
    Db.Close();
    CargarLista(Hora);
    B_Terminar_Click();
}

void F_Programas::B_Terminar_Click()
{
    T_hora.Enabled(false);
    T_Nombre.Text("");
    T_Realizacion.Text("");
    B_Añadir.Enabled(true);
    B_Guardar.Enabled(false);
    B_Buscar.Enabled(true);
    L_Total.Caption("00:00:00");
    Frame.Enabled(false);
}

void F_Programas::B_Buscar_Click()
{
    forms::Get<F_Buscar_Programa>().Show(forms::vbModal);
}

void F_Programas::B_Salir_Click()
{
    Unload();
}

void F_Programas::BuscarProgramas(QTime& Buscar)
{
    if (!EncontrarPrograma(Buscar))
        return;
    jet::Recordset& Programa = Data_Programas.Recordset();
    T_hora.Value(Programa.Fields("HORA").Value().toTime());
    T_Nombre.Text(Programa.Fields("NOMBRE").Value().toString());
    T_Realizacion.Text(Programa.Fields("REALIZACION").Value().toString());
    L_Total.Caption(Programa.Fields("TIEMPO_VER").Value().toString());
    Nuevo_Programa = false;
    B_Eliminar.Enabled(true);
    B_Buscar.Enabled(true);
    B_Guardar.Enabled(true);
    Frame.Enabled(true);
    // The items are filed under the program's time: it stays fixed while shown.
    T_hora.Enabled(false);
    CargarLista(T_hora.Value().time());
    Segundos_Programa = Programa.Fields("TIEMPO").Value().toDouble();
}

void F_Programas::PonerTitulos()
{
    LISTA.FormatString("|<Nombre|>Duración|<HDD");
    const int Anchos[] = {1, 5000, 1500, 5000, 1, 1, 1};
    for (int Columna = 0; Columna < 7; ++Columna)
        LISTA.ColWidth(Columna, Anchos[Columna]);
}

QString F_Programas::Duracion(QString& Fichero)
{
    // An unreadable file counts no seconds, not those of the file measured before.
    Segundos_Fichero = 0;
    return ::Duracion(Fichero, &Segundos_Fichero);
}

QString F_Programas::Tiempo(double& Segundos)
{
    return ::Tiempo(Segundos);
}

void F_Programas::CargarLista(const QTime& Hora)
{
    Hora_Lista_ = Hora;
    Data_Programa_Contenido.RecordSource =
        "SELECT NOMBRE,TIEMPO_VER,FICHERO,HORA,TIEMPO,NUMERO FROM PROGRAMAS_CONTENIDO WHERE HORA="
        + SqlHora(Hora_Lista_) + "ORDER BY NUMERO";
    Data_Programa_Contenido.Refresh();
    PonerTitulos();
}

bool F_Programas::EncontrarPrograma(const QTime& Hora)
{
    jet::Recordset& Programas = Data_Programas.Recordset();
    Programas.FindFirst("HORA=" + SqlHora(Hora));
    return !Programas.NoMatch();
}

void F_Programas::AñadirFichero(const QString& Fichero, int Numero)
{
    QString Ruta = Fichero;
    jet::Recordset& Items = Data_Programa_Contenido.Recordset();
    Items.AddNew();
    Items.Fields("HORA") = Hora_Lista_;
    Items.Fields("NUMERO") = Numero;
    Items.Fields("TIEMPO_VER") = Duracion(Ruta);
    Items.Fields("TIEMPO") = Segundos_Fichero;
    Items.Fields("FICHERO") = Ruta;
    Items.Fields("NOMBRE") = QFileInfo(Ruta).fileName();
    Items.Update();
    Segundos_Programa += Segundos_Fichero;
}

void F_Programas::GuardarTotal()
{
    jet::Recordset& Programa = Data_Programas.Recordset();
    Programa.Edit();
    Programa.Fields("TIEMPO") = Segundos_Programa;
    Programa.Fields("TIEMPO_VER") = Tiempo(Segundos_Programa);
    Programa.Update();
    CargarLista(Hora_Lista_);
    L_Total.Caption(Tiempo(Segundos_Programa));
}

void F_Programas::Command1_Click()
{
    // Items are filed only under a stored program's time.
    if (!EncontrarPrograma(Hora_Lista_))
        return;
    try {
        CommonDialog.CancelError(true);
        CommonDialog.DialogTitle("Abrir Fichero");
        CommonDialog.ShowOpen();
        AñadirFichero(CommonDialog.FileName(), LISTA.Rows());
        GuardarTotal();
    } catch (const std::exception&) {
        // A cancel, or any failure while adding, ends quietly.
    }
}

void F_Programas::LISTA_OLEDragDrop(const QStringList& Files, float, float)
{
    if (!EncontrarPrograma(Hora_Lista_))
        return;
    int Numero = LISTA.Rows();
    for (const QString& Fichero : Files)
        AñadirFichero(Fichero, Numero++);
    GuardarTotal();
}

void F_Programas::Command2_Click()
{
    if (forms::MsgBox("Desea eliminar el corte", forms::vbYesNo + forms::vbQuestion) != forms::vbYes)
        return;
    if (LISTA.Rows() == 1)
        return;
    if (!EncontrarPrograma(Hora_Lista_))
        return;
    jet::Recordset& Items = Data_Programa_Contenido.Recordset();
    Items.FindFirst("NUMERO=" + LISTA.TextMatrix(LISTA.Row(), 6));
    if (Items.NoMatch())
        return;
    jet::Recordset& Programa = Data_Programas.Recordset();
    const double Total = Programa.Fields("TIEMPO").Value().toDouble() - Items.Fields("TIEMPO").Value().toDouble();
    Programa.Edit();
    Programa.Fields("TIEMPO") = Total;
    Programa.Fields("TIEMPO_VER") = ::Tiempo(Total);
    Programa.Update();
    L_Total.Caption(::Tiempo(Total));
    Segundos_Programa = Total;
    Items.Delete();
    CargarLista(Hora_Lista_);
}

void F_Programas::Command3_Click()
{
    if (LISTA.Rows() == 1)
        return;
    const int Fila = LISTA.Row();
    F_Programa_Propiedades& Propiedades = forms::Get<F_Programa_Propiedades>();
    Propiedades.Numero = LISTA.TextMatrix(Fila, 6).toDouble();
    Propiedades.T_Nombre.Text(LISTA.TextMatrix(Fila, 1));
    Propiedades.L_Duracion.Caption(LISTA.TextMatrix(Fila, 2));
    Propiedades.L_Hdd.Caption(LISTA.TextMatrix(Fila, 3));
    Propiedades.Show(forms::vbModal);
}

void F_Programas::LISTA_DblClick()
{
    Command3_Click();
}

void F_Programas::LISTA_MouseDown(int, int, float, float)
{
    LISTA.Tag(QString::number(LISTA.MouseRow()));
    LISTA.Drag(forms::vbBeginDrag);
}

void F_Programas::LISTA_DragDrop(forms::Control&, float, float)
{
    try {
        const int Destino = LISTA.MouseRow();
        const int Origen = LISTA.Tag().toInt();
        if (Destino < 1 || Destino == Origen)
            return;
        LISTA.RowPosition(Origen, Destino);
        Renumerar(LISTA, Hora_Lista_);
        LISTA.Row(Destino);
        LISTA.Col(0);
        LISTA.ColSel(3);
    } catch (const std::exception&) {
        // A failed drop ends silently, as if nothing had been dropped.
    }
}

void F_Programas::Renumerar(forms::MSFlexGrid& Lista, const QTime& Hora)
{
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset Items =
        Db.OpenRecordset("SELECT NUMERO FROM PROGRAMAS_CONTENIDO WHERE HORA=" + SqlHora(Hora) + "ORDER BY NUMERO;");
    // Items sharing a position: each grid row takes the next one not renumbered yet.
    std::vector<bool> Renumerado(size_t(std::max(Items.RecordCount(), 0)), false);
    // The grid keeps the positions from before the drag until it is reloaded.
    for (int Fila = 1; Fila < Lista.Rows(); ++Fila) {
        const double Numero = Lista.TextMatrix(Fila, 6).toDouble();
        size_t Item = 0;
        for (Items.MoveFirst(); !Items.EOF(); Items.MoveNext(), ++Item) {
            if (!Renumerado[Item] && Items.Fields("NUMERO").Value().toDouble() == Numero)
                break;
        }
        if (Items.EOF())
            continue;
        Items.Edit();
        Items.Fields("NUMERO") = Fila;
        Items.Update();
        Renumerado[Item] = true;
    }
    Items.Close();
    Db.Close();
    CargarLista(Hora);
}
