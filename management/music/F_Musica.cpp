#include "music/F_Musica.h"

#include "music/F_Albun.h"
#include "music/F_Anadir_Tipos.h"
#include "music/F_Buscar_Musica.h"
#include "music/F_Interprete.h"
#include "music/F_Locucion.h"
#include "music/TwipsDeSegundos.h"
#include "station/Audio.h"
#include "station/Control_busqueda.h"
#include "station/Numeros.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"
#include "sound/Sound.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

const QString Vacio = QStringLiteral("-Vacio-");

// A stored list position selects its entry; one past the end of the list
// (names deleted since the song was saved) selects nothing.
void SeleccionarPosicion(forms::ComboBox& lista, const jet::Value& posicion)
{
    const int indice = posicion.toInt();
    lista.ListIndex(indice >= 0 && indice < lista.ListCount() ? indice : -1);
}

// Appends every NOMBRE of the recordset to the list; false when it has none.
bool Llenar(forms::ComboBox& lista, jet::Recordset& nombres)
{
    if (nombres.AbsolutePosition() == -1)
        return false;
    for (nombres.MoveFirst(); !nombres.EOF(); nombres.MoveNext())
        lista.AddItem(nombres.Fields("NOMBRE").Value().toString());
    return true;
}

// The number at the start of a text: digits with a decimal point allowed,
// 0 when the text does not begin with one.
double NumeroInicial(const QString& texto)
{
    static const QRegularExpression numero(QStringLiteral("^\\s*(\\d*\\.?\\d*)"));
    return numero.match(texto).captured(1).toDouble();
}

}  // namespace

// The play and stop pictures live in a static library: registered by hand.
static void CargarRecursos()
{
    Q_INIT_RESOURCE(F_Musica);
}

F_Musica::F_Musica()
{
    CargarRecursos();
    B_Añadir.OnClick = [this] { B_Añadir_Click(); };
    B_Buscar.OnClick = [this] { B_Buscar_Click(); };
    B_Guardar.OnClick = [this] { B_Guardar_Click(); };
    B_Eliminar.OnClick = [this] { B_Eliminar_Click(); };
    B_Cancelar.OnClick = [this] { B_Cancelar_Click(); };
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
    Command4.OnClick = [this] { Command4_Click(); };
    Command5.OnClick = [this] { Command5_Click(); };
    Command6.OnClick = [this] { Command6_Click(); };
    Command7.OnClick = [this] { Command7_Click(); };
    Command10.OnClick = [this] { Command10_Click(); };
    Command11.OnClick = [this] { Command11_Click(); };
    Command8.OnClick = [this] { Command8_Click(); };
    Command9.OnClick = [this] { Command9_Click(); };
    Command12.OnClick = [this] { Command12_Click(); };
    Timer1.OnTimer = [this] { Timer1_Timer(); };
}

