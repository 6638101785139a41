#include "forms/Form.h"
#include "forms/MSFlexGrid.h"
#include "forms/TestSeam.h"

#include "jet/DataControl.h"
#include "jet/Engine.h"

#include <QApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace ft = forms::test;

namespace {

class GridForm : public forms::Form {
public:
    forms::MSFlexGrid Grid{*this};
    jet::DataControl Data;

private:
    void Design() override { Grid.DataSource(Data); }
};

// A database of one table, filled with the rows a case needs.
class GridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        path_ = folder_.filePath("grid.mdb");
        jet::Database db = jet::DBEngine().CreateDatabase(path_);
        db.Execute("CREATE TABLE SPOTS (ORDEN INTEGER, NOMBRE TEXT, TIEMPO_VER TEXT)");
        db.Execute("INSERT INTO SPOTS VALUES (1, 'uno', '00:00:10')");
        db.Execute("INSERT INTO SPOTS VALUES (2, 'dos', '00:00:20')");
        db.Execute("INSERT INTO SPOTS VALUES (3, 'tres', '00:00:30')");
        db.Execute("INSERT INTO SPOTS VALUES (4, 'cuatro', '00:00:40')");
    }

    GridForm& Loaded(const QString& source)
    {
        GridForm& form = forms::Get<GridForm>();
        form.Data.DatabaseName = path_;
        form.Data.RecordSource = source;
        form.Data.Refresh();
        return form;
    }

    QStringList Column(forms::MSFlexGrid& grid, int col)
    {
        QStringList texts;
        for (int r = 1; r < grid.Rows(); ++r)
            texts << grid.TextMatrix(r, col);
        return texts;
    }

    ft::Seam seam_;
    QTemporaryDir folder_;
    QString path_;
};

TEST_F(GridTest, RefreshShowsFieldsFromColumnOneUnderTheirNames)
{
    forms::MSFlexGrid& grid = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN").Grid;
    EXPECT_EQ(grid.Rows(), 5);
    EXPECT_EQ(grid.Cols(), 3);
    EXPECT_EQ(grid.TextMatrix(0, 1), "ORDEN");
    EXPECT_EQ(grid.TextMatrix(0, 2), "NOMBRE");
    EXPECT_EQ(grid.TextMatrix(1, 0), "");
    EXPECT_EQ(Column(grid, 2), QStringList({"uno", "dos", "tres", "cuatro"}));
    EXPECT_EQ(grid.TextMatrix(4, 1), "4");
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
}

TEST_F(GridTest, QueryWithoutRowsLeavesOnlyTheHeaderRow)
{
    forms::MSFlexGrid& grid = Loaded("SELECT ORDEN FROM SPOTS WHERE ORDEN = -1").Grid;
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(grid.TextMatrix(0, 1), "ORDEN");
}

TEST_F(GridTest, EveryRefreshRereadsRowsAndForgetsHeadersAndWidths)
{
    GridForm& form = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS");
    form.Grid.FormatString("|>Nº|<Cuña");
    form.Grid.ColWidth(2, 3000);
    form.Grid.TextMatrix(1, 2, "cambiado");
    jet::DBEngine().OpenDatabase(path_).Execute("DELETE FROM SPOTS WHERE ORDEN = 1");
    form.Data.Refresh();
    EXPECT_EQ(form.Grid.Rows(), 4);
    EXPECT_EQ(form.Grid.TextMatrix(0, 2), "NOMBRE");
    EXPECT_EQ(form.Grid.TextMatrix(1, 2), "dos");
    EXPECT_NE(form.Grid.ColWidth(2), 3000);
    EXPECT_EQ(form.Grid.FormatString(), "");
}

