#pragma once

namespace forms::detail {

// Destroys every form instance (their windows first); member variables are lost.
void DestroyAllForms();
// Called after a form unloads: the program ends once none is loaded.
void FormUnloaded();
bool AnyFormLoaded();

}  // namespace forms::detail
