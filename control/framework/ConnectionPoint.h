#pragma once
// Connection points: the list of sinks advised for one outgoing interface, and the
// container that hands out an object's connection points.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <span>
#include <vector>

#include "Held.h"

namespace framework {

// A connection point lives inside its container object and shares its lifetime.
class ConnectionPoint final : public IConnectionPoint
{
public:
    ConnectionPoint(IConnectionPointContainer& container, const IID& iid) : container_(container), iid_(iid) {}
    virtual ~ConnectionPoint() = default;
    ConnectionPoint(const ConnectionPoint&) = delete;
    ConnectionPoint& operator=(const ConnectionPoint&) = delete;

    STDMETHOD(QueryInterface)(REFIID iid, void** out) override;
    STDMETHOD_(ULONG, AddRef)() override { return container_.AddRef(); }
    STDMETHOD_(ULONG, Release)() override { return container_.Release(); }

    STDMETHOD(GetConnectionInterface)(IID* iid) override;
    STDMETHOD(GetConnectionPointContainer)(IConnectionPointContainer** out) override;
    // The sink is asked for the outgoing interface; that pointer is kept.
    STDMETHOD(Advise)(IUnknown* sink, DWORD* cookie) override;
    STDMETHOD(Unadvise)(DWORD cookie) override;
    STDMETHOD(EnumConnections)(IEnumConnections** out) override;

    const IID& Interface() const { return iid_; }
    // The advised sinks in advise order, held for the caller.
    std::vector<Held<IUnknown>> Sinks() const;

private:
    struct Connection
    {
        Held<IUnknown> sink;
        DWORD cookie;
    };

    IConnectionPointContainer& container_;
    IID iid_;
    std::vector<Connection> connections_;
    DWORD nextCookie_ = 1;
};

// IConnectionPointContainer over the connection points the derived class owns.
class ConnectionPointContainer : public IConnectionPointContainer
{
public:
    STDMETHOD(EnumConnectionPoints)(IEnumConnectionPoints** out) override;
    STDMETHOD(FindConnectionPoint)(REFIID iid, IConnectionPoint** out) override;

protected:
    ConnectionPointContainer() = default;
    virtual ~ConnectionPointContainer() = default;
    // In the order containers enumerate them.
    virtual std::vector<ConnectionPoint*> ConnectionPoints() = 0;
};

}  // namespace framework
