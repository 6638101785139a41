#pragma once

namespace forms::detail {

// Forms are laid out in twips at 15 twips per pixel.
int Pixels(int twips);
int Twips(int pixels);

}  // namespace forms::detail
