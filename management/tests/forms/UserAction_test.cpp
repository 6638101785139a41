// What an event handler writes is one action: written together when it
// returns, or not at all when a database error leaves it, which is shown once
// while the program and the form go on. While another program's lock is
// waited for, the user sees so and no other handler runs.
#include "forms/Application.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/MsgBox.h"
#include "forms/TestSeam.h"
#include "forms/TextBox.h"

#include "jet/DataControl.h"
#include "jet/Engine.h"
#include "jet/Error.h"

#include "support/FullDisk.h"
#include "support/OtherProgram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace ft = forms::test;

namespace {

// A note taker: its save adds the note through its data control and logs
// it with a statement, then clears the box, as the station's forms do.
class Notas : public forms::Form {
public:
    Notas()
    {
        B_Guardar.OnClick = [this] {
            jet::Recordset& notas = Data.Recordset();
            notas.AddNew();
            notas.Fields("TEXTO") = T_Texto.Text();
            notas.Update();
            Registrar("guardada");
            T_Texto.Text("");
        };
        // The log's Change handler writes as well, inside the action that set the text.
        T_Registro.OnChange = [this] { Registrar(T_Registro.Text()); };
        B_Encadenar.OnClick = [this] {
            Registrar("antes");
            T_Registro.Text("cambio");
            Registrar("después");
        };
        B_Preguntar.OnClick = [this] {
            Registrar("antes");
            respuesta = forms::MsgBox("¿Sigue?", forms::vbYesNo + forms::vbQuestion);
            Registrar("después");
        };
        B_Contar.OnClick = [this] { ++cuentas; };
    }

    void Registrar(const QString& que)
    {
        jet::DBEngine().OpenDatabase(Data.DatabaseName).Execute("INSERT INTO REGISTRO (QUE) VALUES ('" + que + "')");
    }

    forms::TextBox T_Texto{*this};
    forms::TextBox T_Registro{*this};
    forms::CommandButton B_Guardar{*this};
    forms::CommandButton B_Encadenar{*this};
    forms::CommandButton B_Preguntar{*this};
    forms::CommandButton B_Contar{*this};
    jet::DataControl Data;
    static inline QString archivo;  // set before the form is first touched
    int respuesta = 0;
    int cuentas = 0;

private:
    void Design() override
    {
        Width(6000);
        Height(3000);
        T_Texto.Move(120, 120, 3000, 300);
        T_Registro.Move(120, 600, 3000, 300);
        B_Guardar.Move(120, 1080, 1200, 375);
        B_Encadenar.Move(1440, 1080, 1200, 375);
        B_Preguntar.Move(2760, 1080, 1200, 375);
        B_Contar.Move(4080, 1080, 1200, 375);
    }

    void Form_Load() override
    {
        Data.DatabaseName = archivo;
        Data.RecordSource = "SELECT * FROM NOTAS ORDER BY ID";
        Data.Refresh();
    }
};

// A dialog that counts how often it is loaded and unloaded.
class Dialogo : public forms::Form {
public:
    static inline int cargas = 0;
    static inline int descargas = 0;

private:
    void Design() override {}
    void Form_Load() override { ++cargas; }
    void Form_Unload() override { ++descargas; }
};

class UserActionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        path_ = folder_.filePath("Notas.MDB");
        jet::Database db = jet::DBEngine().CreateDatabase(path_);
        db.Execute("PRAGMA journal_mode=WAL");
        db.Execute("CREATE TABLE NOTAS (ID INTEGER PRIMARY KEY, TEXTO TEXT)");
        db.Execute("CREATE TABLE REGISTRO (QUE TEXT)");
    }

    Notas& Abierto()
    {
        Notas::archivo = path_;
        Notas& form = forms::Get<Notas>();
        form.Show();
        return form;
    }

    QStringList Filas(const QString& select)
    {
        QStringList rows;
        jet::Recordset rs = jet::DBEngine().OpenDatabase(path_).OpenRecordset(select);
        for (int row = 0; row < rs.RecordCount(); ++row)
            rows << rs.ValueAt(row, 0).toString();
        return rows;
    }

    // The statement that fails last: the log refuses what it is given.
    void RegistroRechaza(const char* que)
    {
        jet::DBEngine().OpenDatabase(path_).Execute(
            QStringLiteral("CREATE TRIGGER RECHAZO BEFORE INSERT ON REGISTRO WHEN NEW.QUE='%1' "
                           "BEGIN SELECT RAISE(ABORT, 'registro rechazado'); END")
                .arg(QString::fromUtf8(que)));
    }

    static QStringList Prompts()
    {
        QStringList prompts;
        for (const ft::Message& message : ft::Messages())
            prompts << message.Prompt;
        return prompts;
    }

    FullDisk disk_;
    ft::Seam seam_;
    QTemporaryDir folder_;
    QString path_;
};

