#pragma once

namespace forms::detail {

// Gives the application the font and style the forms were laid out for,
// whatever the desktop's settings: their design sizes in twips assume an
// 8-point sans serif at 96 dpi.
void UseFormsAppearance();

}  // namespace forms::detail
