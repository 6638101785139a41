#pragma once
// An indexed collection of COM object references; the caller tests index ranges.
#include <windows.h>

#include <vector>

#include "framework/Held.h"

template <class Item>
class CCollection
{
protected:
    CCollection() = default;
    ~CCollection() = default;
    CCollection(const CCollection&) = delete;
    CCollection& operator=(const CCollection&) = delete;

    void Clear() { items_.clear(); }

    std::vector<framework::Held<Item>> items_;
};

template <class Item>
class CVectorCollection : public CCollection<Item>
{
public:
    LONG Count() const { return static_cast<LONG>(this->items_.size()); }
    Item* At(LONG index) const { return this->items_[static_cast<size_t>(index)].get(); }
    // Keeps the reference the caller hands over.
    void Append(Item* item) { this->items_.emplace_back(item); }
    using CCollection<Item>::Clear;
};