TEST_F(GridTest, FormatStringSetsHeadersAlignmentAndAtLeastItsColumns)
{
    struct Case {
        const char* format;
        int cols;
        QStringList headers;
    };
    const Case cases[] = {
        {"|<Nombre", 3, {"", "Nombre", "NOMBRE"}},
        {"|>Emisiones    ", 3, {"", "Emisiones    ", "NOMBRE"}},
        {"|<Descripción|<Duración||", 5, {"", "Descripción", "Duración", "", ""}},
        {"|>Nº contrato|<Descripcion|>Tiempo", 4, {"", "Nº contrato", "Descripcion", "Tiempo"}},
        {"Fijo|sin marca", 3, {"Fijo", "sin marca", "NOMBRE"}},
    };
    for (const Case& c : cases) {
        GridForm& form = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS");
        form.Grid.FormatString(QString::fromUtf8(c.format));
        SCOPED_TRACE(c.format);
        EXPECT_EQ(form.Grid.FormatString(), QString::fromUtf8(c.format));
        ASSERT_EQ(form.Grid.Cols(), c.cols);
        for (int col = 0; col < c.cols; ++col)
            EXPECT_EQ(form.Grid.TextMatrix(0, col), c.headers[col]);
        // Cells keep their data; the marks never reach a cell.
        EXPECT_EQ(form.Grid.TextMatrix(1, 1), "1");
    }
}

TEST_F(GridTest, FormatStringSizesEachColumnToItsTitleUntilColWidthSetsIt)
{
    GridForm& form = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS");
    form.Grid.FormatString("|>Nº|<Emisiones         ");
    EXPECT_GT(form.Grid.ColWidth(2), form.Grid.ColWidth(1));
    EXPECT_LT(form.Grid.ColWidth(0), form.Grid.ColWidth(1));
    form.Grid.ColWidth(2, 1300);
    EXPECT_EQ(form.Grid.ColWidth(2), 1300);
}

TEST_F(GridTest, FormatStringMarksAlignTheColumnCells)
{
    GridForm& form = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS");
    forms::MSFlexGrid& grid = form.Grid;
    auto alignment = [&grid](int row, int col) {
        auto* view = static_cast<QAbstractItemView*>(grid.Widget());
        const QVariant value = row == 0 ? view->model()->headerData(col, Qt::Horizontal, Qt::TextAlignmentRole)
                                        : view->model()->index(row - 1, col).data(Qt::TextAlignmentRole);
        return value.value<Qt::Alignment>() & Qt::AlignHorizontal_Mask;
    };
    // Before any mark: numbers right, text left.
    EXPECT_EQ(alignment(1, 1), Qt::AlignRight);
    EXPECT_EQ(alignment(1, 2), Qt::AlignLeft);
    grid.FormatString("|<Nº|>Nombre");
    EXPECT_EQ(alignment(1, 1), Qt::AlignLeft);
    EXPECT_EQ(alignment(1, 2), Qt::AlignRight);
    EXPECT_EQ(alignment(0, 2), Qt::AlignRight);
}

TEST_F(GridTest, ColWidthIsKeptInTwips)
{
    forms::MSFlexGrid& grid = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS").Grid;
    grid.ColWidth(0, 1);
    grid.ColWidth(1, 1000);
    grid.ColWidth(2, 2700);
    EXPECT_EQ(grid.ColWidth(0), 1);
    EXPECT_EQ(grid.ColWidth(1), 1000);
    EXPECT_EQ(grid.ColWidth(2), 2700);
    auto* view = static_cast<QTableView*>(grid.Widget());
    EXPECT_EQ(view->columnWidth(0), 0);  // the fixed column does not show
    EXPECT_EQ(view->columnWidth(2), 180);
}

TEST_F(GridTest, RowPositionMovesOneRowAndShiftsTheRowsBetween)
{
    struct Case {
        int row;
        int position;
        QStringList names;
    };
    const Case cases[] = {
        {1, 3, {"dos", "tres", "uno", "cuatro"}},
        {4, 1, {"cuatro", "uno", "dos", "tres"}},
        {2, 2, {"uno", "dos", "tres", "cuatro"}},
        {3, 4, {"uno", "dos", "cuatro", "tres"}},
    };
    for (const Case& c : cases) {
        forms::MSFlexGrid& grid = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN").Grid;
        grid.Redraw(false);
        grid.RowPosition(c.row, c.position);
        grid.Redraw(true);
        EXPECT_EQ(Column(grid, 2), c.names) << c.row << " to " << c.position;
        EXPECT_EQ(grid.TextMatrix(c.position, 1), QString::number(c.row));
    }
}

TEST_F(GridTest, RowNumbersOutsideTheGridAreErrors)
{
    forms::MSFlexGrid& grid = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS").Grid;
    EXPECT_THROW(grid.TextMatrix(5, 1), std::out_of_range);
    EXPECT_THROW(grid.TextMatrix(1, 3), std::out_of_range);
    EXPECT_THROW(grid.RowPosition(0, 2), std::out_of_range);
    EXPECT_THROW(grid.RowPosition(1, 9), std::out_of_range);
    EXPECT_THROW(grid.Row(-1), std::out_of_range);
}

