// Completes the type library that widl writes from SORVANE.idl, in two points widl misses:
//  - it writes the library identifier with a wrong last byte: the identifier of the IDL's
//    library statement is written back;
//  - it takes no help strings on enumeration constants: those given in the IDL as
//    [helpstring("...")] Constant = value are added.
// Runs on the build machine:  TypeLibraryPatch SORVANE.idl in.tlb out.tlb
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
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
    Bytes bytes = {static_cast<unsigned char>(a), static_cast<unsigned char>(a >> 8), static_cast<unsigned char>(a >> 16),
                   static_cast<unsigned char>(a >> 24), static_cast<unsigned char>(b), static_cast<unsigned char>(b >> 8),
                   static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8)};
    for (unsigned byte : d)
        bytes.push_back(static_cast<unsigned char>(byte));
    return bytes;
}

struct Idl
{
    std::string libraryId;
    std::map<std::string, std::map<std::string, std::string>> enumHelp;  // enum -> constant -> help string
};

Idl ReadIdl(const std::string& text)
{
    Idl idl;
    std::smatch match;
    if (!std::regex_search(text, match, std::regex(R"(uuid\(([0-9A-Fa-f-]{36})\)[^\]]*\]\s*library\s)")))
        throw std::runtime_error("the IDL has no library statement with a uuid");
    idl.libraryId = match[1];
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

// Offsets of the parts of an MSFT type library that are patched.
struct Layout
{
    size_t typeInfoOffsets = 0;  // table of typeinfo offsets after the header
    int32_t typeInfoCount = 0;
    size_t segments = 0;         // segment directory: 15 entries of offset, length, -1, 0x0F
    size_t Segment(int index) const { return segments + 16 * static_cast<size_t>(index); }
};

constexpr int typeInfoSegment = 0, guidSegment = 5, nameSegment = 7, stringSegment = 8;
constexpr int32_t enumKind = 0;

Layout ReadLayout(const Bytes& data)
{
    if (Get(data, 0) != 0x5446534D)
        throw std::runtime_error("not an MSFT type library");
    Layout layout;
    layout.typeInfoCount = Get(data, 0x20);
    layout.typeInfoOffsets = 0x54 + ((Get(data, 0x14) & 0x100) ? 4 : 0);
    layout.segments = layout.typeInfoOffsets + 4 * static_cast<size_t>(layout.typeInfoCount);
    return layout;
}

std::string Name(const Bytes& data, const Layout& layout, int32_t nameOffset)
{
    const size_t entry = static_cast<size_t>(Get(data, layout.Segment(nameSegment))) + static_cast<size_t>(nameOffset);
    const size_t length = static_cast<size_t>(Get(data, entry + 8) & 0xFF);
    return std::string(reinterpret_cast<const char*>(&data[entry + 12]), length);
}

void Pad(Bytes& data)
{
    while (data.size() % 4)
        data.push_back(0);
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
void AddEnumHelp(Bytes& data, const Layout& layout, size_t typeInfo, const std::map<std::string, std::string>& help,
                 StringTable& strings)
{
    const int32_t memberBlock = Get(data, typeInfo + 4);
    const int32_t count = (Get(data, typeInfo + 0x18) >> 16) & 0xFFFF;
    const size_t records = static_cast<size_t>(memberBlock) + 4;
    const size_t infoLength = static_cast<size_t>(Get(data, static_cast<size_t>(memberBlock)));
    const size_t tables = records + infoLength;  // ids, name offsets, record offsets

    Bytes rewritten;
    std::vector<int32_t> offsets;
    size_t record = records;
    for (int32_t i = 0; i < count; ++i)
    {
        const int32_t info = Get(data, record);
        const size_t length = static_cast<size_t>(info & 0xFFFF);
        const std::string name = Name(data, layout, Get(data, tables + 4 * static_cast<size_t>(count + i)));
        Bytes fields(data.begin() + static_cast<std::ptrdiff_t>(record), data.begin() + static_cast<std::ptrdiff_t>(record + length));
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

    Pad(data);
    const auto newBlock = static_cast<int32_t>(data.size());
    Append(data, static_cast<int32_t>(rewritten.size()));
    data.insert(data.end(), rewritten.begin(), rewritten.end());
    for (int32_t i = 0; i < 2 * count; ++i)  // ids and name offsets as they were
        Append(data, Get(data, tables + 4 * static_cast<size_t>(i)));
    for (int32_t offset : offsets)
        Append(data, offset);
    Put(data, typeInfo + 4, newBlock);
}

void Patch(Bytes& data, const Idl& idl)
{
    const Layout layout = ReadLayout(data);

    const size_t libraryGuid = static_cast<size_t>(Get(data, layout.Segment(guidSegment))) + static_cast<size_t>(Get(data, 0x08));
    const Bytes libraryId = GuidBytes(idl.libraryId);
    std::copy(libraryId.begin(), libraryId.end(), data.begin() + static_cast<std::ptrdiff_t>(libraryGuid));

    const size_t stringsAt = static_cast<size_t>(Get(data, layout.Segment(stringSegment)));
    const size_t stringsLength = static_cast<size_t>(Get(data, layout.Segment(stringSegment) + 4));
    StringTable strings(Bytes(data.begin() + static_cast<std::ptrdiff_t>(stringsAt),
                              data.begin() + static_cast<std::ptrdiff_t>(stringsAt + stringsLength)));

    const size_t typeInfos = static_cast<size_t>(Get(data, layout.Segment(typeInfoSegment)));
    size_t patched = 0;
    for (int32_t i = 0; i < layout.typeInfoCount; ++i)
    {
        const size_t typeInfo = typeInfos + static_cast<size_t>(Get(data, layout.typeInfoOffsets + 4 * static_cast<size_t>(i)));
        if ((Get(data, typeInfo) & 0xF) != enumKind)
            continue;
        const auto help = idl.enumHelp.find(Name(data, layout, Get(data, typeInfo + 0x34)));
        if (help == idl.enumHelp.end())
            continue;
        AddEnumHelp(data, layout, typeInfo, help->second, strings);
        ++patched;
    }
    if (patched != idl.enumHelp.size())
        throw std::runtime_error("an enumeration of the IDL is missing from the type library");

    // The grown string table moves to the end of the file; the old one is left unused.
    Pad(data);
    Put(data, layout.Segment(stringSegment), static_cast<int32_t>(data.size()));
    Put(data, layout.Segment(stringSegment) + 4, static_cast<int32_t>(strings.Data().size()));
    data.insert(data.end(), strings.Data().begin(), strings.Data().end());
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
        const std::string library = ReadText(argv[2]);
        Bytes data(library.begin(), library.end());
        Patch(data, idl);
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
