// Starting the sound engine for a form, measuring audio files, and the
// engine's error texts: written once for every form that measures or plays.
//
//   IniciarAudio(*this);                               // last step of Form_Load
//   T_Duracion.Text(Duracion(path, &Segundos_Fichero)); // a form that keeps the seconds
//   T_Duracion.Text(Duracion(path));                    // one that does not
//   Duracion2(path, true);   // 125 500 ms -> 126 (halves to even); false -> 125.5
#pragma once

#include <QString>

namespace forms {
class Form;
}

// Restarts the engine on driver 1 for the form's window; a failure is shown
// in a message box and the form goes on loading.
void IniciarAudio(forms::Form& form);

// The file's length as "hh:mm:ss", and in *Segundos_Fichero the same length
// as whole seconds. A file that cannot be opened shows "Fichero invalido",
// gives an empty text and leaves *Segundos_Fichero as it was.
QString Duracion(const QString& Fichero, double* Segundos_Fichero = nullptr);

// The file's length in seconds, rounded to whole seconds (halves to even)
// when redondear; 0 without a message when the file cannot be opened.
double Duracion2(const QString& Fichero, bool redondear);

// The engine's text for an error code; "Unknown error" for codes it does not have.
QString TextoErrorSonido(int code);
