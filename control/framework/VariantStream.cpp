#include "VariantStream.h"

#include <ole2.h>

#include <vector>

#include "Held.h"

namespace framework {

namespace {

// Size of the value of a fixed-size type, 0 for types not written this way.
ULONG FixedSize(VARTYPE type)
{
    switch (type)
    {
    case VT_I1:
    case VT_UI1:
        return 1;
    case VT_I2:
    case VT_UI2:
    case VT_BOOL:
        return 2;
    case VT_I4:
    case VT_UI4:
    case VT_INT:
    case VT_UINT:
    case VT_R4:
    case VT_ERROR:
        return 4;
    case VT_I8:
    case VT_UI8:
    case VT_R8:
    case VT_CY:
    case VT_DATE:
        return 8;
    default:
        return 0;
    }
}

}  // namespace

HRESULT WriteBytes(IStream* stream, const void* data, ULONG size)
{
    ULONG written = 0;
    const HRESULT hr = stream->Write(data, size, &written);
    if (FAILED(hr))
        return hr;
    return written == size ? S_OK : STG_E_CANTSAVE;
}

HRESULT ReadBytes(IStream* stream, void* data, ULONG size)
{
    ULONG read = 0;
    const HRESULT hr = stream->Read(data, size, &read);
    if (FAILED(hr))
        return hr;
    return read == size ? S_OK : STG_E_READFAULT;
}

HRESULT WriteVariant(IStream* stream, const VARIANT& value)
{
    const VARTYPE type = V_VT(&value);
    HRESULT hr = WriteBytes(stream, &type, sizeof type);
    if (FAILED(hr))
        return hr;
    switch (type)
    {
    case VT_EMPTY:
    case VT_NULL:
        return S_OK;
    case VT_BSTR:
    {
        const BSTR text = V_BSTR(&value);
        const ULONG size = text ? SysStringByteLen(text) + sizeof(OLECHAR) : 0;
        hr = WriteBytes(stream, &size, sizeof size);
        if (FAILED(hr) || !size)
            return hr;
        return WriteBytes(stream, text, size);
    }
    case VT_DISPATCH:
    case VT_UNKNOWN:
    {
        if (!V_UNKNOWN(&value))
            return WriteClassStm(stream, CLSID_NULL);
        Held<IPersistStream> persist;
        hr = V_UNKNOWN(&value)->QueryInterface(IID_IPersistStream, persist.outVoid());
        if (FAILED(hr))
            return hr;
        return OleSaveToStream(persist.get(), stream);
    }
    default:
    {
        const ULONG size = FixedSize(type);
        if (!size)
            return DISP_E_BADVARTYPE;
        return WriteBytes(stream, &V_UI1(&value), size);
    }
    }
}

HRESULT ReadVariant(IStream* stream, VARIANT* value)
{
    VariantClear(value);
    VARTYPE type = VT_EMPTY;
    HRESULT hr = ReadBytes(stream, &type, sizeof type);
    if (FAILED(hr))
        return hr;
    switch (type)
    {
    case VT_EMPTY:
    case VT_NULL:
        V_VT(value) = type;
        return S_OK;
    case VT_BSTR:
    {
        ULONG size = 0;
        hr = ReadBytes(stream, &size, sizeof size);
        if (FAILED(hr))
            return hr;
        BSTR text = nullptr;
        if (size)
        {
            if (size % sizeof(OLECHAR) || size > 0x7FFFFFFF)
                return E_FAIL;
            std::vector<OLECHAR> characters(size / sizeof(OLECHAR));
            hr = ReadBytes(stream, characters.data(), size);
            if (FAILED(hr))
                return hr;
            text = SysAllocStringLen(characters.data(), static_cast<UINT>(characters.size() - 1));
            if (!text)
                return E_OUTOFMEMORY;
        }
        V_VT(value) = VT_BSTR;
        V_BSTR(value) = text;
        return S_OK;
    }
    case VT_DISPATCH:
    case VT_UNKNOWN:
    {
        CLSID clsid = CLSID_NULL;
        hr = ReadClassStm(stream, &clsid);
        if (FAILED(hr))
            return hr;
        IUnknown* object = nullptr;
        if (clsid != CLSID_NULL)
        {
            Held<IPersistStream> persist;
            hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IPersistStream, persist.outVoid());
            if (FAILED(hr))
                return hr;
            hr = persist->Load(stream);
            if (SUCCEEDED(hr))
                hr = persist->QueryInterface(type == VT_DISPATCH ? IID_IDispatch : IID_IUnknown,
                                             reinterpret_cast<void**>(&object));
            if (FAILED(hr))
                return hr;
        }
        V_VT(value) = type;
        V_UNKNOWN(value) = object;
        return S_OK;
    }
    default:
    {
        const ULONG size = FixedSize(type);
        if (!size)
            return DISP_E_BADVARTYPE;
        hr = ReadBytes(stream, &V_UI1(value), size);
        if (SUCCEEDED(hr))
            V_VT(value) = type;
        return hr;
    }
    }
}

}  // namespace framework
