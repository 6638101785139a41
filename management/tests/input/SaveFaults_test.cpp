// Saves and deletes that the database refuses, typed and clicked as a person
// does: one message naming the file and the cause, the form still open with
// what was typed, and nothing of the action written.

#include "UserInput.h"

#include "../traffic/BloquesFixture.h"

#include "support/FullDisk.h"
#include "support/OtherProgram.h"

#include "traffic/F_Clientes.h"
#include "traffic/F_Publicidad.h"

#include "forms/MsgBox.h"
#include "jet/Engine.h"

#include <QApplication>

#include <chrono>
#include <cstdint>

namespace ft = forms::test;

namespace {

class SaveFaults : public BloquesFixture {
protected:
    // A new advertiser typed into the advertisers form, not saved yet.
    F_Clientes& Escrito(const QString& numero)
    {
        F_Clientes& f = forms::Get<F_Clientes>();
        EXPECT_TRUE(user::Shown(f));
        user::Click(f.B_Añadir);  // proposes the next number, the caret in the box
        user::SelectAll();
        user::Type(numero);
        user::Click(f.T_Nombre);
        user::Type("Bar Pepe");
        user::Click(f.T_Telefonos);
        user::Type("555 12 34");
        return f;
    }

    static QStringList Clientes() { return Filas("SELECT NUMERO,NOMBRE,TELEFONO FROM CLIENTES ORDER BY NUMERO"); }

    static void ExpectTyped(F_Clientes& f)
    {
        EXPECT_EQ(f.T_Codigo.Text(), "7");
        EXPECT_EQ(f.T_Nombre.Text(), "Bar Pepe");
        EXPECT_EQ(f.T_Telefonos.Text(), "555 12 34");
        EXPECT_TRUE(f.T_Nombre.Enabled());
        EXPECT_TRUE(f.B_Guardar.Enabled());
    }

    // Every error recorded is a database error shown to the user, none other.
    void TearDown() override
    {
        QStringList shown;
        for (const ft::Message& message : ft::Messages())
            if (message.Buttons == forms::vbCritical)
                shown << message.Prompt;
        EXPECT_EQ(QStringList(ft::Errors().begin(), ft::Errors().end()), shown);
    }

