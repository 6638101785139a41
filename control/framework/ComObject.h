#pragma once
// Reference counting, interface tables and aggregation for the COM classes.
#include <windows.h>
#include <unknwn.h>

#include <new>
#include <span>

#include "Held.h"
#include "Module.h"

namespace framework {

// One row of a class's interface table: the identifier and how to reach it from the object.
struct InterfaceEntry
{
    const IID* iid;
    void* (*cast)(void* object);
};

template <class T, class I>
constexpr InterfaceEntry Interface(const IID& iid)
{
    return {&iid, [](void* object) -> void* { return static_cast<I*>(static_cast<T*>(object)); }};
}

// The same for an interface that the class inherits more than once: reached through Path.
template <class T, class Path, class I>
constexpr InterfaceEntry InterfaceThrough(const IID& iid)
{
    return {&iid, [](void* object) -> void* { return static_cast<I*>(static_cast<Path*>(static_cast<T*>(object))); }};
}

// An object's reference count; the object is deleted on its last Release.
class ReferenceCount
{
public:
    ULONG Add() { return static_cast<ULONG>(InterlockedIncrement(&count_)); }
    LONG Drop() { return InterlockedDecrement(&count_); }
    template <class Object>
    ULONG Release(Object* object)
    {
        const LONG left = Drop();
        if (left == 0)
            delete object;
        return static_cast<ULONG>(left);
    }

private:
    LONG count_ = 0;
};

// Base of every COM class T: answers QueryInterface from the table of T::Interfaces()
// (its first entry is also the object's IUnknown identity) and leaves AddRef/Release to
// the wrapper that owns the object (standalone or aggregated).
template <class T>
class ComClass
{
public:
    HRESULT InternalQueryInterface(REFIID iid, void** out)
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        const std::span<const InterfaceEntry> table = T::Interfaces();
        for (const InterfaceEntry& entry : table)
        {
            if (iid == *entry.iid || (iid == IID_IUnknown && &entry == &table.front()))
            {
                *out = entry.cast(static_cast<T*>(this));
                static_cast<IUnknown*>(*out)->AddRef();
                return S_OK;
            }
        }
        return E_NOINTERFACE;
    }

    // Work after construction that may fail; the object is destroyed when it does.
    HRESULT FinalConstruct() { return S_OK; }

protected:
    ComClass() = default;
    virtual ~ComClass() = default;
};

// A standalone object: its own reference count, module lock for its lifetime.
template <class T>
class ComObject final : public T
{
public:
    ComObject() { Module::Instance().Lock(); }
    ~ComObject() override { Module::Instance().Unlock(); }

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override { return this->InternalQueryInterface(iid, out); }
    STDMETHOD_(ULONG, AddRef)() override { return references_.Add(); }
    STDMETHOD_(ULONG, Release)() override { return references_.Release(this); }

    // A new object with no reference yet; null when memory or FinalConstruct fails.
    static HRESULT Create(ComObject** out)
    {
        *out = nullptr;
        auto* object = new (std::nothrow) ComObject;
        if (!object)
            return E_OUTOFMEMORY;
        object->references_.Add();  // keeps FinalConstruct's own AddRef/Release pairs from freeing it
        const HRESULT hr = object->FinalConstruct();
        object->references_.Drop();
        if (FAILED(hr))
        {
            delete object;
            return hr;
        }
        *out = object;
        return S_OK;
    }

private:
    ReferenceCount references_;
};

// T living inside an aggregate: every IUnknown call goes to the outer object.
template <class T>
class ContainedObject final : public T
{
public:
    explicit ContainedObject(IUnknown* outer) : outer_(outer) {}

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override { return outer_->QueryInterface(iid, out); }
    STDMETHOD_(ULONG, AddRef)() override { return outer_->AddRef(); }
    STDMETHOD_(ULONG, Release)() override { return outer_->Release(); }

private:
    IUnknown* outer_;
};

// The inner, non-delegating IUnknown of an aggregated T: the one the outer object holds.
template <class T>
class AggregatedObject final : public IUnknown
{
public:
    explicit AggregatedObject(IUnknown* outer) : contained_(outer) { Module::Instance().Lock(); }
    virtual ~AggregatedObject() { Module::Instance().Unlock(); }

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        if (iid == IID_IUnknown)
        {
            *out = static_cast<IUnknown*>(this);
            AddRef();
            return S_OK;
        }
        return contained_.InternalQueryInterface(iid, out);
    }
    STDMETHOD_(ULONG, AddRef)() override { return references_.Add(); }
    STDMETHOD_(ULONG, Release)() override { return references_.Release(this); }

    HRESULT FinalConstruct() { return contained_.FinalConstruct(); }

private:
    ReferenceCount references_;
    ContainedObject<T> contained_;
};

// The instance creator of an object-map entry: standalone, or aggregated when an outer
// object is given (which then must ask for IUnknown).
template <class T>
HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (outer && iid != IID_IUnknown)
        return CLASS_E_NOAGGREGATION;

    Held<IUnknown> unknown;
    if (outer)
    {
        auto* object = new (std::nothrow) AggregatedObject<T>(outer);
        if (!object)
            return E_OUTOFMEMORY;
        unknown.share(object);
        const HRESULT hr = object->FinalConstruct();
        if (FAILED(hr))
            return hr;
    }
    else
    {
        ComObject<T>* object = nullptr;
        const HRESULT created = ComObject<T>::Create(&object);
        if (FAILED(created))
            return created;
        unknown.share(static_cast<IUnknown*>(T::Interfaces().front().cast(static_cast<T*>(object))));
    }
    return unknown->QueryInterface(iid, out);
}

}  // namespace framework
