#include "CutTexts.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace {

QString Cut(const char* what, const QString& text, int needs, int has)
{
    return QStringLiteral("%1 \"%2\" needs %3 px, has %4").arg(QLatin1String(what), text).arg(needs).arg(has);
}

void CheckLabel(const QLabel& label, QStringList& cut)
{
    if (label.text().isEmpty())
        return;
    const QRect room = label.contentsRect().adjusted(label.margin(), label.margin(), -label.margin(), -label.margin());
    const int flags = int(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    const QRect used = label.fontMetrics().boundingRect(room, flags, label.text());
    if (used.width() > room.width())
        cut << Cut("label", label.text(), used.width(), room.width());
    else if (used.height() > room.height())
        cut << Cut("label (height)", label.text(), used.height(), room.height());
}

// Push buttons and check boxes draw their text in their style's contents area.
void CheckButton(const QAbstractButton& button, QStyle::SubElement contents, const char* what, QStringList& cut)
{
    if (button.text().isEmpty())
        return;
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    const QRect room = button.style()->subElementRect(contents, &option, &button);
    const int needs = button.fontMetrics().horizontalAdvance(button.text());
    if (needs > room.width())
        cut << Cut(what, button.text(), needs, room.width());
}

void CheckFrame(const QGroupBox& frame, QStringList& cut)
{
    if (frame.title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(&frame);
    option.text = frame.title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label = frame.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, &frame);
    const int needs = frame.fontMetrics().horizontalAdvance(frame.title());
    // The title starts where the style puts it and must end inside the frame.
    const int has = frame.width() - label.left();
    if (needs > has)
        cut << Cut("frame caption", frame.title(), needs, has);
}

void CheckCells(const QTableView& grid, QStringList& cut)
{
    const QAbstractItemModel& model = *grid.model();
    for (int column = 0; column < model.columnCount(); ++column) {
        if (grid.columnWidth(column) < 1)
            continue;
        for (int row = 0; row < model.rowCount(); ++row) {
            const QModelIndex index = model.index(row, column);
            QStyleOptionViewItem option;
            option.initFrom(&grid);
            option.widget = &grid;
            option.rect = grid.visualRect(index);
            option.text = index.data(Qt::DisplayRole).toString();
            option.features = QStyleOptionViewItem::HasDisplay;
            option.displayAlignment = index.data(Qt::TextAlignmentRole).value<Qt::Alignment>();
            if (option.text.isEmpty())
                continue;
            // A cell's text keeps a margin inside the text area on each side.
            const int margin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, &option, &grid) + 1;
            const int room =
                grid.style()->subElementRect(QStyle::SE_ItemViewItemText, &option, &grid).width() - 2 * margin;
            if (grid.fontMetrics().elidedText(option.text, grid.textElideMode(), room) != option.text)
                cut << Cut("cell", option.text, grid.fontMetrics().horizontalAdvance(option.text), room);
        }
    }
}

void CheckHeadings(const QTableView& grid, QStringList& cut)
{
    const QHeaderView& header = *grid.horizontalHeader();
    const QAbstractItemModel& model = *grid.model();
    for (int section = 0; section < header.count(); ++section) {
        const QString text = model.headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
        // A column no wider than a pixel is hidden, and its heading with it.
        if (text.isEmpty() || header.sectionSize(section) < 1)
            continue;
        QStyleOptionHeader option;
        option.initFrom(&header);
        option.rect = QRect(header.sectionViewportPosition(section), 0, header.sectionSize(section), header.height());
        option.section = section;
        option.text = text;
        const QRect room = header.style()->subElementRect(QStyle::SE_HeaderLabel, &option, &header);
        if (header.fontMetrics().elidedText(text, Qt::ElideRight, room.width()) != text)
            cut << Cut("heading", text, header.fontMetrics().horizontalAdvance(text), room.width());
    }
}

}  // namespace

QStringList CutTexts(const QWidget& window)
{
    QStringList cut;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        // Pop-ups such as a picker's calendar are windows of their own.
        if (widget->window() != &window)
            continue;
        if (auto* label = qobject_cast<const QLabel*>(widget))
            CheckLabel(*label, cut);
        else if (auto* button = qobject_cast<const QPushButton*>(widget))
            CheckButton(*button, QStyle::SE_PushButtonContents, "button", cut);
        else if (auto* box = qobject_cast<const QCheckBox*>(widget))
            CheckButton(*box, QStyle::SE_CheckBoxContents, "check box", cut);
        else if (auto* frame = qobject_cast<const QGroupBox*>(widget))
            CheckFrame(*frame, cut);
        else if (auto* grid = qobject_cast<const QTableView*>(widget)) {
            CheckHeadings(*grid, cut);
            CheckCells(*grid, cut);
        }
    }
    return cut;
}