void F_Musica::Design()
{
    Caption("Catálogo Musical");
    Width(9000);
    Height(8580);

    Frame2.Move(120, 60, 8760, 7440);
    struct Campo {
        forms::Label& etiqueta;
        const char* texto;
        forms::Control& control;
        int ancho;
        int alto;
    };
    // The file labels are wide and two lines high: a long path wraps and shows whole.
    const Campo campos[] = {
        {Label_Codigo, "Código", T_Codigo, 1200, 315},
        {Label_Titulo, "Título", T_Titulo, 5400, 315},
        {Label_Interprete, "Interprete", T_Interprete, 5400, 315},
        {Label_Albun, "Albúm", T_Albun, 5400, 315},
        {Label_Año, "Año", T_Año, 1200, 315},
        {Label_Slot, "Slot", T_Slot, 2400, 315},
        {Label_Estilo, "Estilo", T_Estilo, 3000, 315},
        {Label_Tipo, "Tipo", T_Tipo, 3000, 315},
        {Label_Ritmo, "Ritmo", T_Ritmo, 3000, 315},
        {Label_Fichero, "Fichero", L_Fichero, 6300, 480},
        {Label_Duracion, "Duración", L_Duracion, 1200, 315},
        {Label_Intro, "Intro", T_Intro, 1200, 315},
        {Label_Presentacion1, "Presentación 1", L_Presentacion1, 6300, 480},
        {Label_Presentacion2, "Presentación 2", L_Presentacion2, 6300, 480},
        {Label_Radiaciones, "Radiaciones", L_Radiaciones, 1200, 315},
        {Label_Comentario, "Comentario", T_Comentario, 5400, 900},
    };
    int top = 240;
    for (const Campo& campo : campos) {
        campo.etiqueta.Caption(QString::fromUtf8(campo.texto));
        campo.etiqueta.Move(240, top + 40, 1500, 255);
        campo.control.Move(1800, top, campo.ancho, campo.alto);
        top += campo.alto + 60;
    }
    // The button beside each box, on the box's row.
    const std::pair<forms::CommandButton*, forms::Control*> botones[] = {
        {&Command10, &T_Interprete},   {&Command11, &T_Albun},        {&Command5, &T_Estilo},
        {&Command7, &T_Tipo},          {&Command6, &T_Ritmo},         {&Command1, &L_Fichero},
        {&Command2, &L_Presentacion1}, {&Command3, &L_Presentacion2},
    };
    for (const auto& [boton, caja] : botones) {
        boton->Move(caja->Left() + caja->Width() + 60, caja->Top(), 450, 315);
    }
    for (forms::CommandButton* boton : {&Command10, &Command11})
        boton->Caption("+");
    for (forms::CommandButton* boton : {&Command5, &Command7, &Command6})
        boton->Caption("+/-");
    for (forms::CommandButton* boton : {&Command1, &Command2, &Command3})
        boton->Caption("...");
    Command12.Caption("Editor Mix");
    Command12.Move(7200, T_Comentario.Top(), 1300, 375);
    Command12.Visible(false);

    T_Año.CustomFormat("yyy");
    T_Año.Value(QDate(2006, 9, 18));

    L_Fichero.Caption(Vacio);
    L_Duracion.Caption("0");
    T_Intro.Text("0");
    L_Presentacion1.Caption(Vacio);
    L_Presentacion2.Caption(Vacio);
    L_Radiaciones.Caption("0");

    Frame1.Move(120, 7560, 8760, 720);
    int left = 120;
    const std::pair<forms::CommandButton*, const char*> barra[] = {
        {&B_Añadir, "Añadir"},     {&B_Buscar, "Buscar"},     {&B_Guardar, "Guardar"},
        {&B_Eliminar, "Eliminar"}, {&B_Cancelar, "Cancelar"}, {&Command4, "Salir"},
    };
    for (const auto& [boton, texto] : barra) {
        boton->Caption(QString::fromUtf8(texto));
        boton->Move(left, 200, 1100, 375);
        left += 1160;
    }
    Command8.Move(left + 120, 200, 450, 375);
    Command8.Picture(":/music/play.png");
    Command9.Move(left + 630, 200, 450, 375);
    Command9.Picture(":/music/stop.png");

    Frame2.Enabled(false);
    B_Guardar.Enabled(false);
    B_Eliminar.Enabled(false);

    Data1.RecordSource = "CATALOGO";
    Timer1.Interval(5);
    Timer1.Enabled(false);
}

void F_Musica::Form_Load()
{
    Data1.DatabaseName = ProgramFolder() + "\\musica.mdb";
    Data1.Refresh();
    Actualiza_Combo();
    IniciarAudio(*this);
}

void F_Musica::Form_Unload()
{
    sound::Stream_Close(Sonido);
    Sonido = 0;
    Canal = 0;
    Data1.Recordset().Close();
    sound::Close();
}

void F_Musica::Actualiza_Combo()
{
    jet::Database musica = jet::DBEngine().OpenDatabase(ProgramFolder() + "\\musica.MDB");
    jet::Recordset nombres = musica.OpenRecordset("SELECT NOMBRE FROM ESTILOS ORDER BY NOMBRE");
    T_Estilo.Clear();
    T_Tipo.Clear();
    T_Ritmo.Clear();
    // An empty list leaves the later ones empty and nothing selected.
    if (!Llenar(T_Estilo, nombres))
        return;
    nombres = musica.OpenRecordset("SELECT NOMBRE FROM TIPO ORDER BY NOMBRE");
    if (!Llenar(T_Tipo, nombres))
        return;
    nombres = musica.OpenRecordset("SELECT NOMBRE FROM RITMO ORDER BY NOMBRE");
    if (!Llenar(T_Ritmo, nombres))
        return;
    T_Estilo.ListIndex(0);
    T_Tipo.ListIndex(0);
    T_Ritmo.ListIndex(0);
}

