#include "music/F_Anadir_Tipos.h"

#include "music/F_Musica.h"
#include "station/ProgramFolder.h"
#include "station/SqlTexto.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"

F_Añadir_Tipos::F_Añadir_Tipos()
{
    Command1.OnClick = [this] { Command1_Click(); };
    Command2.OnClick = [this] { Command2_Click(); };
    Command3.OnClick = [this] { Command3_Click(); };
}

void F_Añadir_Tipos::Design()
{
    Caption("Añadir");
    Width(4800);
    Height(1560);
    Text1.Move(120, 120, 3120, 315);
    Command1.Caption("Añadir");
    Command1.Move(3360, 90, 1300, 375);
    L_Eliminar.Move(120, 600, 3120, 255);
    Command3.Caption("Eliminar");
    Command3.Move(3360, 540, 1300, 375);
    Command2.Caption("Cancelar");
    Command2.Move(3360, 1020, 1300, 375);
}

void F_Añadir_Tipos::Command1_Click()
{
    if (Text1.Text().isEmpty()) {
        forms::MsgBox("Debe poner algun nombre", forms::vbInformation);
        Text1.SetFocus();
        return;
    }
    jet::Database musica = jet::DBEngine().OpenDatabase(ProgramFolder() + "\\MUSICA.MDB");
    jet::Recordset nombres = musica.OpenRecordset("SELECT" + Cual);
    nombres.AddNew();
    nombres.Fields("NOMBRE") = Text1.Text();
    nombres.Update();
    nombres.Close();
    forms::Get<F_Musica>().Actualiza_Combo();
    Unload();
}

void F_Añadir_Tipos::Command3_Click()
{
    jet::Database musica = jet::DBEngine().OpenDatabase(ProgramFolder() + "\\MUSICA.MDB");
    jet::Recordset nombres = musica.OpenRecordset("SELECT" + Cual);
    if (nombres.AbsolutePosition() == -1) {
        Unload();
        return;
    }
    // Quoted, so a name with an apostrophe is found and deleted.
    nombres.FindFirst("NOMBRE=" + SqlTexto(L_Eliminar.Caption()));
    if (!nombres.NoMatch())
        nombres.Delete();
    nombres.Close();
    forms::Get<F_Musica>().Actualiza_Combo();
    Unload();
}

void F_Añadir_Tipos::Command2_Click()
{
    Unload();
}