TEST_F(GridTest, SelectionKeepsRowAndItsFarCorner)
{
    forms::MSFlexGrid& grid = Loaded("SELECT ORDEN,NOMBRE,TIEMPO_VER FROM SPOTS").Grid;
    grid.Row(3);
    grid.RowSel(3);
    grid.ColSel(2);
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.RowSel(), 3);
    EXPECT_EQ(grid.ColSel(), 2);
    EXPECT_EQ(grid.Text(), "3");
}

TEST_F(GridTest, UnboundGridTakesRowsColsAndCells)
{
    forms::MSFlexGrid& grid = forms::Get<GridForm>().Grid;
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 2);
    grid.Cols(8);
    grid.Rows(3);
    grid.TextMatrix(2, 7, "x");
    EXPECT_EQ(grid.TextMatrix(2, 7), "x");
    grid.Rows(1);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.Row(), 0);
}

// The handlers of a grid that reorders its rows by dragging one onto another.
class DragForm : public forms::Form {
public:
    DragForm()
    {
        Grid.OnMouseDown = [this](int, int, float, float) {
            Grid.Tag(QString::number(Grid.MouseRow()));
            Grid.Drag(forms::vbBeginDrag);
        };
        Grid.OnDragDrop = [this](forms::Control& source, float, float) {
            sources.push_back(&source);
            if (Grid.MouseRow() == 0)
                return;
            Grid.RowPosition(Grid.Tag().toInt(), Grid.MouseRow());
        };
        Grid.OnDragOver = [this](forms::Control&, float, float, int state) {
            overs.push_back({state, Grid.MouseRow()});
        };
        Grid.OnOLEDragDrop = [this](const QStringList& files, float, float) {
            dropped = files;
            dropRow = Grid.MouseRow();
        };
        Other.OnDragDrop = [this](forms::Control& source, float, float) {
            sources.push_back(&source);
            otherDropRow = Other.MouseRow();
        };
    }
    forms::MSFlexGrid Grid{*this};
    forms::MSFlexGrid Other{*this};
    jet::DataControl Data;
    std::vector<forms::Control*> sources;
    // DragOver events of Grid: the state, and the row under the pointer.
    std::vector<std::pair<int, int>> overs;
    QStringList dropped;
    int dropRow = -1;
    int otherDropRow = -1;

private:
    void Design() override
    {
        Width(10000);
        Height(5000);
        Other.Move(6500, 0, 3000, 3000);
        Other.Rows(3);
        Grid.DataSource(Data);
        Grid.OLEDropMode(1);
    }
};

TEST_F(GridTest, DraggingARowOntoAnotherMovesItThere)
{
    DragForm& form = forms::Get<DragForm>();
    form.Data.DatabaseName = path_;
    form.Data.RecordSource = "SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN";
    form.Data.Refresh();
    ASSERT_TRUE(ft::MouseDown(form.Grid, 1));
    EXPECT_EQ(form.Grid.Tag(), "1");
    ASSERT_TRUE(ft::DragDrop(form.Grid, form.Grid, 3));
    EXPECT_EQ(Column(form.Grid, 2), QStringList({"dos", "tres", "uno", "cuatro"}));
    ASSERT_TRUE(ft::DragDrop(form.Grid, form.Grid, 0));  // onto the header: nothing
    EXPECT_EQ(Column(form.Grid, 2), QStringList({"dos", "tres", "uno", "cuatro"}));
    ASSERT_EQ(form.sources.size(), 2u);
    EXPECT_EQ(form.sources[0], &form.Grid);
    EXPECT_TRUE(ft::Errors().empty());
}

TEST_F(GridTest, FilesDroppedFromTheFileManagerReachTheGridWithTheirRow)
{
    DragForm& form = forms::Get<DragForm>();
    form.Data.DatabaseName = path_;
    form.Data.RecordSource = "SELECT ORDEN FROM SPOTS";
    form.Data.Refresh();
    ASSERT_TRUE(ft::OLEDragDrop(form.Grid, {"/música/a.mp3", "/música/b.wav"}, 2));
    EXPECT_EQ(form.dropped, QStringList({"/música/a.mp3", "/música/b.wav"}));
    EXPECT_EQ(form.dropRow, 2);
}

