// Completes the type library that widl writes from SORVANE.idl where widl falls short:
//  - its import of IDispatch, the base of the dual interfaces, names no identifier (and
//    writing it spoils the last byte of the library identifier): both are mended;
//  - it copies IUnknown (with GUID and a structure) into the library for the coclass that
//    names IUnknown, instead of referring to the standard OLE library: every type the IDL
//    does not declare is dropped and IUnknown is imported like IDispatch;
//  - it takes no help strings on enumeration constants: those given in the IDL as
//    [helpstring("...")] Constant = value are added;
//  - the library's help context is written to both header fields that readers take it from.
// Runs on the build machine:  TypeLibraryPatch SORVANE.idl in.tlb out.tlb
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

std::string ReadText(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error(std::string("cannot read ") + path);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int32_t Get(const Bytes& data, size_t at)
{
    if (at + 4 > data.size())
        throw std::runtime_error("type library truncated");
    uint32_t value = 0;
    std::memcpy(&value, &data[at], 4);
    return static_cast<int32_t>(value);
}

void Put(Bytes& data, size_t at, int32_t value)
{
    std::memcpy(&data[at], &value, 4);
}

void Append(Bytes& data, int32_t value)
{
    const size_t at = data.size();
    data.resize(at + 4);
    Put(data, at, value);
}

// The 16 bytes of a GUID written "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", in memory order.
Bytes GuidBytes(const std::string& text)
{
    unsigned a = 0, b = 0, c = 0, d[8] = {};
    if (std::sscanf(text.c_str(), "%8x-%4x-%4x-%2x%2x-%2x%2x%2x%2x%2x%2x", &a, &b, &c, &d[0], &d[1], &d[2], &d[3],
                    &d[4], &d[5], &d[6], &d[7]) != 11)
        throw std::runtime_error("malformed identifier " + text);
    Bytes bytes = {static_cast<unsigned char>(a),       static_cast<unsigned char>(a >> 8),
                   static_cast<unsigned char>(a >> 16), static_cast<unsigned char>(a >> 24),
                   static_cast<unsigned char>(b),       static_cast<unsigned char>(b >> 8),
                   static_cast<unsigned char>(c),       static_cast<unsigned char>(c >> 8)};
    for (unsigned byte : d)
        bytes.push_back(static_cast<unsigned char>(byte));
    return bytes;
}

struct Idl
{
    std::string libraryId;
    std::set<std::string> declaredTypes;  // interfaces, enumerations, coclasses
    std::map<std::string, std::map<std::string, std::string>> enumHelp;  // enum -> constant -> help string
};

Idl ReadIdl(const std::string& text)
{
    Idl idl;
    std::smatch match;
    if (!std::regex_search(text, match, std::regex(R"(uuid\(([0-9A-Fa-f-]{36})\)[^\]]*\]\s*library\s)")))
        throw std::runtime_error("the IDL has no library statement with a uuid");
    idl.libraryId = match[1];
    const std::regex declaration(R"(\b(?:dispinterface|interface|coclass|typedef\s+enum)\s+(\w+)\s*[:{])");
    for (auto d = std::sregex_iterator(text.begin(), text.end(), declaration); d != std::sregex_iterator(); ++d)
        idl.declaredTypes.insert((*d)[1]);
    const std::regex enumBlock(R"(typedef\s+enum\s+(\w+)\s*\{([^}]*)\})");
    const std::regex constant(R"(\[\s*helpstring\(\"([^\"]*)\"\)\s*\]\s*(\w+)\s*=)");
    for (auto e = std::sregex_iterator(text.begin(), text.end(), enumBlock); e != std::sregex_iterator(); ++e)
    {
        const std::string body = (*e)[2];
        for (auto c = std::sregex_iterator(body.begin(), body.end(), constant); c != std::sregex_iterator(); ++c)
            idl.enumHelp[(*e)[1]][(*c)[2]] = (*c)[1];
    }
    return idl;
}

// The parts of an MSFT type library file that are patched.
constexpr int typeInfoSegment = 0, importSegment = 1, referenceSegment = 3, guidSegment = 5, nameSegment = 7,
              stringSegment = 8, typeDescriptionSegment = 9;
constexpr size_t typeInfoSize = 100, guidEntrySize = 24, importEntrySize = 12, referenceEntrySize = 16;
constexpr int32_t enumKind = 0, interfaceKind = 3, dispatchKind = 4, kindMask = 0xF;
constexpr int32_t importByGuid = 0x10000;
constexpr int32_t userDefined = 29;  // VT_USERDEFINED
const char* const dispatchGuid = "00020400-0000-0000-C000-000000000046";
const char* const unknownGuid = "00000000-0000-0000-C000-000000000046";

class TypeLibrary
{
public:
    explicit TypeLibrary(Bytes data) : data_(std::move(data))
    {
        if (Get(data_, 0) != 0x5446534D)
            throw std::runtime_error("not an MSFT type library");
    }

    Bytes& Data() { return data_; }

    int32_t TypeInfoCount() const { return Get(data_, 0x20); }
    size_t TypeInfoOffsets() const { return 0x54 + ((Get(data_, 0x14) & 0x100) ? 4 : 0); }
    size_t Segments() const { return TypeInfoOffsets() + 4 * static_cast<size_t>(TypeInfoCount()); }
    size_t Segment(int index) const { return Segments() + 16 * static_cast<size_t>(index); }
    size_t SegmentStart(int index) const { return static_cast<size_t>(Get(data_, Segment(index))); }
    size_t SegmentLength(int index) const { return static_cast<size_t>(Get(data_, Segment(index) + 4)); }

    // The typeinfo record of index i.
    size_t TypeInfo(int32_t i) const
    {
        return SegmentStart(typeInfoSegment) +
               static_cast<size_t>(Get(data_, TypeInfoOffsets() + 4 * static_cast<size_t>(i)));
    }
    int32_t Kind(size_t typeInfo) const { return Get(data_, typeInfo) & kindMask; }

    std::string Name(int32_t nameOffset) const
    {
        const size_t entry = SegmentStart(nameSegment) + static_cast<size_t>(nameOffset);
        const size_t length = static_cast<size_t>(Get(data_, entry + 8) & 0xFF);
        return std::string(reinterpret_cast<const char*>(&data_[entry + 12]), length);
    }
    std::string TypeName(size_t typeInfo) const { return Name(Get(data_, typeInfo + 0x34)); }

    // Offset in the GUID table of the entry holding the identifier.
    int32_t FindGuid(const std::string& text) const
    {
        const Bytes guid = GuidBytes(text);
        for (size_t at = 0; at + guidEntrySize <= SegmentLength(guidSegment); at += guidEntrySize)
            if (std::equal(guid.begin(), guid.end(),
                           data_.begin() + static_cast<std::ptrdiff_t>(SegmentStart(guidSegment) + at)))
                return static_cast<int32_t>(at);
        throw std::runtime_error("the type library has no entry for " + text);
    }
    size_t GuidEntry(int32_t offset) const { return SegmentStart(guidSegment) + static_cast<size_t>(offset); }

    // Copies segment `index` to the end of the file, grown by `extra` bytes; the old place is left unused.
    size_t MoveSegmentToEnd(int index, const Bytes& extra)
    {
        Bytes moved(data_.begin() + static_cast<std::ptrdiff_t>(SegmentStart(index)),
                    data_.begin() + static_cast<std::ptrdiff_t>(SegmentStart(index) + SegmentLength(index)));
        moved.insert(moved.end(), extra.begin(), extra.end());
        Pad(data_);
        const size_t at = data_.size();
        data_.insert(data_.end(), moved.begin(), moved.end());
        Put(data_, Segment(index), static_cast<int32_t>(at));
        Put(data_, Segment(index) + 4, static_cast<int32_t>(moved.size()));
        return at;
    }

    static void Pad(Bytes& bytes)
    {
        while (bytes.size() % 4)
            bytes.push_back(0);
    }

private:
    Bytes data_;
};

void WriteLibraryIdentifier(TypeLibrary& library, const Idl& idl)
{
    const Bytes libraryId = GuidBytes(idl.libraryId);
    const size_t entry = library.GuidEntry(Get(library.Data(), 0x08));
    std::copy(libraryId.begin(), libraryId.end(), library.Data().begin() + static_cast<std::ptrdiff_t>(entry));
}

void MendDispatchImport(TypeLibrary& library)
{
    Bytes& data = library.Data();
    for (size_t at = 0; at < library.SegmentLength(importSegment); at += importEntrySize)
    {
        const size_t entry = library.SegmentStart(importSegment) + at;
        if ((Get(data, entry) & importByGuid) && Get(data, entry + 8) == -1)
        {
            if ((Get(data, 0x4C) & ~3) != static_cast<int32_t>(at))
                throw std::runtime_error("an import without identifier that is not IDispatch");
            Put(data, entry + 8, library.FindGuid(dispatchGuid));
        }
    }
}

// Drops the typeinfos the IDL does not declare, moving the others together; references to
// the dropped IUnknown go to a new import of the standard one.
void DropUndeclaredTypes(TypeLibrary& library, const Idl& idl)
{
    Bytes& data = library.Data();
    const int32_t count = library.TypeInfoCount();
    constexpr int32_t unknownMark = -2;
    std::map<int32_t, int32_t> moved;  // old typeinfo offset -> new one; -1 dropped, unknownMark the dropped IUnknown
    std::vector<Bytes> kept;
    bool droppedUnknown = false;
    for (int32_t i = 0; i < count; ++i)
    {
        const size_t record = library.TypeInfo(i);
        const auto old = static_cast<int32_t>(record - library.SegmentStart(typeInfoSegment));
        const std::string name = library.TypeName(record);
        if (idl.declaredTypes.count(name))
        {
            moved[old] = static_cast<int32_t>(kept.size() * typeInfoSize);
            kept.emplace_back(data.begin() + static_cast<std::ptrdiff_t>(record),
                              data.begin() + static_cast<std::ptrdiff_t>(record + typeInfoSize));
            continue;
        }
        moved[old] = name == "IUnknown" ? unknownMark : -1;
        droppedUnknown = droppedUnknown || name == "IUnknown";
    }
    if (kept.size() == static_cast<size_t>(count))
        return;

    int32_t unknownReference = -1;
    if (droppedUnknown)
    {
        // A new import entry, like that of IDispatch, for IUnknown by its identifier.
        const size_t dispatchImport = library.SegmentStart(importSegment) + static_cast<size_t>(Get(data, 0x4C) & ~3);
        const int32_t unknownGuidEntry = library.FindGuid(unknownGuid);
        const auto importCount = static_cast<int32_t>(library.SegmentLength(importSegment) / importEntrySize);
        Bytes entry(importEntrySize);
        Put(entry, 0, (Get(data, dispatchImport) & ~0xFFFF) | importCount);
        Put(entry, 4, Get(data, dispatchImport + 4));
        Put(entry, 8, unknownGuidEntry);
        library.MoveSegmentToEnd(importSegment, entry);
        Put(data, 0x50, importCount + 1);
        unknownReference = importCount * static_cast<int32_t>(importEntrySize) | 1;
        Put(data, library.GuidEntry(unknownGuidEntry) + 16, unknownReference);
    }
    // A reference to a local typeinfo is its (even) offset; imports are odd.
    auto remap = [&](size_t at) {
        const int32_t reference = Get(data, at);
        if (reference < 0 || (reference & 1))
            return;
        const auto found = moved.find(reference);
        if (found == moved.end())
            return;
        Put(data, at, found->second == unknownMark ? unknownReference : found->second);
    };

    const size_t table = library.SegmentStart(typeInfoSegment);
    for (size_t i = 0; i < kept.size(); ++i)
    {
        std::copy(kept[i].begin(), kept[i].end(), data.begin() + static_cast<std::ptrdiff_t>(table + i * typeInfoSize));
        const size_t record = table + i * typeInfoSize;
        const int32_t kind = library.Kind(record);
        if (kind == interfaceKind || kind == dispatchKind)
            remap(record + 0x54);  // the base interface
    }
    for (size_t at = 0; at + guidEntrySize <= library.SegmentLength(guidSegment); at += guidEntrySize)
        remap(library.SegmentStart(guidSegment) + at + 16);
    for (size_t at = 0; at + referenceEntrySize <= library.SegmentLength(referenceSegment); at += referenceEntrySize)
        remap(library.SegmentStart(referenceSegment) + at);
    for (size_t at = 0; at + 8 <= library.SegmentLength(typeDescriptionSegment); at += 8)
    {
        const size_t entry = library.SegmentStart(typeDescriptionSegment) + at;
        if ((Get(data, entry) & 0xFFFF) == userDefined)
            remap(entry + 4);
    }
    for (size_t at = 0; at < library.SegmentLength(nameSegment);)
    {
        const size_t entry = library.SegmentStart(nameSegment) + at;
        remap(entry);
        at += 12 + ((static_cast<size_t>(Get(data, entry + 8) & 0xFF) + 3) & ~size_t(3));
    }

    // The typeinfo offsets shrink to the kept ones, so the segment directory moves up.
    const size_t oldSegments = library.Segments();
    Bytes directory(data.begin() + static_cast<std::ptrdiff_t>(oldSegments),
                    data.begin() + static_cast<std::ptrdiff_t>(oldSegments + 15 * 16));
    Put(data, 0x20, static_cast<int32_t>(kept.size()));
    for (size_t i = 0; i < kept.size(); ++i)
        Put(data, library.TypeInfoOffsets() + 4 * i, static_cast<int32_t>(i * typeInfoSize));
    std::copy(directory.begin(), directory.end(), data.begin() + static_cast<std::ptrdiff_t>(library.Segments()));
    Put(data, library.Segment(typeInfoSegment) + 4, static_cast<int32_t>(kept.size() * typeInfoSize));
}

// Appends help strings to a copy of the string table; answers each one's offset in it.
class StringTable
{
public:
    explicit StringTable(Bytes existing) : table_(std::move(existing)) {}

    int32_t Add(const std::string& text)
    {
        const auto offset = static_cast<int32_t>(table_.size());
        table_.push_back(static_cast<unsigned char>(text.size() & 0xFF));
        table_.push_back(static_cast<unsigned char>(text.size() >> 8));
        table_.insert(table_.end(), text.begin(), text.end());
        while (table_.size() % 4)
            table_.push_back(0x57);
        return offset;
    }

    const Bytes& Data() const { return table_; }

private:
    Bytes table_;
};

// Rewrites the member block of one enumeration at the end of the file, each constant's
// record carrying its help context (0) and help string.
void AddEnumHelp(TypeLibrary& library, size_t typeInfo, const std::map<std::string, std::string>& help,
                 StringTable& strings)
{
    Bytes& data = library.Data();
    const int32_t memberBlock = Get(data, typeInfo + 4);
    const int32_t count = (Get(data, typeInfo + 0x18) >> 16) & 0xFFFF;
    const size_t records = static_cast<size_t>(memberBlock) + 4;
    const size_t tables =
        records + static_cast<size_t>(Get(data, static_cast<size_t>(memberBlock)));  // ids, names, offsets

    Bytes rewritten;
    std::vector<int32_t> offsets;
    size_t record = records;
    for (int32_t i = 0; i < count; ++i)
    {
        const int32_t info = Get(data, record);
        const size_t length = static_cast<size_t>(info & 0xFFFF);
        const std::string name = library.Name(Get(data, tables + 4 * static_cast<size_t>(count + i)));
        Bytes fields(data.begin() + static_cast<std::ptrdiff_t>(record),
                     data.begin() + static_cast<std::ptrdiff_t>(record + length));
        const auto found = help.find(name);
        if (found != help.end())
        {
            if (fields.size() < 28)
            {
                const size_t old = fields.size();
                fields.resize(28);
                if (old <= 20)
                    Put(fields, 20, 0);  // help context
                Put(fields, 0, (info & ~0xFFFF) | 28);
            }
            Put(fields, 24, strings.Add(found->second));
        }
        offsets.push_back(static_cast<int32_t>(rewritten.size()));
        rewritten.insert(rewritten.end(), fields.begin(), fields.end());
        record += length;
    }

    TypeLibrary::Pad(data);
    const auto newBlock = static_cast<int32_t>(data.size());
    Append(data, static_cast<int32_t>(rewritten.size()));
    data.insert(data.end(), rewritten.begin(), rewritten.end());
    for (int32_t i = 0; i < 2 * count; ++i)  // ids and name offsets as they were
        Append(data, Get(data, tables + 4 * static_cast<size_t>(i)));
    for (int32_t offset : offsets)
        Append(data, offset);
    Put(data, typeInfo + 4, newBlock);
}

void AddEnumHelp(TypeLibrary& library, const Idl& idl)
{
    Bytes& data = library.Data();
    StringTable strings(Bytes(data.begin() + static_cast<std::ptrdiff_t>(library.SegmentStart(stringSegment)),
                              data.begin() + static_cast<std::ptrdiff_t>(library.SegmentStart(stringSegment) +
                                                                         library.SegmentLength(stringSegment))));
    size_t patched = 0;
    for (int32_t i = 0; i < library.TypeInfoCount(); ++i)
    {
        const size_t typeInfo = library.TypeInfo(i);
        if (library.Kind(typeInfo) != enumKind)
            continue;
        const auto help = idl.enumHelp.find(library.TypeName(typeInfo));
        if (help == idl.enumHelp.end())
            continue;
        AddEnumHelp(library, typeInfo, help->second, strings);
        ++patched;
    }
    if (patched != idl.enumHelp.size())
        throw std::runtime_error("an enumeration of the IDL is missing from the type library");
    const Bytes& table = strings.Data();
    const size_t old = library.SegmentLength(stringSegment);
    library.MoveSegmentToEnd(stringSegment, Bytes(table.begin() + static_cast<std::ptrdiff_t>(old), table.end()));
}

void Patch(TypeLibrary& library, const Idl& idl)
{
    WriteLibraryIdentifier(library, idl);
    MendDispatchImport(library);
    DropUndeclaredTypes(library, idl);
    AddEnumHelp(library, idl);
    Put(library.Data(), 0x28, Get(library.Data(), 0x2C));  // help context, read from either field
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::fprintf(stderr, "usage: %s SORVANE.idl in.tlb out.tlb\n", argv[0]);
        return 2;
    }
    try
    {
        const Idl idl = ReadIdl(ReadText(argv[1]));
        const std::string text = ReadText(argv[2]);
        TypeLibrary library(Bytes(text.begin(), text.end()));
        Patch(library, idl);
        const Bytes& data = library.Data();
        std::ofstream out(argv[3], std::ios::binary);
        out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
        if (!out)
            throw std::runtime_error(std::string("cannot write ") + argv[3]);
    }
    catch (const std::exception& error)
    {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
    return 0;
}
