#include "forms/Appearance.h"

#include <QApplication>
#include <QFont>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTableView>

namespace forms::detail {

namespace {

// 8 points at 96 dpi, in pixels: a twip stays a fifteenth of a pixel on any
// screen, so the font's size may not follow the screen's dpi either.
constexpr int fontPixels = 11;

// One plain style for every desktop: a desktop style adds its own paddings
// and spacings to every control. Grid cells keep their text one pixel from
// the cell's edges, as the design's grids do, so that "hh:mm:ss" shows whole
// in the narrowest time columns.
class FormsStyle : public QProxyStyle {
public:
    FormsStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_FocusFrameHMargin && qobject_cast<const QTableView*>(widget))
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

void UseFormsAppearance()
{
    QApplication::setStyle(new FormsStyle);
    // About as wide, letter for letter, as the sans serif of the design.
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(fontPixels);
    // Letters as wide as the design's at any hinting the desktop asks for.
    font.setHintingPreference(QFont::PreferVerticalHinting);
    // Also replaces the fonts a desktop theme gives single kinds of widgets.
    QApplication::setFont(font);
}

}  // namespace forms::detail