// Mouse events as the window system delivers them to the grid's cells.
class GridMouseTest : public GridTest {
protected:
    DragForm& Shown()
    {
        DragForm& form = forms::Get<DragForm>();
        form.Data.DatabaseName = path_;
        form.Data.RecordSource = "SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN";
        form.Data.Refresh();
        form.Grid.Move(0, 0, 6000, 4000);
        form.Show();
        return form;
    }

    static void Send(forms::MSFlexGrid& grid, QEvent::Type type, int row, int col)
    {
        auto* view = static_cast<QTableView*>(grid.Widget());
        const QRect cell = view->visualRect(view->model()->index(row - 1, col));
        const QPointF at = cell.center();
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, view->viewport()->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        QApplication::sendEvent(view->viewport(), &event);
    }
};

TEST_F(GridMouseTest, PressSelectsTheCellAndAPlainClickOfADraggingGridDropsOnItself)
{
    DragForm& form = Shown();
    Send(form.Grid, QEvent::MouseButtonPress, 3, 2);
    EXPECT_EQ(form.Grid.Row(), 3);
    EXPECT_EQ(form.Grid.Col(), 2);
    EXPECT_EQ(form.Grid.Tag(), "3");  // MouseDown ran with MouseRow 3
    Send(form.Grid, QEvent::MouseButtonRelease, 3, 2);
    ASSERT_EQ(form.sources.size(), 1u);
    EXPECT_EQ(form.sources[0], &form.Grid);
    EXPECT_EQ(Column(form.Grid, 2), QStringList({"uno", "dos", "tres", "cuatro"}));
    EXPECT_TRUE(ft::Errors().empty());
}

TEST_F(GridMouseTest, ClickAndDoubleClickOfAGridThatDoesNotDrag)
{
    DragForm& form = Shown();
    form.Grid.OnMouseDown = nullptr;
    int clicks = 0;
    int doubles = 0;
    form.Grid.OnClick = [&clicks] { ++clicks; };
    form.Grid.OnDblClick = [&doubles] { ++doubles; };
    Send(form.Grid, QEvent::MouseButtonPress, 2, 1);
    Send(form.Grid, QEvent::MouseButtonRelease, 2, 1);
    Send(form.Grid, QEvent::MouseButtonDblClick, 2, 1);
    Send(form.Grid, QEvent::MouseButtonRelease, 2, 1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(form.Grid.Row(), 2);
    EXPECT_TRUE(form.sources.empty());
}

TEST_F(GridMouseTest, FilesDroppedOnARowFromOutsideTheProgram)
{
    DragForm& form = Shown();
    auto* view = static_cast<QTableView*>(form.Grid.Widget());
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/música/a.mp3")});
    const QPoint at = view->visualRect(view->model()->index(3, 1)).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(at, Qt::CopyAction, &files, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view->viewport(), &drop);
    EXPECT_EQ(form.dropped, QStringList({"/música/a.mp3"}));
    EXPECT_EQ(form.dropRow, 4);
}

// Points of the grid's viewport where the real pointer goes.
QPoint CellPoint(forms::MSFlexGrid& grid, int row, int col = 1)
{
    auto* view = static_cast<QTableView*>(grid.Widget());
    return view->visualRect(view->model()->index(row - 1, col)).center();
}

QPoint BelowTheRows(forms::MSFlexGrid& grid)
{
    auto* view = static_cast<QTableView*>(grid.Widget());
    const int rows = view->model()->rowCount();
    const int y = rows == 0 ? 0 : view->rowViewportPosition(rows - 1) + view->rowHeight(rows - 1);
    return QPoint(view->columnViewportPosition(1) + 5, y + 5);
}

QWidget* Viewport(forms::MSFlexGrid& grid)
{
    return static_cast<QTableView*>(grid.Widget())->viewport();
}

TEST_F(GridMouseTest, MouseRowFollowsThePointerWithoutAButtonAndKeepsItAcrossTheHeader)
{
    DragForm& form = Shown();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Grid.Widget()->window()));
    // Before the pointer has been over the grid it rests below the rows.
    EXPECT_EQ(form.Grid.MouseRow(), 4);
    EXPECT_EQ(form.Grid.MouseCol(), 0);
    QTest::mouseMove(Viewport(form.Grid), CellPoint(form.Grid, 3, 2));
    EXPECT_EQ(form.Grid.MouseRow(), 3);
    EXPECT_EQ(form.Grid.MouseCol(), 2);
    QTest::mouseMove(Viewport(form.Grid), CellPoint(form.Grid, 2));
    EXPECT_EQ(form.Grid.MouseRow(), 2);
    // On the way up to the form's buttons the pointer crosses the header.
    auto* header = static_cast<QTableView*>(form.Grid.Widget())->horizontalHeader();
    QTest::mouseMove(header->viewport(), QPoint(20, header->height() / 2));
    EXPECT_EQ(form.Grid.MouseRow(), 2);
    QTest::mouseMove(Viewport(form.Grid), BelowTheRows(form.Grid));
    EXPECT_EQ(form.Grid.MouseRow(), 4);
    EXPECT_EQ(form.Grid.Row(), 1);  // moving selects nothing
    EXPECT_TRUE(form.sources.empty());
}

