#include "EveryForm.h"
#include "support/StationFixture.h"

#include "music/F_Buscar_Musica.h"
#include "music/F_Musica.h"
#include "programming/F_Programas.h"
#include "traffic/Asignar.h"
#include "traffic/F_BLoques.h"
#include "traffic/F_Buscar_Publicidad.h"
#include "traffic/F_Publicidad.h"
#include "traffic/Periodo.h"

#include "forms/TestSeam.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace ft = forms::test;

namespace {

std::string NameOf(forms::Control& control)
{
    return QAccessible::queryAccessibleInterface(control.Widget())->text(QAccessible::Name).toStdString();
}

// The name of the first label a screen reader finds for the control.
std::string LabelOf(forms::Control& control)
{
    const auto labels = QAccessible::queryAccessibleInterface(control.Widget())->relations(QAccessible::Label);
    return labels.isEmpty() ? std::string() : labels.front().first->text(QAccessible::Name).toStdString();
}

// The names a screen reader gives the grid's columns, from column 0.
std::vector<std::string> ColumnNames(forms::MSFlexGrid& grid)
{
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(grid.Widget())->tableInterface();
    std::vector<std::string> names;
    for (int c = 0; c < table->columnCount(); ++c)
        names.push_back(table->columnDescription(c).toStdString());
    return names;
}

// A text box, combo box or picker of the form, not a part of another widget.
bool IsField(const QWidget& widget)
{
    const QWidget* parent = widget.parentWidget();
    if (qobject_cast<const QAbstractSpinBox*>(parent) || qobject_cast<const QComboBox*>(parent))
        return false;
    return qobject_cast<const QLineEdit*>(&widget) || qobject_cast<const QPlainTextEdit*>(&widget)
           || qobject_cast<const QComboBox*>(&widget) || qobject_cast<const QAbstractSpinBox*>(&widget);
}

// The caption a user reads as the field's: the nearest label on its left,
// on the same line, in the same container, with no other field between.
QString CaptionBeside(const QWidget& field, const QList<QWidget*>& fields)
{
    const QRect at = field.geometry();
    const QLabel* beside = nullptr;
    for (const QLabel* label : field.parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QRect room = label->geometry();
        const bool onTheLeft = room.right() < at.left() && room.top() <= at.bottom() && room.bottom() >= at.top();
        if (label->isVisibleTo(field.window()) && !label->text().isEmpty() && onTheLeft
            && (!beside || room.right() > beside->geometry().right()))
            beside = label;
    }
    if (!beside)
        return {};
    for (const QWidget* other : fields) {
        const QRect between = other->geometry();
        if (other != &field && other->parentWidget() == field.parentWidget()
            && between.left() > beside->geometry().right() && between.right() < at.left()
            && between.top() <= at.bottom() && between.bottom() >= at.top())
            return {};
    }
    return beside->text();
}

class FieldNames : public StationFixture, public ::testing::WithParamInterface<FormEntry> {};

// Whatever order a form declares its labels in, a field is named by the
// caption the user sees beside it.
TEST_P(FieldNames, EveryFieldWithACaptionBesideItIsNamedAndLabelledByThatCaption)
{
    forms::Form& form = GetParam().get();
    form.Show();
    const QWidget& window = *form.Surface();
    QList<QWidget*> fields;
    for (QWidget* widget : window.findChildren<QWidget*>())
        if (widget->window() == &window && widget->isVisibleTo(&window) && IsField(*widget))
            fields << widget;
    for (const QWidget* field : fields) {
        const std::string caption = CaptionBeside(*field, fields).toStdString();
        if (caption.empty())
            continue;
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(field));
        const auto labels = reader->relations(QAccessible::Label);
        EXPECT_EQ(labels.isEmpty() ? std::string() : labels.front().first->text(QAccessible::Name).toStdString(),
                  caption)
            << field->metaObject()->className() << " beside " << caption;
        // Desktops that read a combo box's name as its chosen entry read its label instead.
        if (!qobject_cast<const QComboBox*>(field)) {
            EXPECT_EQ(reader->text(QAccessible::Name).toStdString(), caption)
                << field->metaObject()->className() << " beside " << caption;
        }
    }
    EXPECT_TRUE(ft::Errors().empty()) << ft::Errors().front().toStdString();
}

