#include "ConnectionPoint.h"

#include "Enumerator.h"

namespace framework {

STDMETHODIMP ConnectionPoint::QueryInterface(REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IConnectionPoint)
    {
        *out = static_cast<IConnectionPoint*>(this);
        AddRef();
        return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP ConnectionPoint::GetConnectionInterface(IID* iid)
{
    if (!iid)
        return E_POINTER;
    *iid = iid_;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** out)
{
    if (!out)
        return E_POINTER;
    *out = &container_;
    container_.AddRef();
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie)
{
    if (!cookie)
        return E_POINTER;
    *cookie = 0;
    if (!sink)
        return E_POINTER;
    Held<IUnknown> outgoing;
    if (FAILED(sink->QueryInterface(iid_, outgoing.outVoid())))
        return CONNECT_E_CANNOTCONNECT;
    connections_.push_back({std::move(outgoing), nextCookie_});
    *cookie = nextCookie_++;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie)
{
    for (auto connection = connections_.begin(); connection != connections_.end(); ++connection)
    {
        if (connection->cookie != cookie)
            continue;
        // The sink goes once the list is whole again: its release may call back.
        const Held<IUnknown> sink = std::move(connection->sink);
        connections_.erase(connection);
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** out)
{
    if (!out)
        return E_POINTER;
    std::vector<CONNECTDATA> connections;
    for (const Connection& connection : connections_)
        connections.push_back({connection.sink.get(), connection.cookie});
    using Connections = Enumerator<IEnumConnections, &IID_IEnumConnections, CONNECTDATA, ConnectionItem>;
    return Connections::Create(std::move(connections), 0, out);
}

std::vector<Held<IUnknown>> ConnectionPoint::Sinks() const
{
    std::vector<Held<IUnknown>> sinks;
    for (const Connection& connection : connections_)
        sinks.emplace_back(connection.sink.copy());
    return sinks;
}

STDMETHODIMP ConnectionPointContainer::EnumConnectionPoints(IEnumConnectionPoints** out)
{
    if (!out)
        return E_POINTER;
    std::vector<IConnectionPoint*> points;
    for (ConnectionPoint* point : ConnectionPoints())
        points.push_back(point);
    using Points = Enumerator<IEnumConnectionPoints, &IID_IEnumConnectionPoints, IConnectionPoint*, UnknownItem>;
    return Points::Create(points, 0, out);
}

STDMETHODIMP ConnectionPointContainer::FindConnectionPoint(REFIID iid, IConnectionPoint** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    for (ConnectionPoint* point : ConnectionPoints())
    {
        if (point->Interface() == iid)
        {
            point->AddRef();
            *out = point;
            return S_OK;
        }
    }
    return CONNECT_E_NOCONNECTION;
}

}  // namespace framework
