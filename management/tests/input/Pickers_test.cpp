// Times, dates and years typed into the pickers of the forms with the
// keyboard, then used by the form's buttons, all through real events.

#include "UserInput.h"

#include "../music/CatalogoPrueba.h"
#include "../traffic/BloquesFixture.h"

#include "music/F_Musica.h"
#include "programming/F_PLaylist.h"
#include "programming/F_Programacion_Propiedades.h"
#include "programming/F_Programas.h"
#include "programming/F_Rotacion.h"
#include "traffic/Asignar.h"
#include "traffic/F_BLoques.h"
#include "traffic/F_Publicidad.h"
#include "traffic/Periodo.h"

#include <QWidget>

#include <functional>
#include <ostream>

// Readable failures.
inline void PrintTo(const QStringList& texts, std::ostream* os)
{
    *os << "{" << texts.join(", ").toStdString() << "}";
}

inline void PrintTo(const QDateTime& value, std::ostream* os)
{
    *os << value.toString("dd/MM/yyyy hh:mm:ss").toStdString();
}

namespace {

namespace ft = forms::test;

QDateTime Time(int h, int m, int s)
{
    return QDateTime(QDate(1899, 12, 30), QTime(h, m, s));
}

class TypedTimes : public BloquesFixture {};

TEST_F(TypedTimes, ANewBlockTakesTheTimeAndMaximumLengthTypedIntoItsPickers)
{
    struct Case {
        const char* hora;
        const char* duracion;
        const char* guardado;
    };
    const Case cases[] = {
        {"10:00:00", "01:00:00", "10:00:00 01:00:00"},
        {"09:30:00", "00:04:30", "09:30:00 00:04:30"},
        {"23:59:59", "12:00:00", "23:59:59 12:00:00"},
    };
    F_BLoques& f = forms::Get<F_BLoques>();
    ASSERT_TRUE(user::Shown(f));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.hora);
        user::Click(f.B_Añadir);
        // "Añadir" leaves the focus in the time picker: the user types at once.
        ASSERT_TRUE(f.T_hora.Widget()->hasFocus());
        user::Type(c.hora);
        user::ClickInto(f.T_Duracion, 1);
        user::SelectAll();
        user::Type(c.duracion);
        user::Click(f.B_Guardar);
    }
    EXPECT_EQ(Filas("SELECT HORA,DURACION FROM BLOQUES ORDER BY HORA"),
              QStringList({cases[1].guardado, cases[0].guardado, cases[2].guardado}));
    EXPECT_TRUE(Prompts().isEmpty()) << Prompts().join('|').toStdString();
}

TEST_F(TypedTimes, TheTimeTypedOverASelectedTimeReplacesEveryField)
{
    F_BLoques& f = forms::Get<F_BLoques>();
    ASSERT_TRUE(user::Shown(f));
    user::Click(f.B_Añadir);
    user::ClickInto(f.T_hora, 4);
    user::SelectAll();
    user::Type("10:00:00");
    EXPECT_EQ(f.T_hora.Value(), Time(10, 0, 0));
    user::ClickInto(f.T_hora, 0);
    user::Type("1:5:7");
    EXPECT_EQ(f.T_hora.Value(), Time(1, 5, 7));
}

// The form shown, and what the user does before typing into its picker.
template <class F>
F& Reached(const std::function<void(F&)>& before = {})
{
    F& f = forms::Get<F>();
    EXPECT_TRUE(user::Shown(f));
    if (before)
        before(f);
    return f;
}

class EveryPicker : public BloquesFixture {};

