#pragma once
// Holds one reference to a COM interface and gives it up when it goes. The pointer is
// cleared before every release, so a release that comes back to the holder finds it empty.
#include <utility>

namespace framework {

template <class I>
class Held
{
public:
    Held() = default;
    // Takes over the reference the caller holds.
    explicit Held(I* object) : object_(object) {}
    Held(Held&& other) noexcept : object_(other.detach()) {}
    Held& operator=(Held&& other) noexcept
    {
        reset(other.detach());
        return *this;
    }
    ~Held() { reset(); }
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;

    I* get() const { return object_; }
    I* operator->() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

    // For a call that hands out a reference; the one held before is given up first.
    I** out()
    {
        reset();
        return &object_;
    }
    void** outVoid() { return reinterpret_cast<void**>(out()); }

    // Gives up the reference held and takes over object's, as the caller held it.
    void reset(I* object = nullptr)
    {
        I* old = std::exchange(object_, object);
        if (old)
            old->Release();
    }
    // Holds a reference of its own to object (null is allowed) instead of the one held.
    void share(I* object)
    {
        if (object)
            object->AddRef();
        reset(object);
    }
    // Another reference to the object for the caller to release; null when empty.
    I* copy() const
    {
        if (object_)
            object_->AddRef();
        return object_;
    }
    // Hands the reference over to the caller; the holder is left empty.
    I* detach() { return std::exchange(object_, nullptr); }

private:
    I* object_ = nullptr;
};

}  // namespace framework
