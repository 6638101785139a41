#pragma once
// A VARIANT in a stream: its 16-bit type, then its value (a BSTR as a byte count with the
// terminator, then the text; an object the OLE way, its class id then its own data).
#include <windows.h>
#include <oaidl.h>
#include <objidl.h>

namespace framework {

HRESULT WriteVariant(IStream* stream, const VARIANT& value);
// value is cleared first; an object saved as the null class id reads back as null.
HRESULT ReadVariant(IStream* stream, VARIANT* value);

HRESULT WriteBytes(IStream* stream, const void* data, ULONG size);
HRESULT ReadBytes(IStream* stream, void* data, ULONG size);

}  // namespace framework