void F_Musica::B_Añadir_Click()
{
    Frame2.Enabled(true);
    T_Codigo.Enabled(true);
    T_Codigo.SetFocus();
    Nuevo = true;
    B_Buscar.Enabled(false);
    B_Eliminar.Enabled(false);
    B_Guardar.Enabled(true);
    // The row count, not the current row: right after a deletion there is
    // no current row in a catalogue that still has songs.
    jet::Recordset& catalogo = Data1.Recordset();
    if (catalogo.RecordCount() == 0) {
        T_Codigo.Text("1");
    } else {
        catalogo.MoveLast();
        T_Codigo.Text(SqlNumero(catalogo.Fields("CODIGO").Value().toDouble() + 1));
    }
}

void F_Musica::B_Buscar_Click()
{
    F_Buscar_Musica& Busqueda = forms::Get<F_Buscar_Musica>();
    Busqueda.Receptor1 = [this](double codigo) { Buscar(codigo); };
    Control_busqueda = 1;
    T_Codigo.Enabled(false);
    Busqueda.Show(forms::vbModal);
}

void F_Musica::Buscar(double& codigo)
{
    jet::Recordset& catalogo = Data1.Recordset();
    catalogo.FindFirst("CODIGO=" + SqlNumero(codigo));
    if (catalogo.NoMatch())
        return;
    T_Codigo.Text(catalogo.Fields("CODIGO").Value().toString());
    T_Titulo.Text(catalogo.Fields("TITULO").Value().toString());
    T_Interprete.Text(catalogo.Fields("INTERPRETE").Value().toString());
    T_Albun.Text(catalogo.Fields("ALBUN").Value().toString());
    const QDate dia = T_Año.Value().date();
    T_Año.Value(dia.addYears(catalogo.Fields("AÑO").Value().toInt() - dia.year()));
    T_Slot.Text(catalogo.Fields("SLOT").Value().toString());
    SeleccionarPosicion(T_Tipo, catalogo.Fields("tipo_n").Value());
    SeleccionarPosicion(T_Ritmo, catalogo.Fields("ritmo_n").Value());
    SeleccionarPosicion(T_Estilo, catalogo.Fields("estilo_N").Value());
    L_Fichero.Caption(catalogo.Fields("FICHERO").Value().toString());
    L_Duracion.Caption(catalogo.Fields("DURACION_VER").Value().toString());
    T_Intro.Text(catalogo.Fields("INTRO").Value().toString());
    L_Presentacion1.Caption(catalogo.Fields("PRESENTACION1").Value().toString());
    L_Presentacion2.Caption(catalogo.Fields("PRESENTACION2").Value().toString());
    L_Radiaciones.Caption(catalogo.Fields("radiaciones").Value().toString());
    T_Comentario.Text(catalogo.Fields("COMENTARIO").Value().toString());
    B_Añadir.Enabled(true);
    B_Eliminar.Enabled(true);
    B_Guardar.Enabled(true);
    Frame2.Enabled(true);
    Nuevo = false;
}

void F_Musica::B_Guardar_Click()
{
    jet::Recordset& catalogo = Data1.Recordset();
    const std::optional<int> codigo = Entero(T_Codigo.Text());
    if (Nuevo) {
        if (!codigo) {
            forms::MsgBox("El codigo no es correcto", forms::vbInformation);
            T_Codigo.SetFocus();
            return;
        }
        catalogo.FindFirst("codigo=" + QString::number(std::abs(*codigo)));
        if (!catalogo.NoMatch()) {
            forms::MsgBox("El codigo ya existe", forms::vbInformation);
            T_Codigo.SetFocus();
            return;
        }
        if (!ComprobarCampos())
            return;
        catalogo.AddNew();
        catalogo.Fields("CODIGO") = *codigo;
        EscribirCampos(catalogo);
        catalogo.Fields("radiaciones") = 0;
        catalogo.Update();
        B_Cancelar_Click();
        return;
    }
    if (!ComprobarCampos() || !codigo)
        return;
    catalogo.FindFirst("codigo=" + QString::number(std::abs(*codigo)));
    if (catalogo.NoMatch())
        return;
    catalogo.Edit();
    EscribirCampos(catalogo);
    catalogo.Update();
}