TEST_F(UserActionTest, ASaveOnAFullDiskShowsOneMessageAndKeepsWhatWasTyped)
{
    Notas& f = Abierto();
    ASSERT_TRUE(ft::Type(f.T_Texto, "primera nota"));
    disk_.Fill();
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    disk_.Free();

    ASSERT_EQ(ft::Messages().size(), 1u);
    const ft::Message& shown = ft::Messages()[0];
    EXPECT_EQ(shown.Buttons, forms::vbCritical);
    for (const QString& named : {QStringLiteral("el disco está lleno"), path_,
                                 QStringLiteral("INSERT INTO NOTAS (TEXTO) VALUES ('primera nota')"),
                                 QStringLiteral("No se ha guardado nada de esta operación.")})
        EXPECT_TRUE(shown.Prompt.contains(named)) << shown.Prompt.toStdString();
    EXPECT_FALSE(shown.Prompt.contains("SELECT")) << shown.Prompt.toStdString();
    EXPECT_TRUE(f.Loaded());
    EXPECT_EQ(f.T_Texto.Text(), "primera nota");
    EXPECT_EQ(Filas("SELECT TEXTO FROM NOTAS"), QStringList());
    EXPECT_EQ(f.Data.Recordset().RecordCount(), 0);

    ASSERT_TRUE(ft::Click(f.B_Guardar));
    EXPECT_EQ(Filas("SELECT TEXTO FROM NOTAS"), QStringList{"primera nota"});
    EXPECT_EQ(Filas("SELECT QUE FROM REGISTRO"), QStringList{"guardada"});
    EXPECT_EQ(f.T_Texto.Text(), "");
    EXPECT_EQ(ft::Messages().size(), 1u);
}

TEST_F(UserActionTest, AnActionWhoseLastStatementFailsLeavesNothingWritten)
{
    RegistroRechaza("guardada");
    Notas& f = Abierto();
    ASSERT_TRUE(ft::Type(f.T_Texto, "nota"));
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    ASSERT_EQ(Prompts().size(), 1);
    EXPECT_TRUE(Prompts()[0].contains("registro rechazado")) << Prompts()[0].toStdString();
    EXPECT_TRUE(Prompts()[0].contains("INSERT INTO REGISTRO (QUE) VALUES ('guardada')")) << Prompts()[0].toStdString();
    EXPECT_EQ(Filas("SELECT TEXTO FROM NOTAS"), QStringList());
    EXPECT_EQ(f.Data.Recordset().RecordCount(), 0) << "the data control still lists the undone note";
    EXPECT_EQ(f.T_Texto.Text(), "nota");
}

TEST_F(UserActionTest, AFailingHandlerRaisedByAnotherSpoilsTheWholeActionAndIsShownOnce)
{
    RegistroRechaza("cambio");
    Notas& f = Abierto();
    ASSERT_TRUE(ft::Click(f.B_Encadenar));
    ASSERT_EQ(Prompts().size(), 1);
    EXPECT_TRUE(Prompts()[0].contains("registro rechazado")) << Prompts()[0].toStdString();
    EXPECT_EQ(Filas("SELECT QUE FROM REGISTRO"), QStringList());
    EXPECT_EQ(ft::Errors().size(), 1u);
}

