#include "forms/Application.h"
#include "forms/CommandButton.h"
#include "forms/Form.h"
#include "forms/Frame.h"
#include "forms/MSFlexGrid.h"
#include "forms/MsgBox.h"
#include "forms/TestSeam.h"
#include "forms/TextBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

namespace ft = forms::test;

namespace {

class Editor : public forms::Form {
public:
    Editor()
    {
        B_Guardar.OnClick = [this] { ++saves; };
        B_Oculto.OnClick = [this] { ++saves; };
        B_Fallo.OnClick = [this] {
            ++saves;
            throw std::runtime_error("No se encuentra la tabla BLOQUES");
        };
    }

    forms::Frame Frame1{*this};
    forms::TextBox T_Nombre{Frame1};
    forms::CommandButton B_Guardar{Frame1};
    forms::CommandButton B_Oculto{*this};
    forms::CommandButton B_Fallo{*this};

    int loads = 0;
    int unloads = 0;
    int saves = 0;

private:
    void Design() override
    {
        Caption("Editor");
        T_Nombre.Text("diseño");
        B_Guardar.Caption("Guardar");
        B_Oculto.Visible(false);
    }
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++unloads; }
    void Form_Resize() override { ++resizes; }

public:
    int resizes = 0;
};

TEST(FormTest, TouchingAFormLoadsItsOneInstanceWithoutShowingIt)
{
    ft::Seam seam;
    Editor& first = forms::Get<Editor>();
    Editor& again = forms::Get<Editor>();
    EXPECT_EQ(&first, &again);
    EXPECT_TRUE(first.Loaded());
    EXPECT_FALSE(first.Visible());
    EXPECT_EQ(first.loads, 1);
    EXPECT_EQ(first.Caption(), "Editor");
}

TEST(FormTest, UnloadKeepsVariablesAndTheNextLoadStartsFromDesign)
{
    ft::Seam seam;
    Editor& form = forms::Get<Editor>();
    form.T_Nombre.Text("escrito");
    form.B_Guardar.Enabled(false);
    form.saves = 5;
    form.Unload();
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.unloads, 1);
    // Touching a control loads the form again, in design state.
    EXPECT_EQ(form.T_Nombre.Text(), "diseño");
    EXPECT_TRUE(form.Loaded());
    EXPECT_TRUE(form.B_Guardar.Enabled());
    EXPECT_EQ(form.loads, 2);
    EXPECT_EQ(form.saves, 5);
}

TEST(FormTest, WhatTheUserCanReach)
{
    ft::Seam seam;
    Editor& form = forms::Get<Editor>();
    form.Show();
    struct Case {
        const char* what;
        std::function<void()> arrange;
        bool clicked;
    };
    const Case cases[] = {
        {"a plain button", [] {}, true},
        {"the button disabled", [&] { form.B_Guardar.Enabled(false); }, false},
        {"its frame disabled", [&] { form.Frame1.Enabled(false); }, false},
        {"its frame hidden", [&] { form.Frame1.Visible(false); }, false},
        {"the form disabled", [&] { form.Enabled(false); }, false},
    };
    for (const Case& c : cases) {
        form.Unload();
        form.Show();
        form.saves = 0;
        c.arrange();
        EXPECT_EQ(ft::Click(form.B_Guardar), c.clicked) << c.what;
        EXPECT_EQ(form.saves, c.clicked ? 1 : 0) << c.what;
    }
}

TEST(FormTest, DisablingAFrameKeepsItsControlsOwnProperty)
{
    ft::Seam seam;
    Editor& form = forms::Get<Editor>();
    form.Frame1.Enabled(false);
    EXPECT_TRUE(form.B_Guardar.Enabled());
    EXPECT_FALSE(form.B_Guardar.Widget()->isEnabled());
    form.Frame1.Enabled(true);
    EXPECT_TRUE(form.B_Guardar.Widget()->isEnabled());
}

TEST(FormTest, AHiddenControlIsCreatedHiddenAndStaysHidden)
{
    ft::Seam seam;
    Editor& form = forms::Get<Editor>();
    EXPECT_FALSE(form.B_Oculto.Visible());
    EXPECT_TRUE(form.B_Guardar.Visible());  // not shown yet, but not hidden
    form.Show();
    EXPECT_FALSE(form.B_Oculto.Widget()->isVisible());
    EXPECT_TRUE(form.B_Guardar.Widget()->isVisible());
    EXPECT_FALSE(ft::Click(form.B_Oculto));
    EXPECT_EQ(form.saves, 0);
}

TEST(FormTest, AnUntrappedErrorEndsTheHandlerAndIsReportedWithItsText)
{
    ft::Seam seam;
    Editor& form = forms::Get<Editor>();
    form.Show();
    EXPECT_TRUE(ft::Click(form.B_Fallo));
    ASSERT_EQ(ft::Errors().size(), 1u);
    EXPECT_EQ(ft::Errors()[0], "No se encuentra la tabla BLOQUES");
    EXPECT_EQ(form.saves, 1);
}