bool F_Musica::ComprobarCampos()
{
    if (T_Titulo.Text().isEmpty()) {
        forms::MsgBox("El título no es correcto", forms::vbInformation);
        T_Titulo.SetFocus();
        return false;
    }
    // Checked before the performer and album, which may be created on the way.
    const std::optional<int> intro = Entero(T_Intro.Text());
    if (!T_Intro.Text().isEmpty() && (!intro || *intro < 0)) {
        forms::MsgBox("La intro debe ser un número entero de segundos", forms::vbInformation);
        T_Intro.SetFocus();
        return false;
    }
    if (!T_Interprete.Text().isEmpty() && !Buscar_Interprete(T_Interprete.Text())) {
        T_Interprete.SetFocus();
        return false;
    }
    if (!T_Albun.Text().isEmpty() && !Buscar_Albun(T_Albun.Text())) {
        T_Albun.SetFocus();
        return false;
    }
    if (T_Intro.Text().isEmpty())
        T_Intro.Text("0");
    return true;
}

void F_Musica::EscribirCampos(jet::Recordset& catalogo)
{
    catalogo.Fields("TITULO") = T_Titulo.Text();
    catalogo.Fields("INTERPRETE") = T_Interprete.Text();
    catalogo.Fields("ALBUN") = T_Albun.Text();
    catalogo.Fields("AÑO") = T_Año.Value().date().year();
    catalogo.Fields("SLOT") = T_Slot.Text();
    catalogo.Fields("TIPO") = T_Tipo.Text();
    catalogo.Fields("RITMO") = T_Ritmo.Text();
    catalogo.Fields("ESTILO") = T_Estilo.Text();
    catalogo.Fields("FICHERO") = L_Fichero.Caption();
    catalogo.Fields("DURACION_VER") = L_Duracion.Caption();
    catalogo.Fields("INTRO") = *Entero(T_Intro.Text());
    catalogo.Fields("PRESENTACION1") = L_Presentacion1.Caption();
    catalogo.Fields("PRESENTACION2") = L_Presentacion2.Caption();
    catalogo.Fields("COMENTARIO") = T_Comentario.Text();
    catalogo.Fields("estilo_n") = T_Estilo.ListIndex();
    catalogo.Fields("ritmo_n") = T_Ritmo.ListIndex();
    catalogo.Fields("tipo_n") = T_Tipo.ListIndex();
}

bool F_Musica::Buscar_Interprete(const QString& Buscar)
{
    return BuscarNombre("SELECT NOMBRE FROM INTERPRETE ORDER BY NOMBRE", Buscar, "El interprete ", T_Interprete);
}

bool F_Musica::Buscar_Albun(const QString& Buscar)
{
    return BuscarNombre("SELECT NOMBRE FROM ALBUN ORDER BY NOMBRE", Buscar, "El albún ", T_Albun);
}

bool F_Musica::BuscarNombre(const QString& Lista, const QString& Nombre, const QString& Palabras, forms::TextBox& Caja)
{
    jet::Database musica = jet::DBEngine().OpenDatabase(ProgramFolder() + "\\musica.MDB");
    jet::Recordset nombres = musica.OpenRecordset(Lista);
    nombres.FindFirst("NOMBRE=" + SqlTexto(Nombre));
    if (!nombres.NoMatch())
        return true;
    const QString pregunta = Palabras + Nombre + " no existe" + "\r\n"
                             + "Asegurese de que el nombre está escrito correctamente" + "\r\n" + "¿Desea Crearlo?";
    if (forms::MsgBox(pregunta, forms::vbYesNo + forms::vbInformation) != forms::vbYes)
        return false;
    nombres.AddNew();
    nombres.Fields("NOMBRE") = Caja.Text();
    nombres.Update();
    return true;
}

void F_Musica::B_Eliminar_Click()
{
    jet::Recordset& catalogo = Data1.Recordset();
    if (catalogo.AbsolutePosition() == -1)
        return;
    if (forms::MsgBox("Desea eliminar el registro", forms::vbYesNo + forms::vbQuestion) != forms::vbYes)
        return;
    const std::optional<int> codigo = Entero(T_Codigo.Text());
    if (!codigo)
        return;
    catalogo.FindFirst("CODIGO=" + QString::number(std::abs(*codigo)));
    if (catalogo.NoMatch())
        return;
    catalogo.Delete();
    B_Cancelar_Click();
}

void F_Musica::B_Cancelar_Click()
{
    Frame2.Enabled(false);
    B_Añadir.Enabled(true);
    B_Buscar.Enabled(true);
    B_Eliminar.Enabled(false);
    B_Guardar.Enabled(false);
    T_Codigo.Text("");
    T_Interprete.Text("");
    T_Albun.Text("");
    T_Titulo.Text("");
    T_Slot.Text("");
    T_Comentario.Text("");
    T_Intro.Text("");
    L_Fichero.Caption(Vacio);
    L_Presentacion1.Caption(Vacio);
    L_Presentacion2.Caption(Vacio);
    L_Duracion.Caption("0");
    L_Radiaciones.Caption("0");
    T_Codigo.Enabled(true);
}

