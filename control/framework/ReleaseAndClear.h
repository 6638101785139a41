#pragma once
// Gives up a held interface reference; the pointer is cleared before the release, so the
// release may come back to its holder safely.
namespace framework {

template <class I>
void ReleaseAndClear(I*& pointer)
{
    if (pointer)
    {
        I* held = pointer;
        pointer = nullptr;
        held->Release();
    }
}

}  // namespace framework
