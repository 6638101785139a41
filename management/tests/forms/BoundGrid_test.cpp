// A grid bound to a query over more rows than its recordset keeps, on a file
// in write-ahead-log mode, where rows are read only as they are shown or read
// back: what forms read and see must be what a grid holding every row shows.
#include "forms/Form.h"
#include "forms/MSFlexGrid.h"
#include "forms/TestSeam.h"

#include "jet/DataControl.h"
#include "jet/Engine.h"

#include <QApplication>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace ft = forms::test;

namespace {

constexpr int kSpots = 6000;

// Inserted out of order, so that the table's own order is not the numbers'.
int OrdenInserted(int i)
{
    return i * 4801 % kSpots + 1;
}

QString NameOf(int orden)
{
    return QStringLiteral("cuña %1").arg(orden);
}

class SpotsForm : public forms::Form {
public:
    SpotsForm()
    {
        Grid.OnMouseDown = [this](int, int, float, float) {
            Grid.Tag(QString::number(Grid.MouseRow()));
            Grid.Drag(forms::vbBeginDrag);
        };
        Grid.OnDragDrop = [this](forms::Control&, float, float) {
            if (Grid.MouseRow() > 0)
                Grid.RowPosition(Grid.Tag().toInt(), Grid.MouseRow());
        };
    }

    forms::MSFlexGrid Grid{*this};
    jet::DataControl Data;

private:
    void Design() override
    {
        Width(9000);
        Height(6000);
        Grid.Move(0, 0, 9000, 6000);
        Grid.DataSource(Data);
    }
};

class BoundGridTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder_.isValid());
        path_ = folder_.filePath("spots.mdb");
        jet::Database db = jet::DBEngine().CreateDatabase(path_);
        db.Execute("PRAGMA journal_mode=WAL");
        db.Execute("CREATE TABLE SPOTS (ORDEN INTEGER NOT NULL UNIQUE, NOMBRE TEXT)");
        db.Execute("BEGIN");
        for (int first = 0; first < kSpots; first += 1000) {
            QStringList values;
            for (int i = first; i < first + 1000; ++i)
                values << QStringLiteral("(%1,'%2')").arg(OrdenInserted(i)).arg(NameOf(OrdenInserted(i)));
            db.Execute("INSERT INTO SPOTS (ORDEN,NOMBRE) VALUES " + values.join(','));
        }
        db.Execute("COMMIT");
    }

    SpotsForm& Loaded(const QString& source)
    {
        SpotsForm& form = forms::Get<SpotsForm>();
        form.Data.DatabaseName = path_;
        form.Data.RecordSource = source;
        form.Data.Refresh();
        return form;
    }

    static QTableView& View(forms::MSFlexGrid& grid) { return *static_cast<QTableView*>(grid.Widget()); }

    ft::Seam seam_;
    QTemporaryDir folder_;
    QString path_;
};

TEST_F(BoundGridTest, CellsReadBackAreTheQuerysRowsInItsOrder)
{
    struct Case {
        const char* source;
        int row;
        int col;
        QString text;
    };
    const Case cases[] = {
        {"SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN", 0, 2, "NOMBRE"},
        {"SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN", 1, 1, "1"},
        {"SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN", kSpots, 2, NameOf(kSpots)},
        {"SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN DESC", 1, 2, NameOf(kSpots)},
        {"SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN DESC", 4500, 1, QString::number(kSpots - 4499)},
        {"SELECT NOMBRE FROM SPOTS", kSpots, 1, NameOf(OrdenInserted(kSpots - 1))},
        {"SELECT NOMBRE FROM SPOTS", 2, 1, NameOf(OrdenInserted(1))},
        {"SELECT ORDEN FROM SPOTS WHERE ORDEN > 5990 ORDER BY ORDEN", 10, 1, "6000"},
    };
    for (const Case& c : cases) {
        forms::MSFlexGrid& grid = Loaded(c.source).Grid;
        EXPECT_EQ(grid.TextMatrix(c.row, c.col), c.text) << c.source << " row " << c.row;
    }
    EXPECT_EQ(Loaded("SELECT ORDEN FROM SPOTS WHERE ORDEN > 5990").Grid.Rows(), 11);
    EXPECT_EQ(Loaded("SELECT ORDEN,NOMBRE FROM SPOTS").Grid.Rows(), kSpots + 1);
    EXPECT_EQ(Loaded("SELECT ORDEN,NOMBRE FROM SPOTS WHERE ORDEN < 0").Grid.Rows(), 1);
}

TEST_F(BoundGridTest, EndKeyScrollsToTheLastRowAndShowsIt)
{
    SpotsForm& form = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN");
    form.Show();
    QTableView& view = View(form.Grid);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.window()));
    QTest::keyClick(&view, Qt::Key_End);
    QApplication::processEvents();
    EXPECT_EQ(form.Grid.Row(), kSpots);
    EXPECT_EQ(form.Grid.Text(), QString::number(kSpots));
    const QModelIndex last = view.model()->index(kSpots - 1, 2);
    EXPECT_TRUE(view.viewport()->rect().intersects(view.visualRect(last)));
    EXPECT_EQ(view.model()->data(last).toString(), NameOf(kSpots));
    QTest::keyClick(&view, Qt::Key_Home);
    EXPECT_EQ(form.Grid.Text(), "1");
    EXPECT_TRUE(ft::Errors().empty());
}

