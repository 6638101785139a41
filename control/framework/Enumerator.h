#pragma once
// A COM enumerator (IEnumConnections, IEnumConnectionPoints, ...) over its own copy of the items.
#include <windows.h>

#include <span>
#include <utility>
#include <vector>

#include "ComObject.h"

namespace framework {

// How items are held: Copy adds what the copy owns, Destroy gives it up.
struct UnknownItem
{
    template <class Pointer>
    static void Copy(Pointer& item)
    {
        item->AddRef();
    }
    template <class Pointer>
    static void Destroy(Pointer& item)
    {
        item->Release();
    }
};

struct ConnectionItem
{
    static void Copy(CONNECTDATA& item) { item.pUnk->AddRef(); }
    static void Destroy(CONNECTDATA& item) { item.pUnk->Release(); }
};

template <class IEnum, const IID* iid, class Item, class Holding>
class Enumerator : public ComClass<Enumerator<IEnum, iid, Item, Holding>>, public IEnum
{
public:
    static std::span<const InterfaceEntry> Interfaces()
    {
        static constexpr InterfaceEntry table[] = {Interface<Enumerator, IEnum>(*iid)};
        return table;
    }

    // A new enumerator with one reference over copies of the items.
    static HRESULT Create(std::vector<Item> items, size_t position, IEnum** out)
    {
        *out = nullptr;
        ComObject<Enumerator>* object = nullptr;
        const HRESULT hr = ComObject<Enumerator>::Create(&object);
        if (FAILED(hr))
            return hr;
        for (Item& item : items)
            Holding::Copy(item);
        object->items_ = std::move(items);
        object->position_ = position;
        object->AddRef();
        *out = object;
        return S_OK;
    }

    ~Enumerator() override
    {
        for (Item& item : items_)
            Holding::Destroy(item);
    }

    STDMETHOD(Next)(ULONG count, Item* out, ULONG* fetched) override
    {
        if (!out || (count > 1 && !fetched))
            return E_POINTER;
        ULONG given = 0;
        for (; given < count && position_ < items_.size(); ++given, ++position_)
        {
            out[given] = items_[position_];
            Holding::Copy(out[given]);
        }
        if (fetched)
            *fetched = given;
        return given == count ? S_OK : S_FALSE;
    }

    STDMETHOD(Skip)(ULONG count) override
    {
        const size_t left = items_.size() - position_;
        position_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }

    STDMETHOD(Reset)() override
    {
        position_ = 0;
        return S_OK;
    }

    STDMETHOD(Clone)(IEnum** out) override
    {
        if (!out)
            return E_POINTER;
        return Create(items_, position_, out);
    }

private:
    std::vector<Item> items_;
    size_t position_ = 0;
};

}  // namespace framework
