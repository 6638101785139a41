#include "ConnectionPoint.h"

#include "Enumerator.h"

namespace framework {

ConnectionPoint::~ConnectionPoint()
{
    for (CONNECTDATA& connection : sinks_)
        connection.pUnk->Release();
}

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
    IUnknown* outgoing = nullptr;
    if (FAILED(sink->QueryInterface(iid_, reinterpret_cast<void**>(&outgoing))))
        return CONNECT_E_CANNOTCONNECT;
    sinks_.push_back({outgoing, nextCookie_});
    *cookie = nextCookie_++;
    return S_OK;
}

STDMETHODIMP ConnectionPoint::Unadvise(DWORD cookie)
{
    for (auto connection = sinks_.begin(); connection != sinks_.end(); ++connection)
    {
        if (connection->dwCookie != cookie)
            continue;
        IUnknown* sink = connection->pUnk;
        sinks_.erase(connection);
        sink->Release();
        return S_OK;
    }
    return CONNECT_E_NOCONNECTION;
}

STDMETHODIMP ConnectionPoint::EnumConnections(IEnumConnections** out)
{
    if (!out)
        return E_POINTER;
    using Connections = Enumerator<IEnumConnections, &IID_IEnumConnections, CONNECTDATA, ConnectionItem>;
    return Connections::Create(sinks_, 0, out);
}

std::vector<IUnknown*> ConnectionPoint::Sinks() const
{
    std::vector<IUnknown*> sinks;
    for (const CONNECTDATA& connection : sinks_)
    {
        connection.pUnk->AddRef();
        sinks.push_back(connection.pUnk);
    }
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
