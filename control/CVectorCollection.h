#pragma once
// An indexed collection of COM object references; the caller tests index ranges.
#include <windows.h>

#include <vector>

template <class Item>
class CCollection
{
protected:
    CCollection() = default;
    ~CCollection() { Clear(); }
    CCollection(const CCollection&) = delete;
    CCollection& operator=(const CCollection&) = delete;

    void Clear()
    {
        for (Item* item : items_)
            item->Release();
        items_.clear();
    }

    std::vector<Item*> items_;
};

template <class Item>
class CVectorCollection : public CCollection<Item>
{
public:
    LONG Count() const { return static_cast<LONG>(this->items_.size()); }
    Item* At(LONG index) const { return this->items_[static_cast<size_t>(index)]; }
    // Keeps the reference the caller hands over.
    void Append(Item* item) { this->items_.push_back(item); }
    using CCollection<Item>::Clear;
};