TEST_F(EveryPicker, EachPickerAUserCanReachTakesWhatIsTyped)
{
    struct Case {
        const char* picker;
        std::function<forms::DTPicker&()> reach;
        const char* typed;
        QDateTime expected;
    };
    const auto añadir = [](F_BLoques& f) { user::Click(f.B_Añadir); };
    const Case cases[] = {
        {"F_BLoques.T_hora", [&]() -> forms::DTPicker& { return Reached<F_BLoques>(añadir).T_hora; }, "12:34:56",
         Time(12, 34, 56)},
        {"F_BLoques.T_Duracion", [&]() -> forms::DTPicker& { return Reached<F_BLoques>(añadir).T_Duracion; },
         "01:00:00", Time(1, 0, 0)},
        {"F_Programas.T_hora", []() -> forms::DTPicker& { return Reached<F_Programas>().T_hora; }, "21:05:00",
         Time(21, 5, 0)},
        {"F_Programacion_Propiedades.T_Inicio",
         []() -> forms::DTPicker& { return Reached<F_Programacion_Propiedades>().T_Inicio; }, "19:59:30",
         Time(19, 59, 30)},
        {"F_PLaylist.T_hora", []() -> forms::DTPicker& { return Reached<F_PLaylist>().T_hora; }, "06:00:00",
         Time(6, 0, 0)},
        {"F_Rotacion.T_hora", []() -> forms::DTPicker& { return Reached<F_Rotacion>().T_hora; }, "7:8:9",
         Time(7, 8, 9)},
        {"Asignar.DTPicker1", []() -> forms::DTPicker& { return Reached<Asignar>().DTPicker1; }, "14/02/2027",
         QDateTime(QDate(2027, 2, 14), QTime(0, 0))},
        {"Periodo.T_Final", []() -> forms::DTPicker& { return Reached<Periodo>().T_Final; }, "31/12/2026",
         QDateTime(QDate(2026, 12, 31), QTime(0, 0))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picker);
        forms::DTPicker& picker = c.reach();
        user::ClickInto(picker, 0);
        user::SelectAll();
        user::Type(c.typed);
        EXPECT_EQ(picker.Value(), c.expected);
    }
}

class TypedDates : public BloquesFixture {
protected:
    static QStringList Dias(int contrato)
    {
        return Filas(QString("SELECT DIA FROM DIAS WHERE CONTRATO=%1 ORDER BY DIA").arg(contrato));
    }
};

TEST_F(TypedDates, APeriodTypedIntoBothPickersBecomesTheContractsDays)
{
    Guardar({12, "spot.wav", "Verano", "Ana"});
    forms::Get<F_Publicidad>().T_Orden.Text("12");
    Asignar& asignar = forms::Get<Asignar>();
    asignar.L_Contrato.Caption("12");
    ft::WhenShown<Asignar>([](Asignar& a) {
        ft::WhenShown<Periodo>([](Periodo& p) {
            ASSERT_TRUE(user::Shown(p));
            user::ClickInto(p.T_Inicio, 0);
            user::SelectAll();
            user::Type("30/03/2026");
            user::ClickInto(p.T_Final, 0);
            user::Type("2/4/2026");
            user::Click(p.Command1);
        });
        ASSERT_TRUE(user::Shown(a));
        user::Click(a.Command3);
    });
    asignar.Show(forms::vbModal);
    EXPECT_EQ(Dias(12), QStringList({"30/03/2026", "31/03/2026", "01/04/2026", "02/04/2026"}));
}

class TypedYears : public CatalogoPrueba {};

TEST_F(TypedYears, TheYearPickerTakesAFullOrATwoDigitYear)
{
    F_Musica& f = forms::Get<F_Musica>();
    ASSERT_TRUE(user::Shown(f));
    user::Click(f.B_Añadir);
    user::ClickInto(f.T_Año, 0);
    user::SelectAll();
    user::Type("1987");
    EXPECT_EQ(f.T_Año.Value().date().year(), 1987);
    user::ClickInto(f.T_Año, 2);
    user::Type("07");
    user::Click(f.T_Titulo);
    EXPECT_EQ(f.T_Año.Value().date().year(), 2007);
    EXPECT_TRUE(ft::Errors().empty());
}

}  // namespace
