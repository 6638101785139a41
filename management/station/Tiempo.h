// Tiempo: a length in seconds as the text "hh:mm:ss", the one function every
// form uses for TIEMPO_VER, DURACION_MOSTRAR and DURACION_VER.
//
//   L_Total->setCaption(Tiempo(segundos));   // 90000 -> "25:00:00"
//
// The seconds are rounded half to even (124.5 -> 00:02:04); hours are not
// wrapped at 24; a negative part keeps its sign (-5 -> "00:00:-05"). A value
// beyond a 32-bit whole number throws std::overflow_error.
#pragma once

#include <QString>

QString Tiempo(double Segundos);