// A question splits the action: what came before is written before the user
// reads it, so that no other program waits on this one meanwhile.
TEST_F(UserActionTest, NothingStaysLockedWhileTheUserAnswers)
{
    RegistroRechaza("después");
    Notas& f = Abierto();
    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(f.B_Preguntar));
    EXPECT_EQ(f.respuesta, forms::vbYes);
    EXPECT_EQ(Filas("SELECT QUE FROM REGISTRO"), QStringList{"antes"});
    ASSERT_EQ(Prompts().size(), 2);
    EXPECT_TRUE(Prompts()[1].contains("No se ha guardado lo que esta operación escribió después del último aviso."))
        << Prompts()[1].toStdString();
}

TEST_F(UserActionTest, AModalFormsHandlersWriteOnTheirOwnWhileNothingIsLocked)
{
    Notas& f = Abierto();
    bool otherCouldWrite = false;
    f.B_Contar.OnClick = [&f] {
        f.Registrar("abre");
        forms::Get<Dialogo>().Show(forms::vbModal);
        f.Registrar("cierra");
        throw jet::Error("falla al cerrar");
    };
    ft::WhenShown<Dialogo>([&](Dialogo&) {
        OtherProgram other(path_);
        otherCouldWrite = other.Run("BEGIN IMMEDIATE") == 0 && other.Run("COMMIT") == 0;
        ft::Click(f.B_Guardar);  // another form's button, as a stand-in for the dialog's own
    });
    ASSERT_TRUE(ft::Click(f.B_Contar));
    EXPECT_TRUE(otherCouldWrite);
    EXPECT_EQ(Filas("SELECT QUE FROM REGISTRO"), (QStringList{"abre", "guardada"}));
}

TEST_F(UserActionTest, AModalFormIsNotOpenedWhenWhatCameBeforeItCannotBeWritten)
{
    Notas& f = Abierto();
    f.B_Contar.OnClick = [this, &f] {
        f.Registrar("abre");
        disk_.Fill();
        forms::Get<Dialogo>().Show(forms::vbModal);
        f.Registrar("nunca");
    };
    Dialogo::cargas = Dialogo::descargas = 0;
    ASSERT_TRUE(ft::Click(f.B_Contar));
    disk_.Free();
    EXPECT_TRUE(ft::ShownModally().empty());
    EXPECT_EQ(Dialogo::cargas, 1);
    EXPECT_EQ(Dialogo::descargas, 1) << "left loaded and hidden";
    ASSERT_EQ(Prompts().size(), 1);
    for (const QString& named : {QStringLiteral("el disco está lleno"),
                                 QStringLiteral("COMMIT, que guardaba:\nINSERT INTO REGISTRO (QUE) VALUES ('abre')")})
        EXPECT_TRUE(Prompts()[0].contains(named)) << Prompts()[0].toStdString();
    EXPECT_EQ(Filas("SELECT QUE FROM REGISTRO"), QStringList());
}

