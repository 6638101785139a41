// Qt's own windows speak Spanish like the forms: the open-file dialog and
// the context menu of a text box, whatever language the desktop has.

#include "Keyboard.h"

#include "forms/Form.h"
#include "forms/OpenFileDialog.h"
#include "forms/TestSeam.h"
#include "forms/TextBox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

namespace ft = forms::test;

namespace {

class Textos : public forms::Form {
public:
    forms::TextBox Text1{*this};

private:
    void Design() override
    {
        Width(4000);
        Height(2000);
        Text1.Move(120, 120, 2000, 315);
    }
};

// The window of kind W that has the keyboard, if any.
template <class W>
W* OpenWindow()
{
    QWidget* keyboard = QApplication::activePopupWidget();
    return qobject_cast<W*>(keyboard ? keyboard : QApplication::activeWindow());
}

// What the user does in a window of kind W that a call about to be made
// opens, once it is open.
template <class W>
void WhenOpen(const std::function<void(W&)>& user)
{
    auto* poll = new QTimer(qApp);
    auto waited = std::make_shared<int>(0);
    QObject::connect(poll, &QTimer::timeout, poll, [=] {
        W* open = OpenWindow<W>();
        // Never left waiting on a window that did not come.
        if (!open && ++*waited < 500)
            return;
        poll->stop();
        poll->deleteLater();
        if (!open) {
            ADD_FAILURE() << "the window did not open";
            return;
        }
        user(*open);
    });
    poll->start(10);
}

std::string Joined(const QStringList& texts)
{
    return texts.join(u'|').toStdString();
}

TEST(SpanishTexts, TheProgramFormatsAndNamesInSpanishOfSpain)
{
    ft::Seam seam;
    EXPECT_EQ(QLocale().name(), "es_ES");
    EXPECT_EQ(QLocale().monthName(3), "marzo");
}

class OpenFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        QFile spot(folder_.filePath("spot.wav"));
        ASSERT_TRUE(spot.open(QIODevice::WriteOnly));
        ASSERT_TRUE(QDir(folder_.path()).mkdir("cuñas"));
        Textos& f = forms::Get<Textos>();
        f.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(f.Surface()));
    }

    QTemporaryDir folder_;
    ft::Seam seam_;
};

TEST_F(OpenFileDialogTest, ItsLabelsButtonsColumnsAndToolTipsAreSpanish)
{
    QStringList labels, buttons, columns, tips, kinds;
    QString title;
    WhenOpen<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        for (const QLabel* label : dialog.findChildren<QLabel*>())
            if (label->isVisible() && !label->text().isEmpty())
                labels << label->text();
        for (const QAbstractButton* button : dialog.findChildren<QAbstractButton*>())
            if (button->isVisible() && !button->text().isEmpty() && !qobject_cast<const QToolButton*>(button))
                buttons << button->text();
        for (const QToolButton* button : dialog.findChildren<QToolButton*>())
            if (button->isVisible() && !button->toolTip().isEmpty())
                tips << button->toolTip();
        // The detail view's headings.
        dialog.setViewMode(QFileDialog::Detail);
        const QTreeView* files = dialog.findChild<QTreeView*>("treeView");
        ASSERT_NE(files, nullptr);
        const QAbstractItemModel* model = files->model();
        for (int c = 0; c < model->columnCount(); ++c)
            columns << model->headerData(c, Qt::Horizontal).toString();
        // The folder's rows come as the dialog reads it.
        const QModelIndex shown = files->rootIndex();
        EXPECT_TRUE(QTest::qWaitFor([&] { return model->rowCount(shown) == 2; }));
        for (int r = 0; r < model->rowCount(shown); ++r)
            kinds << model->index(r, 0, shown).data().toString() + " " + model->index(r, 2, shown).data().toString();
        Press(Qt::Key_Escape);
    });
    const std::optional<QString> chosen =
        forms::detail::AskFileToOpen(forms::Get<Textos>().Surface(), "Selecione", folder_.path());
    EXPECT_FALSE(chosen.has_value());
    EXPECT_EQ(title, "Selecione");
    EXPECT_EQ(Joined(labels), "Buscar en:|Nombre:|Tipo:");
    EXPECT_EQ(Joined(buttons), "Abrir|Cancelar");
    EXPECT_EQ(Joined(columns), "Nombre|Tamaño|Tipo|Última modificación");
    // The files' kinds are the system's own descriptions, in Spanish too.
    ASSERT_EQ(kinds.size(), 2);
    EXPECT_EQ(kinds[0].toStdString(), "cuñas Carpeta");
    EXPECT_EQ(Joined(tips), "Atrás|Siguiente|Directorio superior|Crear nueva carpeta|Vista de lista|Vista detallada");
}

TEST_F(OpenFileDialogTest, AFileNameTypedAndReturnChooseTheFile)
{
    WhenOpen<QFileDialog>([](QFileDialog&) {
        QTest::keyClicks(static_cast<QWidget*>(nullptr), "spot.wav");
        Press(Qt::Key_Return);
    });
    const std::optional<QString> chosen =
        forms::detail::AskFileToOpen(forms::Get<Textos>().Surface(), "Selecione", folder_.path());
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(*chosen, QDir::toNativeSeparators(folder_.filePath("spot.wav")));
}

TEST(SpanishTexts, TheContextMenuOfATextBoxIsSpanish)
{
    ft::Seam seam;
    Textos& f = forms::Get<Textos>();
    f.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(f.Surface()));
    f.Text1.Text("Verano");
    f.Text1.SetFocus();
    QStringList items;
    WhenOpen<QMenu>([&](QMenu& menu) {
        for (const QAction* action : menu.actions())
            if (!action->isSeparator())
                items << action->text().section(u'\t', 0, 0);
        Press(Qt::Key_Escape);
    });
    // The menu key, as the window system hands it to the text box.
    QWidget* box = f.Text1.Widget();
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, box->rect().center(),
                              box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &menuKey);
    // The menu opens without waiting for a choice.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !items.isEmpty(); }));
    EXPECT_EQ(Joined(items), "&Deshacer|&Rehacer|Cor&tar|&Copiar|&Pegar|Borrar|Seleccionar todo");
}

}  // namespace
