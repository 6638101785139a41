#include "forms/MSFlexGrid.h"

#include "forms/Form.h"
#include "forms/GridView.h"
#include "forms/Twips.h"

#include "jet/DataControl.h"

#include <stdexcept>

namespace forms {

namespace {

// Room around a title in its header cell.
constexpr int titleMarginPixels = 12;

void CheckRow(const GridModel& model, int row)
{
    if (row < 0 || row >= model.Rows())
        throw std::out_of_range("Valor de Row no válido: " + std::to_string(row));
}

void CheckCol(const GridModel& model, int col)
{
    if (col < 0 || col >= model.Cols())
        throw std::out_of_range("Valor de Col no válido: " + std::to_string(col));
}

CellAlignment AlignmentMark(QChar mark)
{
    if (mark == u'<')
        return CellAlignment::Left;
    if (mark == u'>')
        return CellAlignment::Right;
    if (mark == u'^')
        return CellAlignment::Center;
    return CellAlignment::General;
}

}  // namespace

MSFlexGrid::MSFlexGrid(Container& in) : Control(in)
{
}

MSFlexGrid::~MSFlexGrid() = default;

QWidget* MSFlexGrid::CreateWidget(QWidget* parent)
{
    auto* view = new GridView(*this, parent);
    if (data_)
        Follow(*view);
    return view;
}

GridView& MSFlexGrid::View() const
{
    return *static_cast<GridView*>(Widget());
}

void MSFlexGrid::DataSource(jet::DataControl& data)
{
    GridView& view = View();
    if (data_)
        QObject::disconnect(data_, nullptr, &view, nullptr);
    data_ = &data;
    Follow(view);
}

void MSFlexGrid::Follow(GridView& view)
{
    QObject::connect(data_, &jet::DataControl::Refreshed, &view, [this] {
        // An unloaded form's window may still wait for its deletion.
        if (Parent().Loaded())
            Reload();
    });
}

void MSFlexGrid::Reload()
{
    GridView& view = View();
    view.Model().Fill(data_->Recordset().Rows());
    view.formatString.clear();
    view.ResetAfterFill();
}

QString MSFlexGrid::FormatString() const
{
    return View().formatString;
}

void MSFlexGrid::FormatString(const QString& format)
{
    GridView& view = View();
    GridModel& model = view.Model();
    const QStringList sections = format.split(u'|');
    if (sections.size() > model.Cols())
        Cols(int(sections.size()));
    for (int c = 0; c < sections.size(); ++c) {
        const QString& section = sections[c];
        const CellAlignment alignment = section.isEmpty() ? CellAlignment::General : AlignmentMark(section[0]);
        model.SetAlignment(c, alignment);
        const QString title = alignment == CellAlignment::General ? section : section.mid(1);
        model.SetText(0, c, title);
        // Each column is sized to its title, which is why forms pad titles with blanks.
        view.widthsTwips[size_t(c)] = detail::Twips(view.fontMetrics().horizontalAdvance(title) + titleMarginPixels);
        view.ApplyWidth(c);
    }
    view.formatString = format;
}

int MSFlexGrid::ColWidth(int col) const
{
    const GridView& view = View();
    CheckCol(view.Model(), col);
    return view.widthsTwips[size_t(col)];
}

void MSFlexGrid::ColWidth(int col, int twips)
{
    GridView& view = View();
    CheckCol(view.Model(), col);
    view.widthsTwips[size_t(col)] = twips;
    view.ApplyWidth(col);
}

int MSFlexGrid::Rows() const
{
    return View().Model().Rows();
}

void MSFlexGrid::Rows(int rows)
{
    if (rows < 1)
        throw std::out_of_range("Valor de Rows no válido: " + std::to_string(rows));
    GridView& view = View();
    view.Model().Resize(rows, view.Model().Cols());
    view.row = std::min(view.row, rows - 1);
    view.rowSel = std::min(view.rowSel, rows - 1);
    view.ShowSelection();
}

int MSFlexGrid::Cols() const
{
    return View().Model().Cols();
}

void MSFlexGrid::Cols(int cols)
{
    if (cols < 1)
        throw std::out_of_range("Valor de Cols no válido: " + std::to_string(cols));
    GridView& view = View();
    const int before = view.Model().Cols();
    view.Model().Resize(view.Model().Rows(), cols);
    view.widthsTwips.resize(size_t(cols), GridView::defaultWidthTwips);
    for (int c = 0; c < cols; ++c)
        view.ApplyWidth(c);
    view.col = std::min(view.col, cols - 1);
    view.colSel = std::min(view.colSel, cols - 1);
    if (cols > before)
        view.ShowSelection();
}

int MSFlexGrid::Row() const
{
    return View().row;
}

void MSFlexGrid::Row(int row)
{
    GridView& view = View();
    CheckRow(view.Model(), row);
    view.row = view.rowSel = row;
    view.ShowSelection();
}

int MSFlexGrid::Col() const
{
    return View().col;
}

void MSFlexGrid::Col(int col)
{
    GridView& view = View();
    CheckCol(view.Model(), col);
    view.col = view.colSel = col;
    view.ShowSelection();
}

int MSFlexGrid::RowSel() const
{
    return View().rowSel;
}

void MSFlexGrid::RowSel(int row)
{
    GridView& view = View();
    CheckRow(view.Model(), row);
    view.rowSel = row;
    view.ShowSelection();
}

int MSFlexGrid::ColSel() const
{
    return View().colSel;
}

void MSFlexGrid::ColSel(int col)
{
    GridView& view = View();
    CheckCol(view.Model(), col);
    view.colSel = col;
    view.ShowSelection();
}

QString MSFlexGrid::Text() const
{
    const GridView& view = View();
    return TextMatrix(view.row, view.col);
}

QString MSFlexGrid::TextMatrix(int row, int col) const
{
    const GridModel& model = View().Model();
    CheckRow(model, row);
    CheckCol(model, col);
    return model.Text(row, col);
}

void MSFlexGrid::TextMatrix(int row, int col, const QString& text)
{
    GridModel& model = View().Model();
    CheckRow(model, row);
    CheckCol(model, col);
    model.SetText(row, col, text);
}

int MSFlexGrid::MouseRow() const
{
    return View().MouseRow();
}

int MSFlexGrid::MouseCol() const
{
    return View().MouseCol();
}

void MSFlexGrid::RowPosition(int row, int newPosition)
{
    GridModel& model = View().Model();
    CheckRow(model, row);
    CheckRow(model, newPosition);
    if (row == 0 || newPosition == 0)
        throw std::out_of_range("Valor de RowPosition no válido: la fila 0 es fija");
    model.MoveRow(row, newPosition);
}

bool MSFlexGrid::Redraw() const
{
    return View().redraw;
}

void MSFlexGrid::Redraw(bool redraw)
{
    GridView& view = View();
    view.redraw = redraw;
    view.viewport()->setUpdatesEnabled(redraw);
    if (redraw)
        view.viewport()->update();
}

void MSFlexGrid::Drag(int action)
{
    if (action == vbBeginDrag)
        View().BeginDrag();
}

void MSFlexGrid::OLEDropMode(int mode)
{
    View().oleDropMode = mode;
}

}  // namespace forms