// Another program holds the file while the note is saved: the pointer is
// busy, a window names the file and keeps painting, clicks do nothing, the
// save goes through once the file is free, and the form has the keyboard
// again.
TEST_F(UserActionTest, WhileALockIsWaitedForTheUserSeesWhichFileAndNoHandlerRuns)
{
    Notas& f = Abierto();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.Surface()));
    ASSERT_TRUE(ft::Type(f.T_Texto, "esperada"));
    OtherProgram other(path_);
    ASSERT_EQ(other.Run("BEGIN IMMEDIATE"), 0);

    struct Seen {
        bool busyPointer = false;
        QWidget* window = nullptr;
        QString text;
        int paints = 0;
        bool clickRan = true;
    } seen;
    class PaintCounter : public QObject {
    public:
        explicit PaintCounter(int& paints) : paints_(paints) {}
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints_;
            return false;
        }

    private:
        int& paints_;
    } counter(seen.paints);

    QTimer::singleShot(500, [&] {
        seen.busyPointer = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
        for (QWidget* window : QApplication::topLevelWidgets())
            for (QLabel* label : window->findChildren<QLabel*>())
                if (window->isVisible() && label->text().startsWith("Esperando a que otro programa libere")) {
                    seen.window = window;
                    seen.text = label->text();
                    for (QLabel* each : window->findChildren<QLabel*>())
                        each->installEventFilter(&counter);
                }
        const int before = f.cuentas;
        ft::Click(f.B_Contar);
        seen.clickRan = f.cuentas != before;
    });
    // The seconds shown change from 0 to 1, and are painted again.
    QTimer::singleShot(1600, [&] { other.Run("COMMIT"); });
    ASSERT_TRUE(ft::Click(f.B_Guardar));

    EXPECT_TRUE(seen.busyPointer);
    ASSERT_TRUE(seen.window);
    EXPECT_EQ(seen.text, "Esperando a que otro programa libere Notas.MDB…\n" + folder_.path());
    EXPECT_GT(seen.paints, 0);
    EXPECT_FALSE(seen.clickRan);
    EXPECT_TRUE(QTest::qWaitForWindowActive(f.Surface())) << "the keyboard did not come back to the form";
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    for (QWidget* window : QApplication::topLevelWidgets())
        EXPECT_NE(window, seen.window) << "the waiting window stayed";
    EXPECT_EQ(Filas("SELECT TEXTO FROM NOTAS"), QStringList{"esperada"});
    EXPECT_TRUE(ft::Messages().empty());
}

TEST_F(UserActionTest, ALockHeldPastTheWaitIsShownAndTheSaveCanBeMadeAgainLater)
{
    Notas& f = Abierto();
    ASSERT_TRUE(ft::Type(f.T_Texto, "bloqueada"));
    {
        const ShortLockWait wait(std::chrono::milliseconds(400));
        OtherProgram other(path_);
        ASSERT_EQ(other.Run("BEGIN IMMEDIATE"), 0);
        ASSERT_TRUE(ft::Click(f.B_Guardar));
    }
    ASSERT_EQ(Prompts().size(), 1);
    for (const QString& named :
         {QStringLiteral("otro programa la tiene bloqueada y no la ha liberado en 0,4 segundos"), path_})
        EXPECT_TRUE(Prompts()[0].contains(named)) << Prompts()[0].toStdString();
    EXPECT_EQ(f.T_Texto.Text(), "bloqueada");
    ASSERT_TRUE(ft::Click(f.B_Guardar));
    EXPECT_EQ(Filas("SELECT TEXTO FROM NOTAS"), QStringList{"bloqueada"});
}

// In the program (no seam) a database error shows its text and the program
// goes on; any other untrapped error still ends it.
void ClickAButtonWhoseStatementFailsInTheProgram()
{
    int argc = 1;
    char name[] = "forms_tests";
    char* argv[] = {name, nullptr};
    forms::Application application(argc, argv);
    class Fallo : public forms::Form {
    public:
        Fallo()
        {
            B_Fallo.OnClick = [] { throw jet::Error("No se encuentra la tabla «BLOQUE»."); };
        }
        forms::CommandButton B_Fallo{*this};

    private:
        void Design() override {}
    };
    QTimer::singleShot(100, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            std::fprintf(stderr, "box: %s\n", qPrintable(box->text().split('\n').front()));
        QApplication::activeModalWidget()->close();
    });
    application.Run([] {
        Fallo& form = forms::Get<Fallo>();
        form.Show();
        static_cast<QAbstractButton*>(form.B_Fallo.Widget())->click();
        std::fprintf(stderr, "went on after the error\n");
        form.Unload();
    });
    std::exit(0);
}

TEST(UserActionDeathTest, ADatabaseErrorInTheProgramIsShownAndTheProgramGoesOn)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ClickAButtonWhoseStatementFailsInTheProgram(), ::testing::ExitedWithCode(0),
                "box: No se encuentra la tabla «BLOQUE»\\.(.|\n)*went on after the error");
}

}  // namespace