TEST_F(GridMouseTest, BelowTheHeaderOfAnEmptyGridThereIsNoRow)
{
    DragForm& form = Shown();
    form.Data.RecordSource = "SELECT ORDEN FROM SPOTS WHERE ORDEN=0";
    form.Data.Refresh();
    ASSERT_EQ(form.Grid.Rows(), 1);
    EXPECT_EQ(form.Grid.MouseRow(), -1);  // before the pointer came, too
    QTest::mouseMove(Viewport(form.Grid), BelowTheRows(form.Grid));
    EXPECT_EQ(form.Grid.MouseRow(), -1);
    // The seam puts the pointer where a real one can be: row 1 of an empty
    // grid is the area below its header.
    ASSERT_TRUE(ft::OLEDragDrop(form.Grid, {"/música/a.mp3"}, 1));
    EXPECT_EQ(form.dropRow, -1);
    ASSERT_TRUE(ft::OLEDragDrop(form.Grid, {"/música/a.mp3"}, 0));
    EXPECT_EQ(form.dropRow, 0);
}

TEST_F(GridMouseTest, PressMoveAndReleaseDragARowOntoAnother)
{
    DragForm& form = Shown();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Grid.Widget()->window()));
    QWidget* viewport = Viewport(form.Grid);
    const QPoint from = CellPoint(form.Grid, 1, 2);
    const QPoint to = CellPoint(form.Grid, 3, 2);
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(viewport, from + (to - from) * step / 4);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    ASSERT_EQ(form.sources.size(), 1u);
    EXPECT_EQ(form.sources[0], &form.Grid);
    EXPECT_EQ(Column(form.Grid, 2), QStringList({"dos", "tres", "uno", "cuatro"}));
    // DragOver came first on entering, then while moving over the rows.
    ASSERT_GE(form.overs.size(), 2u);
    EXPECT_EQ(form.overs.front().first, 0);
    EXPECT_EQ(form.overs.back(), std::make_pair(2, 3));
    EXPECT_TRUE(ft::Errors().empty());
}

TEST_F(GridMouseTest, ARowDraggedOntoAnotherGridOfTheFormIsDroppedThere)
{
    DragForm& form = Shown();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.Grid.Widget()->window()));
    QWidget* viewport = Viewport(form.Grid);
    const QPoint from = CellPoint(form.Grid, 2);
    const QPoint to = viewport->mapFromGlobal(Viewport(form.Other)->mapToGlobal(CellPoint(form.Other, 2)));
    QTest::mousePress(viewport, Qt::LeftButton, {}, from);
    QTest::mouseMove(viewport, from + QPoint(0, 20));
    QTest::mouseMove(viewport, to);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
    ASSERT_EQ(form.sources.size(), 1u);
    EXPECT_EQ(form.sources[0], &form.Grid);
    EXPECT_EQ(form.otherDropRow, 2);
    // Leaving the grid told it so.
    ASSERT_FALSE(form.overs.empty());
    EXPECT_EQ(form.overs.back().first, 1);
    EXPECT_EQ(Column(form.Grid, 2), QStringList({"uno", "dos", "tres", "cuatro"}));
}

}  // namespace
