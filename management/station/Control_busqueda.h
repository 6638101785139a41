// Control_busqueda: which of its openers a search dialog with two openers
// (contracts, advertisers, songs) hands the picked row to. The opener sets it
// just before showing the dialog, and the dialog reads it when the user
// double-clicks a row; nothing resets it.
//
//   Control_busqueda = 1;
//   forms::Get<F_Buscar_Musica>().Show(forms::vbModal);
//
// Each dialog keeps one receiver per value in use, given by the form that sets
// that value; a value without a receiver hands the row to nobody. It lives
// here, below the subsystems, as all three of them set it.
#pragma once

#include <cstdint>

extern std::int16_t Control_busqueda;
