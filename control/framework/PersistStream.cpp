#include "PersistStream.h"

#include "VariantStream.h"

namespace framework {

namespace {

const wchar_t contentsStream[] = L"Contents";

HRESULT GetProperty(IDispatch* dispatch, DISPID id, VARIANT* value)
{
    DISPPARAMS none = {nullptr, nullptr, 0, 0};
    return dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value, nullptr, nullptr);
}

HRESULT PutProperty(IDispatch* dispatch, DISPID id, WORD kind, VARIANT& value)
{
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS parameters = {&value, &named, 1, 1};
    return dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, kind, &parameters, nullptr, nullptr, nullptr);
}

bool IsObjectValue(VARTYPE type)
{
    return type == VT_DISPATCH || type == VT_UNKNOWN || (type & (VT_ARRAY | VT_BYREF));
}

}  // namespace

STDMETHODIMP PersistStreamInit::GetClassID(CLSID* clsid)
{
    if (!clsid)
        return E_POINTER;
    *clsid = ControlClassId();
    return S_OK;
}

STDMETHODIMP PersistStreamInit::GetSizeMax(ULARGE_INTEGER* size)
{
    if (size)
        size->QuadPart = 0;
    return E_NOTIMPL;
}

STDMETHODIMP PersistStreamInit::Save(IStream* stream, BOOL clearDirty)
{
    if (!stream)
        return E_POINTER;
    HRESULT hr = SaveMap(stream);
    if (SUCCEEDED(hr))
        hr = SaveAfterMap(stream);
    if (SUCCEEDED(hr) && clearDirty)
        Control().SetDirty(false);
    return hr;
}

HRESULT PersistStreamInit::SaveMap(IStream* stream)
{
    const DWORD version = formatVersion;
    HRESULT hr = WriteBytes(stream, &version, sizeof version);
    if (FAILED(hr))
        return hr;
    Held<IDispatch> dispatch;
    if (FAILED(QueryInterface(IID_IDispatch, dispatch.outVoid())))
        return E_FAIL;
    for (const PropertyMapEntry& entry : PropertyMap())
    {
        if (entry.kind == PropertyMapEntry::Kind::Raw)
        {
            hr = WriteBytes(stream, &entry.field(Control()), sizeof(LONG));
        }
        else if (entry.kind == PropertyMapEntry::Kind::Property)
        {
            VARIANT value;
            VariantInit(&value);
            hr = GetProperty(dispatch.get(), entry.dispid, &value);
            hr = SUCCEEDED(hr) ? WriteVariant(stream, value) : E_FAIL;
            VariantClear(&value);
        }
        if (FAILED(hr))
            break;
    }
    return hr;
}

STDMETHODIMP PersistStreamInit::Load(IStream* stream)
{
    if (!stream)
        return E_POINTER;
    if (SUCCEEDED(LoadMap(stream)))
    {
        Control().SetDirty(false);
        LoadAfterMap(stream);
    }
    return S_OK;
}

HRESULT PersistStreamInit::LoadMap(IStream* stream)
{
    DWORD version = 0;
    if (FAILED(ReadBytes(stream, &version, sizeof version)) || version > formatVersion)
        return E_FAIL;
    Held<IDispatch> dispatch;
    if (FAILED(QueryInterface(IID_IDispatch, dispatch.outVoid())))
        return E_FAIL;
    HRESULT hr = S_OK;
    for (const PropertyMapEntry& entry : PropertyMap())
    {
        if (entry.kind == PropertyMapEntry::Kind::Raw)
        {
            hr = ReadBytes(stream, &entry.field(Control()), sizeof(LONG));
        }
        else if (entry.kind == PropertyMapEntry::Kind::Property)
        {
            VARIANT value;
            VariantInit(&value);
            hr = ReadVariant(stream, &value);
            if (SUCCEEDED(hr))
            {
                // An object is taken by reference when the property allows it.
                if (IsObjectValue(V_VT(&value)))
                    hr = PutProperty(dispatch.get(), entry.dispid, DISPATCH_PROPERTYPUTREF, value);
                if (!IsObjectValue(V_VT(&value)) || FAILED(hr))
                    hr = PutProperty(dispatch.get(), entry.dispid, DISPATCH_PROPERTYPUT, value);
            }
            VariantClear(&value);
        }
        if (FAILED(hr))
        {
            hr = E_FAIL;
            break;
        }
    }
    return hr;
}

STDMETHODIMP PersistStorage::Load(IStorage* storage)
{
    if (!storage)
        return E_POINTER;
    Held<IStream> stream;
    const HRESULT hr = storage->OpenStream(contentsStream, nullptr, STGM_READ | STGM_SHARE_EXCLUSIVE, 0, stream.out());
    if (FAILED(hr))
        return hr;
    return Stream().Load(stream.get());
}

STDMETHODIMP PersistStorage::Save(IStorage* storage, BOOL)
{
    if (!storage)
        return E_POINTER;
    Held<IStream> stream;
    const HRESULT hr =
        storage->CreateStream(contentsStream, STGM_WRITE | STGM_SHARE_EXCLUSIVE | STGM_CREATE, 0, 0, stream.out());
    if (FAILED(hr))
        return hr;
    return Stream().Save(stream.get(), TRUE);
}

}  // namespace framework
