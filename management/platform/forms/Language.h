#pragma once

namespace forms::detail {

// Makes Qt's own texts and formats Spanish, as the program's are, whatever
// the desktop's language: the file dialog, the calendar, the buttons of the
// message boxes and the context menus of the text boxes. Qt's texts come
// from its Spanish translation in Qt's translations folder; without it they
// stay English and a line on standard error says so.
void UseSpanish();

}  // namespace forms::detail
