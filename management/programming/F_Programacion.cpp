#include "programming/F_Programacion.h"

#include "music/F_Buscar_Musica.h"
#include "programming/F_Buscar_Programa.h"
#include "programming/F_Buscar_Programacion.h"
#include "programming/F_Buscar_Rotacion.h"
#include "programming/F_Nueva_Programacion.h"
#include "programming/F_Programacion_Propiedades.h"
#include "station/Audio.h"
#include "station/Control_busqueda.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"
#include "traffic/Reajuste_Bloques.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"
#include "sound/Sound.h"

#include <QFileInfo>
#include <QTime>

#include <cmath>
#include <cstdint>
#include <exception>

namespace {

// The programming's row query, which every reload of LISTA uses.
QString ConsultaFilas(const QString& Nombre)
{
    return "SELECT HORA,TIPO,DESCRIPCION,TIEMPO_VER,FIN,FICHERO FROM PROGRAMACION WHERE PROGRAMACION = "
           + SqlTexto(Nombre) + " ORDER BY HORA";
}

// A cell formatted "hh:mm:ss"; a text that is no time (the header "Fin")
// comes back unchanged.
QString FormatoHora(const QString& Celda)
{
    const jet::Value Hora = jet::Value::ParseDateTime(Celda);
    return Hora.IsNull() ? Celda : Hora.toTimeText();
}

// Start text Inicio plus Segundos, as the time of day "hh:mm:ss" (wrapping at midnight).
QString FinDesde(const QString& Inicio, double Segundos)
{
    const QTime Hora = QTime::fromString(Inicio, "hh:mm:ss");
    return Hora.addSecs(static_cast<int>(Segundos)).toString("hh:mm:ss");
}

bool EsHora(const QString& Texto)
{
    return QTime::fromString(Texto, "hh:mm:ss").isValid();
}

}  // namespace