TEST(FormTest, ShowingRaisesResizeAndSoDoesEveryLaterResize)
{
    ft::Seam seam;
    Editor& form = forms::Get<Editor>();
    EXPECT_EQ(form.resizes, 0);
    form.Show();
    EXPECT_GE(form.resizes, 1);
    const int shown = form.resizes;
    form.Width(9000);
    EXPECT_GT(form.resizes, shown);
    EXPECT_EQ(form.Width(), 9000);
}

// In the program (no seam) an untrapped error shows its text and ends the
// program with status 1 once the box is closed; nothing after it runs.
void ClickAFailingButtonInTheProgram()
{
    int argc = 1;
    char name[] = "forms_tests";
    char* argv[] = {name, nullptr};
    forms::Application application(argc, argv);
    QTimer::singleShot(100, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box)
            std::fprintf(stderr, "box: %s\n", qPrintable(box->text()));
        QApplication::activeModalWidget()->close();
    });
    application.Run([] {
        Editor& form = forms::Get<Editor>();
        form.Show();
        static_cast<QAbstractButton*>(form.B_Fallo.Widget())->click();
        std::fprintf(stderr, "went on after the error\n");
        form.Unload();
    });
    std::exit(0);
}

TEST(FormDeathTest, AnUntrappedErrorInTheProgramShowsItsTextAndEndsWithStatusOne)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(ClickAFailingButtonInTheProgram(), ::testing::ExitedWithCode(1),
                "box: No se encuentra la tabla BLOQUES");
}

TEST(FormTest, TheUserClosingTheWindowUnloadsTheForm)
{
    ft::Seam seam;
    Editor& form = forms::Get<Editor>();
    form.Show();
    ft::Close(form);
    EXPECT_FALSE(form.Loaded());
    EXPECT_EQ(form.unloads, 1);
}

// A search dialog shown modally that hands the double-clicked row back.
class Picker : public forms::Form {
public:
    Picker()
    {
        LISTA.OnDblClick = [this] {
            if (LISTA.Rows() == 1)
                return;
            chosen = LISTA.TextMatrix(LISTA.Row(), 1);
            Unload();
        };
    }
    forms::MSFlexGrid LISTA{*this};
    QString chosen;

private:
    void Design() override
    {
        LISTA.Rows(4);
        for (int r = 1; r < 4; ++r)
            LISTA.TextMatrix(r, 1, QString::number(r * 10));
    }
};

class Opener : public forms::Form {
public:
    Opener()
    {
        B_Buscar.OnClick = [this] {
            Picker& picker = forms::Get<Picker>();
            picker.chosen.clear();
            picker.Show(forms::vbModal);
            received = picker.chosen;
            if (forms::MsgBox("Desea eliminar el contrato", forms::vbYesNo + forms::vbQuestion) == forms::vbYes)
                deleted = true;
        };
    }
    forms::CommandButton B_Buscar{*this};
    QString received;
    bool deleted = false;

private:
    void Design() override {}
};

TEST(FormTest, AModalDialogIsDrivenByTheScriptAndReturnsToItsOpener)
{
    ft::Seam seam;
    Opener& opener = forms::Get<Opener>();
    opener.Show();
    ft::WhenShown<Picker>([](Picker& picker) { EXPECT_TRUE(ft::DblClick(picker.LISTA, 2)); });
    ft::AnswerMsgBox(forms::vbYes);
    ASSERT_TRUE(ft::Click(opener.B_Buscar));
    EXPECT_EQ(opener.received, "20");
    EXPECT_TRUE(opener.deleted);
    EXPECT_FALSE(forms::Get<Picker>().Visible());
    ASSERT_EQ(ft::ShownModally().size(), 1u);
    EXPECT_EQ(ft::ShownModally()[0], "(anonymous namespace)::Picker");
    ASSERT_EQ(ft::Messages().size(), 1u);
    EXPECT_EQ(ft::Messages()[0].Prompt, "Desea eliminar el contrato");
    EXPECT_EQ(ft::Messages()[0].Buttons, forms::vbYesNo + forms::vbQuestion);
    EXPECT_TRUE(ft::Errors().empty());
}

TEST(FormTest, WithoutAScriptTheModalFormIsClosedAtOnceAndAQuestionUnansweredIsAnError)
{
    ft::Seam seam;
    Opener& opener = forms::Get<Opener>();
    ASSERT_TRUE(ft::Click(opener.B_Buscar));
    EXPECT_EQ(opener.received, "");
    EXPECT_FALSE(forms::Get<Picker>().Visible());
    EXPECT_FALSE(opener.deleted);
    ASSERT_EQ(ft::Errors().size(), 1u);
    EXPECT_TRUE(ft::Errors()[0].contains("Desea eliminar el contrato"));
}

TEST(FormTest, AnotherFormsEnabledLoadsItHidden)
{
    ft::Seam seam;
    forms::Get<Editor>().Enabled(false);
    Editor& form = forms::Get<Editor>();
    EXPECT_TRUE(form.Loaded());
    EXPECT_FALSE(form.Visible());
    EXPECT_FALSE(form.Enabled());
}

TEST(FormTest, EachTestStartsWithFreshInstances)
{
    {
        ft::Seam seam;
        forms::Get<Editor>().saves = 3;
    }
    ft::Seam seam;
    EXPECT_EQ(forms::Get<Editor>().saves, 0);
}

}  // namespace