TEST_F(BoundGridTest, WritesThroughTheDataControlShowAfterItsRefresh)
{
    SpotsForm& form = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN");
    form.Show();
    jet::Recordset& spots = form.Data.Recordset();
    spots.FindFirst("ORDEN=2");
    spots.Delete();
    spots.FindFirst("ORDEN=5000");
    spots.Edit();
    spots.Fields("NOMBRE") = QStringLiteral("cambiada");
    spots.Update();
    spots.AddNew();
    spots.Fields("ORDEN") = 7000;
    spots.Update();
    QApplication::processEvents();  // the grid is drawn with the rows it was filled with
    EXPECT_EQ(form.Grid.Rows(), kSpots + 1);
    EXPECT_EQ(form.Grid.TextMatrix(2, 1), "2");
    EXPECT_EQ(form.Grid.TextMatrix(5000, 2), NameOf(5000));

    form.Data.Refresh();
    EXPECT_EQ(form.Grid.Rows(), kSpots + 1);
    EXPECT_EQ(form.Grid.TextMatrix(2, 1), "3");
    EXPECT_EQ(form.Grid.TextMatrix(4999, 2), "cambiada");
    EXPECT_EQ(form.Grid.TextMatrix(kSpots, 1), "7000");
    EXPECT_TRUE(ft::Errors().empty());
}

TEST_F(BoundGridTest, ShapingABoundGridKeepsWhatEachRowShows)
{
    struct Case {
        const char* name;
        std::function<void(forms::MSFlexGrid&)> change;
        int rows;
        int cols;
        QStringList firstRows;  // columns 1 and 2 of rows 1 to 4, "" past the last
    };
    const Case cases[] = {
        {"MoveDown",
         [](forms::MSFlexGrid& g) { g.RowPosition(1, 3); },
         kSpots + 1,
         3,
         {"2|cuña 2", "3|cuña 3", "1|cuña 1", "4|cuña 4"}},
        {"WrittenCellMovesWithItsRow",
         [](forms::MSFlexGrid& g) {
             g.TextMatrix(4, 2, "escrita");
             g.RowPosition(4, 1);
         },
         kSpots + 1,
         3,
         {"4|escrita", "1|cuña 1", "2|cuña 2", "3|cuña 3"}},
        {"FewerRowsThenMoreAreEmpty",
         [](forms::MSFlexGrid& g) {
             g.Rows(3);
             g.Rows(5);
         },
         5,
         3,
         {"1|cuña 1", "2|cuña 2", "|", "|"}},
        {"FewerColsThenMoreAreEmpty",
         [](forms::MSFlexGrid& g) {
             g.Cols(2);
             g.Cols(3);
         },
         kSpots + 1,
         3,
         {"1|", "2|", "3|", "4|"}},
        {"MoreColsKeepTheFields",
         [](forms::MSFlexGrid& g) { g.Cols(5); },
         kSpots + 1,
         5,
         {"1|cuña 1", "2|cuña 2", "3|cuña 3", "4|cuña 4"}},
    };
    for (const Case& c : cases) {
        forms::MSFlexGrid& grid = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN").Grid;
        c.change(grid);
        EXPECT_EQ(grid.Rows(), c.rows) << c.name;
        EXPECT_EQ(grid.Cols(), c.cols) << c.name;
        QStringList shown;
        for (int r = 1; r <= 4; ++r)
            shown << (r < grid.Rows() ? grid.TextMatrix(r, 1) + "|" + grid.TextMatrix(r, 2) : QStringLiteral("|"));
        EXPECT_EQ(shown, c.firstRows) << c.name;
        EXPECT_EQ(grid.TextMatrix(0, 1), "ORDEN") << c.name;
    }
}

TEST_F(BoundGridTest, DraggingARowOntoAnotherRenumbersWhatTheGridShows)
{
    SpotsForm& form = Loaded("SELECT ORDEN,NOMBRE FROM SPOTS ORDER BY ORDEN DESC");
    form.Show();
    QTableView& view = View(form.Grid);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view.window()));
    const QPoint from = view.visualRect(view.model()->index(0, 1)).center();
    const QPoint to = view.visualRect(view.model()->index(2, 1)).center();
    QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, from);
    EXPECT_EQ(form.Grid.Tag(), "1");
    for (int step = 1; step <= 4; ++step)
        QTest::mouseMove(view.viewport(), from + (to - from) * step / 4);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, to);
    QStringList shown;
    for (int r = 1; r <= 4; ++r)
        shown << form.Grid.TextMatrix(r, 1);
    EXPECT_EQ(shown, QStringList({"5999", "5998", "6000", "5997"}));
    EXPECT_EQ(form.Grid.TextMatrix(kSpots, 1), "1");
    EXPECT_TRUE(ft::Errors().empty());
}

}  // namespace
