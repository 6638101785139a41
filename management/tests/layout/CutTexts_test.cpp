#include "CutTexts.h"

#include "forms/CheckBox.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/Label.h"
#include "forms/MSFlexGrid.h"
#include "forms/TestSeam.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class Sample : public forms::Form {
public:
    forms::Frame Frame1{*this};
    forms::Label Label1{*this};
    forms::CommandButton Command1{*this};
    forms::CheckBox Check1{*this};
    forms::MSFlexGrid Grid1{*this};

private:
    void Design() override
    {
        Width(9000);
        Height(6000);
        Frame1.Move(0, 0, 9000, 600);
        Grid1.Move(0, 3000, 9000, 2000);
    }
};

// Titles column 1 of the sample's grid, sets its width unless 0 and, when
// given, the text of its first cell.
std::function<void(Sample&)> Column(const char* format, int twips = 0, const char* cell = "")
{
    return [=](Sample& f) {
        f.Grid1.FormatString(QString::fromUtf8(format));
        if (twips > 0)
            f.Grid1.ColWidth(1, twips);
        f.Grid1.TextMatrix(1, 1, QString::fromUtf8(cell));
    };
}

// The fit test over every form relies on this finding each kind of cut text.
TEST(CutTexts, FindsEachKindOfTextThatDoesNotFitAndOnlyThose)
{
    struct Case {
        const char* what;
        std::function<void(Sample&)> design;
        const char* cut;  // empty: nothing is cut
    };
    const Case cases[] = {
        {"label wide enough",
         [](Sample& f) {
             f.Label1.Move(0, 900, 1500, 255);
             f.Label1.Caption("Días de emisión");
         },
         ""},
        {"label narrower than a word",
         [](Sample& f) {
             f.Label1.Move(0, 900, 600, 255);
             f.Label1.Caption("Descripción");
         },
         "label \"Descripción\""},
        {"label that wraps below its height",
         [](Sample& f) {
             f.Label1.Move(0, 900, 700, 255);
             f.Label1.Caption("Días de emisión");
         },
         "label (height) \"Días de emisión\""},
        {"label that wraps within its height",
         [](Sample& f) {
             f.Label1.Move(0, 900, 700, 600);
             f.Label1.Caption("Días de emisión");
         },
         ""},
        {"button wide enough",
         [](Sample& f) {
             f.Command1.Move(0, 1300, 2000, 375);
             f.Command1.Caption("Bloques Publicitarios");
         },
         ""},
        {"button too narrow",
         [](Sample& f) {
             f.Command1.Move(0, 1300, 1200, 375);
             f.Command1.Caption("Bloques Publicitarios");
         },
         "button \"Bloques Publicitarios\""},
        {"check box wide enough",
         [](Sample& f) {
             f.Check1.Move(0, 1800, 1300, 255);
             f.Check1.Caption("Domingos");
         },
         ""},
        {"check box too narrow",
         [](Sample& f) {
             f.Check1.Move(0, 1800, 700, 255);
             f.Check1.Caption("Domingos");
         },
         "check box \"Domingos\""},
        {"frame wide enough", [](Sample& f) { f.Frame1.Caption("Añadir/Eliminar día"); }, ""},
        {"frame too narrow",
         [](Sample& f) {
             f.Frame1.Width(900);
             f.Frame1.Caption("Añadir/Eliminar día");
         },
         "frame caption \"Añadir/Eliminar día\""},
        {"heading sized by its format string", Column("|<Días de emisión"), ""},
        {"heading in a narrower column", Column("|<Días de emisión", 1000), "heading \"Días de emisión\""},
        {"heading of a hidden column", Column("|<Días de emisión", 1), ""},
        // Times and lengths in the narrowest columns the forms give them.
        {"time in a 700-twip column", Column("|>Hora", 700, "09:00:00"), ""},
        {"length in an 800-twip column", Column("|>Duración", 800, "00:05:58"), ""},
        {"name in a 700-twip column", Column("|<Nombre", 700, "Panadería Martínez"), "cell \"Panadería Martínez\""},
    };
    for (const Case& c : cases) {
        forms::test::Seam seam;
        Sample& form = forms::Get<Sample>();
        c.design(form);
        form.Show();
        const QStringList cut = CutTexts(*form.Surface());
        if (*c.cut) {
            ASSERT_EQ(cut.size(), 1) << c.what << ": " << cut.join("; ").toStdString();
            EXPECT_TRUE(cut.front().startsWith(QString::fromUtf8(c.cut)))
                << c.what << ": " << cut.front().toStdString();
        } else {
            EXPECT_TRUE(cut.isEmpty()) << c.what << ": " << cut.join("; ").toStdString();
        }
    }
}

}  // namespace