std::string FormName(const ::testing::TestParamInfo<FormEntry>& form)
{
    return form.param.name;
}

INSTANTIATE_TEST_SUITE_P(EveryForm, FieldNames, ::testing::ValuesIn(EveryForm()), FormName);

// The control of form F, reached through the form's single instance.
template <class F, class C>
std::function<C&()> Of(C F::*control)
{
    return [control]() -> C& { return forms::Get<F>().*control; };
}

class AccessibleNames : public StationFixture {};

TEST_F(AccessibleNames, ControlsWithoutACaptionAreNamedAndLabelledByTheirOwnLabel)
{
    struct Case {
        const char* control;
        std::function<forms::Control&()> get;
        const char* name;
    };
    const Case cases[] = {
        // Inside the frame "Bloques": the frame's caption is not their name.
        {"F_BLoques.T_hora", Of(&F_BLoques::T_hora), "Hora emisión"},
        {"F_BLoques.T_Duracion", Of(&F_BLoques::T_Duracion), "Duracion max."},
        {"F_Programas.T_hora", Of(&F_Programas::T_hora), "Hora emisión"},
        {"F_Programas.T_Realizacion", Of(&F_Programas::T_Realizacion), "Realización"},
        {"Periodo.T_Inicio", Of(&Periodo::T_Inicio), "Del"},
        {"Periodo.T_Final", Of(&Periodo::T_Final), "A"},
        {"F_Musica.T_Año", Of(&F_Musica::T_Año), "Año"},
        {"F_Musica.T_Estilo", Of(&F_Musica::T_Estilo), "Estilo"},
        {"F_Publicidad.T_Orden", Of(&F_Publicidad::T_Orden), "Nº Contrato"},
        {"F_Publicidad.T_Comentario", Of(&F_Publicidad::T_Comentario), "Comentario"},
        {"F_Publicidad.lista3", Of(&F_Publicidad::lista3), "Descripción del bloque"},
        {"F_Buscar_Publicidad.Combo", Of(&F_Buscar_Publicidad::Combo), "Buscar por"},
        // Controls with a caption of their own keep it.
        {"F_BLoques.C_Prioritario", Of(&F_BLoques::C_Prioritario), "Sat"},
        {"F_Publicidad.Command3", Of(&F_Publicidad::Command3), "Periodos de emisión"},
    };
    for (const Case& c : cases) {
        forms::Control& control = c.get();
        // Desktops that read a combo box's name as its chosen entry read its label instead.
        if (!qobject_cast<QComboBox*>(control.Widget())) {
            EXPECT_EQ(NameOf(control), c.name) << c.control;
        }
        // Buttons carry their own caption; grids have no label relation, their name is all a reader gets.
        if (!control.Widget()->inherits("QAbstractButton") && !control.Widget()->inherits("QAbstractItemView")) {
            EXPECT_EQ(LabelOf(control), c.name) << c.control;
        }
    }
    EXPECT_TRUE(ft::Errors().empty()) << ft::Errors().front().toStdString();
}

TEST_F(AccessibleNames, GridsNameTheirColumnsByTheirHeadings)
{
    struct Case {
        const char* grid;
        std::function<forms::MSFlexGrid&()> get;
        std::vector<std::string> columns;
    };
    const Case cases[] = {
        {"F_Publicidad.Lista1", Of(&F_Publicidad::Lista1), {"", "Descripción", "Duración", "", ""}},
        {"F_Publicidad.lista3", Of(&F_Publicidad::lista3), {"", "Nº contrato", "Descripcion", "Tiempo"}},
        {"Asignar.LISTA", Of(&Asignar::LISTA), {"", "A", "Días de emisión"}},
        {"F_BLoques.LISTA", Of(&F_BLoques::LISTA), {"", "NºContrato", "Descripción", "Duración", ""}},
    };
    for (const Case& c : cases) {
        forms::MSFlexGrid& grid = c.get();
        // Headings are set when the form is first sized on screen.
        grid.Parent().Show();
        EXPECT_EQ(ColumnNames(grid), c.columns) << c.grid;
    }
    EXPECT_TRUE(ft::Errors().empty()) << ft::Errors().front().toStdString();
}

}  // namespace
