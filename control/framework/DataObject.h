#pragma once
// IDataObject of a control that renders no data formats: it only keeps the data-advise
// sinks that hear of its changes.
#include <windows.h>
#include <objidl.h>

#include "ControlBase.h"

namespace framework {

class DataObject : public IDataObject
{
public:
    STDMETHOD(GetData)(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    STDMETHOD(GetDataHere)(FORMATETC*, STGMEDIUM*) override { return DV_E_FORMATETC; }
    STDMETHOD(QueryGetData)(FORMATETC*) override { return DV_E_FORMATETC; }
    STDMETHOD(GetCanonicalFormatEtc)(FORMATETC*, FORMATETC* out) override
    {
        if (out)
            out->ptd = nullptr;
        return E_NOTIMPL;
    }
    STDMETHOD(SetData)(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    STDMETHOD(EnumFormatEtc)(DWORD, IEnumFORMATETC** out) override
    {
        if (out)
            *out = nullptr;
        return E_NOTIMPL;
    }
    STDMETHOD(DAdvise)(FORMATETC* format, DWORD flags, IAdviseSink* sink, DWORD* connection) override
    {
        IDataAdviseHolder* holder = Control().DataAdviseHolder();
        return holder ? holder->Advise(this, format, flags, sink, connection) : E_OUTOFMEMORY;
    }
    STDMETHOD(DUnadvise)(DWORD connection) override
    {
        IDataAdviseHolder* holder = Control().DataAdviseHolder();
        return holder ? holder->Unadvise(connection) : OLE_E_NOCONNECTION;
    }
    STDMETHOD(EnumDAdvise)(IEnumSTATDATA** out) override
    {
        IDataAdviseHolder* holder = Control().DataAdviseHolder();
        return holder ? holder->EnumAdvise(out) : E_FAIL;
    }

protected:
    DataObject() = default;
    virtual ~DataObject() = default;
    virtual ControlBase& Control() = 0;
};

}  // namespace framework
