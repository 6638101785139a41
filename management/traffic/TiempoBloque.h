// TiempoBloque: an advertising block's length, kept on its BLOQUES row as
// TIEMPO, the whole seconds of the spots placed in it, and TIEMPO_VER, the same
// length made by Tiempo. Every change of a block's length writes both through
// here, on the current row of a recordset over BLOQUES that the caller opened
// with its own statement (TIEMPO and TIEMPO_VER among its columns), so the two
// never disagree.
//
//   jet::Recordset& bloques = D_Lista1.Recordset();   // on the block's row
//   SumarSpot(bloques, 30);                           // a 30-second spot placed
//   QuitarSpot(bloques, 30);                          // and taken out again
#pragma once

#include "jet/Recordset.h"

#include <QString>

// The block's length becomes Segundos; gives its text.
QString PonerTiempo(jet::Recordset& Bloque, double Segundos);
// A spot placed in the block: its seconds added, to none for a block without
// a length. Gives the new text.
QString SumarSpot(jet::Recordset& Bloque, double Segundos);
// A spot taken out of the block. Gives the new text.
QString QuitarSpot(jet::Recordset& Bloque, double Segundos);
// A spot of the block whose length changed from Antes to Despues.
QString CambiarSpot(jet::Recordset& Bloque, double Antes, double Despues);
// TIEMPO_VER written again from TIEMPO.
void RehacerTexto(jet::Recordset& Bloque);