    FullDisk disk;
};

TEST_F(SaveFaults, ANewAdvertiserSavedOnAFullDiskStaysInTheFormAndIsSavedOnceThereIsRoom)
{
    F_Clientes& f = Escrito("7");
    disk.Fill();
    user::Click(f.B_Guardar);
    disk.Free();

    ASSERT_EQ(Prompts().size(), 1);
    for (const QString& named :
         {QStringLiteral("el disco está lleno"), Path("Dorna.MDB"),
          QStringLiteral("INSERT INTO CLIENTES (NUMERO,NOMBRE,TELEFONO,DIRECCION,NIF,POBLACION,COMENTARIO) "
                         "VALUES (7,'Bar Pepe','555 12 34',"),
          QStringLiteral("No se ha guardado nada de esta operación.")})
        EXPECT_TRUE(Prompts()[0].contains(named)) << Prompts()[0].toStdString();
    EXPECT_EQ(ft::Messages()[0].Buttons, forms::vbCritical);
    EXPECT_TRUE(f.Visible());
    ExpectTyped(f);
    EXPECT_EQ(Clientes(), QStringList());

    user::Click(f.B_Guardar);
    EXPECT_EQ(Clientes(), QStringList{"7 Bar Pepe 555 12 34"});
    EXPECT_EQ(f.T_Nombre.Text(), "");
    EXPECT_EQ(Prompts().size(), 1);
}

TEST_F(SaveFaults, ANewAdvertiserSavedWhileAnotherProgramHoldsTheFileWaitsThenStaysInTheForm)
{
    F_Clientes& f = Escrito("7");
    {
        const ShortLockWait wait(std::chrono::milliseconds(300));
        OtherProgram other(DornaPath());
        ASSERT_EQ(other.Run("BEGIN IMMEDIATE"), 0);
        user::Click(f.B_Guardar);
    }

    ASSERT_EQ(Prompts().size(), 1);
    // The write that waited is named, not the lock it took first.
    for (const QString& named : {QStringLiteral("otro programa la tiene bloqueada y no la ha liberado en 0,3 segundos"),
                                 Path("Dorna.MDB"), QStringLiteral("Instrucción: INSERT INTO CLIENTES (NUMERO,NOMBRE,"),
                                 QStringLiteral("No se ha guardado nada de esta operación.")})
        EXPECT_TRUE(Prompts()[0].contains(named)) << Prompts()[0].toStdString();
    ExpectTyped(f);
    EXPECT_EQ(Clientes(), QStringList());
    user::Click(f.B_Guardar);
    EXPECT_EQ(Clientes(), QStringList{"7 Bar Pepe 555 12 34"});
}

TEST_F(SaveFaults, AnAdvertiserNumberThatIsNoWholeNumberIsRefusedWithTheFormsMessage)
{
    for (const char* numero : {"4.5", "99999999999999999999", "2147483648", "-"}) {
        SCOPED_TRACE(numero);
        F_Clientes& f = Escrito(QString::fromUtf8(numero));
        user::Click(f.B_Guardar);
        EXPECT_EQ(Prompts().back().toStdString(), "El Numero de Cliente no es valido");
        EXPECT_EQ(QApplication::focusWidget(), f.T_Codigo.Widget());
        EXPECT_EQ(Clientes(), QStringList());
        f.Unload();
    }
}

// Deleting a contract runs several statements; the last one, the contract
// row itself, is refused here: the blocks, placements and days stay.
TEST_F(SaveFaults, AContractDeleteWhoseLastStatementFailsLeavesEverythingAsItWas)
{
    const QTime ocho(8, 0);
    Bloque(ocho, 60);
    Guardar({21, "c21.wav", "Campaña", "Voz", 5, 30});
    Colocar(ocho, 21, 1, 30);
    Sql("INSERT INTO DIAS (CONTRATO,DIA) VALUES (21," + SqlFecha(QDate::currentDate().addDays(3)) + ")");
    Sql("CREATE TRIGGER PROTEGIDO BEFORE DELETE ON PUBLICIDAD "
        "BEGIN SELECT RAISE(ABORT, 'contrato protegido'); END");
    const QStringList antes = Filas("SELECT ORDEN,BLOQUE,TIEMPO FROM PUBLICIDAD_CONTENIDO")
                              + Filas("SELECT HORA,TIEMPO,TIEMPO_VER FROM BLOQUES") + Filas("SELECT CONTRATO FROM DIAS")
                              + Filas("SELECT ORDEN FROM PUBLICIDAD");

    F_Publicidad& f = forms::Get<F_Publicidad>();
    std::int32_t orden = 21;
    f.Buscar(orden);
    double filtro = 21;
    f.Filtrar(filtro);
    ASSERT_TRUE(user::Shown(f));
    ft::AnswerMsgBox(forms::vbYes);
    user::Click(f.B_Eliminar_P);

    ASSERT_EQ(Prompts().size(), 2);
    EXPECT_EQ(Prompts()[0], "¿Desea eliminar el contrato?");
    for (const QString& named :
         {QStringLiteral("contrato protegido"), QStringLiteral("DELETE FROM PUBLICIDAD WHERE ORDEN=21"),
          Path("Dorna.MDB"), QStringLiteral("No se ha guardado nada de esta operación.")})
        EXPECT_TRUE(Prompts()[1].contains(named)) << Prompts()[1].toStdString();
    EXPECT_EQ(Filas("SELECT ORDEN,BLOQUE,TIEMPO FROM PUBLICIDAD_CONTENIDO")
                  + Filas("SELECT HORA,TIEMPO,TIEMPO_VER FROM BLOQUES") + Filas("SELECT CONTRATO FROM DIAS")
                  + Filas("SELECT ORDEN FROM PUBLICIDAD"),
              antes);
    EXPECT_TRUE(f.Visible());
    EXPECT_EQ(f.T_Orden.Text(), "21");
    EXPECT_TRUE(f.B_Eliminar_P.Enabled());
}

}  // namespace