F_Programacion::F_Programacion()
{
    B_Añadir.OnClick = [this] { B_Añadir_Click(); };
    B_Buscar.OnClick = [this] { B_Buscar_Click(); };
    B_Eliminar.OnClick = [this] { B_Eliminar_Click(); };
    Command6.OnClick = [this] { Command6_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
    Command4.OnClick = [this] { Command4_Click(); };
    Command5.OnClick = [this] { Command5_Click(); };
    Command7.OnClick = [this] { Command7_Click(); };
    Command8.OnClick = [this] { Command8_Click(); };
    Command9.OnClick = [this] { Command9_Click(); };
    LISTA.OnDblClick = [this] { LISTA_DblClick(); };
    LISTA.OnDragOver = [this](forms::Control& Source, float X, float Y, int State) {
        LISTA_DragOver(Source, X, Y, State);
    };
    LISTA.OnOLEDragOver = [this](const QStringList& Files, float X, float Y, int State) {
        LISTA_OLEDragOver(Files, X, Y, State);
    };
    LISTA.OnOLEDragDrop = [this](const QStringList& Files, float X, float Y) { LISTA_OLEDragDrop(Files, X, Y); };
}

void F_Programacion::Design()
{
    Caption("Programación [Ninguna]");
    Width(10200);
    Height(8000);

    Frame1.Move(120, 60, 9960, 900);
    B_Añadir.Caption("Crear");
    B_Buscar.Caption("Buscar");
    B_Eliminar.Caption("Eliminar");
    Command6.Caption("Salir");
    int Izquierda = 240;
    for (forms::CommandButton* Boton : {&B_Añadir, &B_Buscar, &B_Eliminar}) {
        Boton->Move(Izquierda, 300, 1300, 375);
        Izquierda += 1440;
    }
    Command6.Move(8400, 300, 1300, 375);
    B_Eliminar.Enabled(false);

    // Below the frame's visible area: the user neither sees nor ticks them.
    const struct {
        forms::CheckBox& Casilla;
        const char* Texto;
    } Dias[] = {{L, "Lunes"},   {M, "Martes"},  {MI, "Mercoles"}, {J, "Jueves"},
                {V, "Viernes"}, {S, "Sabados"}, {D, "Domingos"}};
    Izquierda = 120;
    for (const auto& Dia : Dias) {
        Dia.Casilla.Caption(QString::fromUtf8(Dia.Texto));
        Dia.Casilla.Move(Izquierda, 1000, 1300, 255);
        Izquierda += 1380;
    }

    Frame2.Move(120, 1020, 9960, 6860);
    Frame2.Enabled(false);
    Izquierda = 240;
    for (const auto& Boton :
         {std::pair{&Command2, "Bloques"}, std::pair{&Command9, "Playlist"}, std::pair{&Command5, "Música"},
          std::pair{&Command1, "Ficheros"}, std::pair{&Command3, "Rotaciones"}}) {
        Boton.first->Caption(QString::fromUtf8(Boton.second));
        Boton.first->Move(Izquierda, 240, 1300, 375);
        Izquierda += 1440;
    }
    Command3.Visible(false);
    Label1.Move(240, 760, 1300, 315);
    Izquierda = 1680;
    for (const auto& Boton :
         {std::pair{&Command4, "Eliminar"}, std::pair{&Command7, "Propiedades"}, std::pair{&Command8, "Actualizar"}}) {
        Boton.first->Caption(Boton.second);
        Boton.first->Move(Izquierda, 720, 1300, 375);
        Izquierda += 1440;
    }
    Image1.Move(8400, 240, 1300, 855);
    LISTA.Move(120, 1200, 9720, 5520);
    LISTA.DataSource(Data_Programacion);
    LISTA.OLEDropMode(1);
}

void F_Programacion::Form_Load()
{
    Programacion_Nombre = QString();
    Data_Programacion.DatabaseName = DornaPath();
    Data_Programacion_Nombre.DatabaseName = DornaPath();
    Data_Programacion_Nombre.RecordSource = "PROGRAMACION_NOMBRE";
    Data_Programacion_Nombre.Refresh();
    RecargarLista();
    IniciarAudio(*this);
}

void F_Programacion::Form_Unload()
{
    sound::Close();
}

void F_Programacion::Form_Resize()
{
    PonerTitulos();
}

void F_Programacion::PonerTitulos()
{
    LISTA.FormatString("|<Inicio|<Tipo|<Descripción|>Tiempo|>Fin");
    const int Anchos[] = {1, 1000, 500, 4900, 1000, 1000, 1};
    for (int Columna = 0; Columna < 7; ++Columna)
        LISTA.ColWidth(Columna, Anchos[Columna]);
}

void F_Programacion::RecargarLista()
{
    Data_Programacion.RecordSource = ConsultaFilas(Programacion_Nombre);
    Data_Programacion.Refresh();
    PonerTitulos();
}

void F_Programacion::Buscar(QString& Nombre)
{
    // Afresh: the creation dialog adds names through its own view.
    Data_Programacion_Nombre.Refresh();
    jet::Recordset& Nombres = Data_Programacion_Nombre.Recordset();
    Nombres.FindFirst("NOMBRE=" + SqlTexto(Nombre));
    if (Nombres.NoMatch())
        return;
    Programacion_Nombre = Nombres.Fields("NOMBRE").Value().toString();
    L.Value(Nombres.Fields("LUNES").Value().toInt());
    M.Value(Nombres.Fields("MARTES").Value().toInt());
    MI.Value(Nombres.Fields("MIERCOLES").Value().toInt());
    J.Value(Nombres.Fields("JUEVES").Value().toInt());
    V.Value(Nombres.Fields("VIERNES").Value().toInt());
    S.Value(Nombres.Fields("SABADO").Value().toInt());
    D.Value(Nombres.Fields("DOMINGO").Value().toInt());
    Caption("Programación [" + Programacion_Nombre + "]");
    B_Eliminar.Enabled(true);
    RecargarLista();
    Frame2.Enabled(true);
    ActualizarDuraciones();
}

void F_Programacion::B_Añadir_Click()
{
    forms::Get<F_Nueva_Programacion>().Show(forms::vbModal);
}

void F_Programacion::B_Buscar_Click()
{
    forms::Get<F_Buscar_Programacion>().Show(forms::vbModal);
}

void F_Programacion::B_Eliminar_Click()
{
    if (LISTA.Rows() == 1)
        return;
    if (forms::MsgBox("Esta operación eliminará toda la programación\r\nDesea continuar",
                      forms::vbYesNo + forms::vbCritical)
        != forms::vbYes)
        return;
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    Db.Execute("DELETE * FROM PROGRAMACION WHERE PROGRAMACION=" + SqlTexto(Programacion_Nombre));
    Db.Execute("DELETE * FROM PROGRAMACION_NOMBRE WHERE NOMBRE=" + SqlTexto(Programacion_Nombre));
    Db.Close();
    Programacion_Nombre = "Ninguna";
    RecargarLista();
    Caption("Programacion [Ninguna]");
    B_Eliminar.Enabled(false);
}

void F_Programacion::Command6_Click()
{
    Unload();
}

void F_Programacion::Command2_Click()
{
    if (Programacion_Nombre.isEmpty())
        return;
    InsertarBloques();
}

void F_Programacion::Command9_Click()
{
    forms::Get<F_Buscar_Programa>().Show(forms::vbModal);
}

void F_Programacion::Command5_Click()
{
    F_Buscar_Musica& Busqueda = forms::Get<F_Buscar_Musica>();
    Busqueda.Receptor2 = [this](double codigo) { Musica(codigo); };
    Control_busqueda = 2;
    Busqueda.Show(forms::vbModal);
}

void F_Programacion::Command3_Click()
{
    forms::Get<F_Buscar_Rotacion>().Show(forms::vbModal);
}

void F_Programacion::Command4_Click()
{
    if (LISTA.Rows() == 1)
        return;
    auto Fila = static_cast<std::int16_t>(LISTA.Row());
    // The header row holds no start to look for.
    if (Fila < 1)
        return;
    jet::Recordset& Filas = Data_Programacion.Recordset();
    const QString Inicio = FormatoHora(LISTA.TextMatrix(Fila, 1));
    if (!EsHora(Inicio))
        return;
    Filas.FindFirst("HORA=" + SqlHora(QTime::fromString(Inicio, "hh:mm:ss")));
    if (Filas.NoMatch())
        return;
    Filas.Delete();
    RecargarLista();
    if (LISTA.Rows() == 1)
        return;
    if (Fila >= LISTA.Rows())
        Fila = static_cast<std::int16_t>(LISTA.Rows() - 1);
    LISTA.Row(Fila);
    LISTA.Col(1);
    LISTA.RowSel(Fila);
    LISTA.ColSel(5);
}

void F_Programacion::Command7_Click()
{
    MostrarPropiedades();
}

void F_Programacion::LISTA_DblClick()
{
    MostrarPropiedades();
}

void F_Programacion::MostrarPropiedades()
{
    if (LISTA.Rows() == 1)
        return;
    const int Fila = LISTA.Row();
    if (Fila < 1)
        return;
    const QString Tipo = LISTA.TextMatrix(Fila, 2);
    if (Tipo == "BLO" || Tipo == "PRO")
        return;
    const QTime Inicio = QTime::fromString(FormatoHora(LISTA.TextMatrix(Fila, 1)), "hh:mm:ss");
    if (!Inicio.isValid())
        return;
    F_Programacion_Propiedades& Propiedades = forms::Get<F_Programacion_Propiedades>();
    Propiedades.L_Nombre.Caption(LISTA.TextMatrix(Fila, 3));
    Propiedades.T_Inicio.Value(Inicio);
    Propiedades.L_Duracion.Caption(LISTA.TextMatrix(Fila, 4));
    Propiedades.L_Fin.Caption(LISTA.TextMatrix(Fila, 5));
    Propiedades.Inicio_Anterior = Inicio;
    Propiedades.Show(forms::vbModal);
}

void F_Programacion::Command8_Click()
{
    ActualizarDuraciones();
}

void F_Programacion::ActualizarDuraciones()
{
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    Db.Execute("UPDATE PROGRAMACION,PROGRAMAS SET PROGRAMACION.TIEMPO_VER = PROGRAMAS.TIEMPO_VER "
               "WHERE PROGRAMACION.HORA=PROGRAMAS.HORA");
    Db.Execute(QString("UPDATE PROGRAMACION,PROGRAMAS SET PROGRAMACION.FIN =")
               + "DateAdd('s', PROGRAMAS.TIEMPO,PROGRAMAS.HORA)" + " WHERE PROGRAMACION.HORA=PROGRAMAS.HORA");
    Db.Close();
    Reajuste_Bloques();
    RecargarLista();
}

QString F_Programacion::FinDeFila(int Fila)
{
    return FormatoHora(LISTA.TextMatrix(Fila, 5));
}

QString F_Programacion::FinBajoPuntero()
{
    return FinDeFila(LISTA.MouseRow());
}

void F_Programacion::LISTA_DragOver(forms::Control&, float, float, int)
{
    if (LISTA.Rows() > 1)
        Label1.Caption(FinBajoPuntero());
}

void F_Programacion::LISTA_OLEDragOver(const QStringList&, float, float, int)
{
    if (LISTA.Rows() > 1)
        Label1.Caption(FinBajoPuntero());
}

void F_Programacion::Command1_Click()
{
    // Any failure, the cancel included, ends the operation without a message.
    try {
        CommonDialog.CancelError(true);
        CommonDialog.ShowOpen();
        const QString Fichero = CommonDialog.FileName();
        const QString Inicio = LISTA.Rows() == 1 ? QString("00:00:00") : FinBajoPuntero();
        // The header's "Fin" is no start time.
        if (!EsHora(Inicio))
            return;
        InsertarFichero(Fichero, Inicio);
    } catch (const std::exception&) {
        return;
    }
}

void F_Programacion::LISTA_OLEDragDrop(const QStringList& Files, float, float)
{
    if (LISTA.MouseRow() == 0 || Files.isEmpty())
        return;
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset Filas = Db.OpenRecordset("SELECT * FROM PROGRAMACION;");
    QString Inicio = "00:00:00";
    if (LISTA.Rows() > 1) {
        Inicio = FinBajoPuntero();
        if (!EsHora(Inicio))
            return;
        Filas.FindFirst("HORA=" + SqlHora(QTime::fromString(Inicio, "hh:mm:ss")));
        if (!Filas.NoMatch()) {
            forms::MsgBox("Imposible poner la misma hora de inicio", forms::vbOKOnly);
            return;
        }
    }
    Filas.Close();
    Db.Close();
    InsertarFichero(Files.first(), Inicio);
}

void F_Programacion::InsertarFichero(const QString& Fichero, const QString& Inicio)
{
    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset Filas = Db.OpenRecordset("SELECT * FROM PROGRAMACION;");
    Filas.AddNew();
    Filas.Fields("PROGRAMACION") = Programacion_Nombre;
    Filas.Fields("HORA") = Inicio;
    const QFileInfo Info(Fichero);
    Filas.Fields("DESCRIPCION") = Info.exists() ? Info.fileName() : QString();
    Filas.Fields("FICHERO") = Fichero;
    Filas.Fields("TIEMPO_VER") = Duracion(Fichero);
    const double Segundos = Duracion2(Fichero, true);
    Filas.Fields("TIPO") = "FIC";
    Filas.Fields("FIN") = FinDesde(Inicio, Segundos);
    CopiarDias(Filas);
    Filas.Update();
    RecargarLista();
}

void F_Programacion::Musica(double& codigo)
{
    if (!std::isfinite(codigo))
        return;
    jet::Database Catalogo = jet::DBEngine().OpenDatabase(MusicaPath());
    jet::Recordset Canciones = Catalogo.OpenRecordset("SELECT * FROM CATALOGO;");
    Canciones.FindFirst("CODIGO=" + SqlNumero(codigo));
    if (Canciones.NoMatch())
        return;
    const QString Inicio = LISTA.Rows() == 1 ? QString("00:00:00") : FinDeFila(LISTA.Rows() - 1);
    if (!EsHora(Inicio))
        return;
    const QString Fichero = Canciones.Fields("FICHERO").Value().toString();

    jet::Database Db = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset Filas = Db.OpenRecordset("SELECT * FROM PROGRAMACION;");
    Filas.AddNew();
    Filas.Fields("PROGRAMACION") = Programacion_Nombre;
    Filas.Fields("HORA") = Inicio;
    Filas.Fields("DESCRIPCION") = Canciones.Fields("TITULO").Value();
    Filas.Fields("FICHERO") = Fichero;
    Filas.Fields("TIEMPO_VER") = Canciones.Fields("DURACION_VER").Value();
    const double Segundos = Duracion2(Fichero, true);
    Filas.Fields("TIPO") = "MUS";
    Filas.Fields("FIN") = FinDesde(Inicio, Segundos);
    CopiarDias(Filas);
    Filas.Update();
    RecargarLista();
}

void F_Programacion::InsertarBloques()
{
    jet::Database A = jet::DBEngine().OpenDatabase(DornaPath());
    A.Execute("DELETE * FROM PROGRAMACION WHERE TIPO = 'BLO'AND PROGRAMACION=" + SqlTexto(Programacion_Nombre));
    jet::Recordset Bloques = A.OpenRecordset("SELECT * FROM BLOQUES;");
    jet::Database B = jet::DBEngine().OpenDatabase(DornaPath());
    jet::Recordset Filas = B.OpenRecordset("SELECT * FROM PROGRAMACION;");
    if (Bloques.AbsolutePosition() != -1) {
        for (Bloques.MoveFirst(); !Bloques.EOF(); Bloques.MoveNext()) {
            const jet::Value Hora = Bloques.Fields("HORA").Value();
            const QString Fin = FinDesde(Hora.toTimeText(), Bloques.Fields("TIEMPO").Value().toDouble());
            Filas.AddNew();
            Filas.Fields("PROGRAMACION") = Programacion_Nombre;
            Filas.Fields("HORA") = Hora.toTime();
            Filas.Fields("DESCRIPCION") = Bloques.Fields("NOMBRE").Value();
            Filas.Fields("TIEMPO_VER") = Bloques.Fields("TIEMPO_VER").Value();
            Filas.Fields("TIPO") = "BLO";
            Filas.Fields("FICHERO") = "BLOQUE";
            Filas.Fields("FIN") = Fin;
            CopiarDias(Filas);
            Filas.Update();
        }
    }
    Filas.Close();
    Bloques.Close();
    B.Close();
    A.Close();
    RecargarLista();
}

void F_Programacion::CopiarDias(jet::Recordset& Filas)
{
    Filas.Fields("LUNES") = L.Value();
    Filas.Fields("MARTES") = M.Value();
    Filas.Fields("MIERCOLES") = MI.Value();
    Filas.Fields("JUEVES") = J.Value();
    Filas.Fields("VIERNES") = V.Value();
    Filas.Fields("SABADO") = S.Value();
    Filas.Fields("DOMINGO") = D.Value();
}
