// Finds the captions, headings, labels, button texts and grid cells of a
// window that do not fit their controls, measured with each control's own
// font the way its style draws it.
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// One line per text that is elided or wider (or, wrapped, taller) than the
// room its control gives it, naming the text and both sizes in pixels.
QStringList CutTexts(const QWidget& window);