QString F_Musica::ElegirFichero()
{
    CommonDialog.CancelError(true);
    try {
        CommonDialog.ShowOpen();
    } catch (const std::exception&) {
        // A cancel, or any failure of the dialog, changes nothing.
        return QString();
    }
    return CommonDialog.FileName();
}

void F_Musica::Command1_Click()
{
    const QString fichero = ElegirFichero();
    if (fichero.isEmpty())
        return;
    if (T_Titulo.Text().isEmpty()) {
        const QString nombre = QFileInfo(fichero).fileName();
        T_Titulo.Text(nombre.left(std::max<qsizetype>(0, nombre.size() - 4)));
    }
    L_Fichero.Caption(fichero);
    L_Duracion.Caption(Duracion(fichero));
}

void F_Musica::Command2_Click()
{
    const QString fichero = ElegirFichero();
    if (!fichero.isEmpty())
        L_Presentacion1.Caption(fichero);
}

void F_Musica::Command3_Click()
{
    const QString fichero = ElegirFichero();
    if (!fichero.isEmpty())
        L_Presentacion2.Caption(fichero);
}

void F_Musica::Command4_Click()
{
    Unload();
}

void F_Musica::Command5_Click()
{
    MostrarListaTipos(" NOMBRE FROM ESTILOS ORDER BY NOMBRE", T_Estilo);
}

void F_Musica::Command6_Click()
{
    MostrarListaTipos(" NOMBRE FROM RITMO ORDER BY NOMBRE", T_Ritmo);
}

void F_Musica::Command7_Click()
{
    MostrarListaTipos(" NOMBRE FROM TIPO ORDER BY NOMBRE", T_Tipo);
}

void F_Musica::MostrarListaTipos(const QString& Cual, forms::ComboBox& Lista)
{
    F_Añadir_Tipos& dialogo = forms::Get<F_Añadir_Tipos>();
    dialogo.Cual = Cual;
    dialogo.L_Eliminar.Caption(Lista.Text());
    dialogo.Show(forms::vbModal);
}

void F_Musica::Command10_Click()
{
    forms::Get<F_Interprete>().Show(forms::vbModal);
}

void F_Musica::Command11_Click()
{
    forms::Get<F_Albun>().Show(forms::vbModal);
}

void F_Musica::Reproducir(const QString& Fichero)
{
    if (L_Fichero.Caption().isEmpty())
        return;
    sound::Stream_Close(Sonido);
    Sonido = sound::Stream_Open(Fichero, 0, 0);
    if (Sonido == 0)
        return;
    Canal = sound::Stream_Play(1, Sonido);
    // Without a started engine nothing plays: a running timer would write 0 over the intro.
    if (Canal != -1)
        Timer1.Enabled(true);
}

void F_Musica::Command8_Click()
{
    Reproducir(L_Fichero.Caption());
}

void F_Musica::Command9_Click()
{
    sound::Stream_Stop(Sonido);
    Timer1.Enabled(false);
}

void F_Musica::Timer1_Timer()
{
    // The intro is timed by stopping the song where its introduction ends.
    T_Intro.Text(QString::number(sound::Stream_GetTime(Sonido) / 1000));
}

void F_Musica::Command12_Click()
{
    F_Locucion& locucion = forms::Get<F_Locucion>();
    locucion.L1.Width(TwipsDeSegundos(Duracion2(L_Fichero.Caption(), false)));
    locucion.L2.Width(TwipsDeSegundos(Duracion2(L_Presentacion1.Caption(), false)));
    locucion.H.Max(TwipsDeSegundos(Duracion2(L_Fichero.Caption(), true)));
    locucion.H.Min(-TwipsDeSegundos(Duracion2(L_Fichero.Caption(), true)));
    locucion.H.Value(0);
    const double intro = NumeroInicial(T_Intro.Text());
    locucion.Intro = TwipsDeSegundos(intro);
    locucion.L_Intro.Left(TwipsDeSegundos(locucion.L1.Left() + intro));
    locucion.Fichero = L_Fichero.Caption();
    locucion.Show(forms::vbModal);
}
