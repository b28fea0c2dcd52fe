#include "platform/truetype.h"

#include <algorithm>

namespace dek::platform::truetype {

void put16(QByteArray& out, std::uint32_t v) {
    out.append(static_cast<char>((v >> 8) & 0xff));
    out.append(static_cast<char>(v & 0xff));
}

void put32(QByteArray& out, std::uint32_t v) {
    put16(out, v >> 16);
    put16(out, v & 0xffff);
}

void set16(QByteArray& out, qsizetype at, std::uint32_t v) {
    out[at] = static_cast<char>((v >> 8) & 0xff);
    out[at + 1] = static_cast<char>(v & 0xff);
}

void set32(QByteArray& out, qsizetype at, std::uint32_t v) {
    set16(out, at, v >> 16);
    set16(out, at + 2, v & 0xffff);
}

namespace {

std::uint32_t checksum(const QByteArray& data) {
    std::uint32_t sum = 0;
    const qsizetype whole = data.size() / 4 * 4;
    for (qsizetype i = 0; i < whole; i += 4) sum += u32(data.constData() + i);
    if (whole < data.size()) {
        char last[4] = {0, 0, 0, 0};
        std::copy(data.constData() + whole, data.constData() + data.size(), last);
        sum += u32(last);
    }
    return sum;
}

// The flags of a composite glyph's component.
constexpr std::uint16_t kArgsAreWords = 0x0001;
constexpr std::uint16_t kScale = 0x0008;
constexpr std::uint16_t kMoreComponents = 0x0020;
constexpr std::uint16_t kXYScale = 0x0040;
constexpr std::uint16_t kTwoByTwo = 0x0080;
constexpr std::uint16_t kInstructions = 0x0100;

std::size_t component_size(std::uint16_t flags) {
    std::size_t size = 4 + ((flags & kArgsAreWords) != 0 ? 4 : 2);
    if ((flags & kScale) != 0) size += 2;
    if ((flags & kXYScale) != 0) size += 4;
    if ((flags & kTwoByTwo) != 0) size += 8;
    return size;
}

}  // namespace

std::optional<std::vector<Table>> read_tables(const QByteArray& file) {
    const char* const base = file.constData();
    const auto size = static_cast<std::size_t>(file.size());
    if (size < 12 || u32(base) != 0x00010000) return std::nullopt;
    const std::size_t count = u16(base + 4);
    if (12 + 16 * count > size) return std::nullopt;
    std::vector<Table> tables;
    for (std::size_t i = 0; i < count; ++i) {
        const char* rec = base + 12 + 16 * i;
        const std::uint32_t offset = u32(rec + 8);
        const std::uint32_t length = u32(rec + 12);
        if (offset > size || length > size - offset) return std::nullopt;
        tables.push_back({u32(rec), QByteArray(base + offset, static_cast<qsizetype>(length))});
    }
    return tables;
}

QByteArray* find_table(std::vector<Table>& tables, std::uint32_t t) {
    for (Table& table : tables)
        if (table.tag == t) return &table.data;
    return nullptr;
}

QByteArray write_tables(std::vector<Table> tables) {
    std::sort(tables.begin(), tables.end(), [](const Table& a, const Table& b) { return a.tag < b.tag; });
    if (QByteArray* head = find_table(tables, tag("head")); head != nullptr && head->size() >= 12) set32(*head, 8, 0);
    const auto n = static_cast<std::uint32_t>(tables.size());
    std::uint32_t power = 1;
    std::uint32_t log2 = 0;
    while (power * 2 <= n) {
        power *= 2;
        ++log2;
    }
    QByteArray out;
    put32(out, 0x00010000);
    put16(out, n);
    put16(out, power * 16);
    put16(out, log2);
    put16(out, n * 16 - power * 16);
    std::uint32_t offset = 12 + 16 * n;
    for (const Table& t : tables) {
        put32(out, t.tag);
        put32(out, checksum(t.data));
        put32(out, offset);
        put32(out, static_cast<std::uint32_t>(t.data.size()));
        offset += static_cast<std::uint32_t>((t.data.size() + 3) / 4 * 4);
    }
    qsizetype head_at = -1;
    for (const Table& t : tables) {
        if (t.tag == tag("head")) head_at = out.size();
        out.append(t.data);
        while (out.size() % 4 != 0) out.append('\0');
    }
    // The whole file's checksum comes to the agreed constant.
    if (head_at >= 0) set32(out, head_at + 8, 0xB1B0AFBAu - checksum(out));
    return out;
}

std::optional<std::vector<std::uint32_t>> glyph_offsets(const QByteArray& loca, bool long_offsets, std::size_t glyphs,
                                                        std::size_t glyf_size) {
    if (static_cast<std::size_t>(loca.size()) < (glyphs + 1) * (long_offsets ? 4 : 2)) return std::nullopt;
    std::vector<std::uint32_t> out(glyphs + 1);
    for (std::size_t i = 0; i <= glyphs; ++i) {
        out[i] = long_offsets ? u32(loca.constData() + 4 * i) : 2u * u16(loca.constData() + 2 * i);
        if (out[i] > glyf_size || (i > 0 && out[i] < out[i - 1])) return std::nullopt;
    }
    return out;
}

std::optional<QByteArray> glyph_without_instructions(std::string_view g) {
    if (g.empty()) return QByteArray();
    if (g.size() < 10) return std::nullopt;
    const std::int16_t contours = i16(g.data());
    if (contours >= 0) {
        // Header, end points of the contours, instruction length and
        // instructions, then the flags and coordinates.
        const std::size_t at = 10 + 2 * static_cast<std::size_t>(contours);
        if (at + 2 > g.size()) return std::nullopt;
        const std::size_t skip = u16(g.data() + at);
        if (at + 2 + skip > g.size()) return std::nullopt;
        QByteArray out(g.data(), static_cast<qsizetype>(at));
        put16(out, 0);
        out.append(g.data() + at + 2 + skip, static_cast<qsizetype>(g.size() - at - 2 - skip));
        return out;
    }
    // A composite: its components, the last one possibly followed by
    // instructions for the whole glyph.
    QByteArray out(g.data(), 10);
    std::size_t at = 10;
    std::uint16_t flags = kMoreComponents;
    while ((flags & kMoreComponents) != 0) {
        if (at + 4 > g.size()) return std::nullopt;
        flags = u16(g.data() + at);
        const std::size_t size = component_size(flags);
        if (at + size > g.size()) return std::nullopt;
        const qsizetype start = out.size();
        out.append(g.data() + at, static_cast<qsizetype>(size));
        set16(out, start, flags & ~kInstructions);
        at += size;
    }
    return out;
}

std::vector<Component> components(std::string_view g) {
    std::vector<Component> out;
    if (g.size() < 10 || i16(g.data()) >= 0) return out;
    std::size_t at = 10;
    std::uint16_t flags = kMoreComponents;
    while ((flags & kMoreComponents) != 0 && at + 4 <= g.size()) {
        flags = u16(g.data() + at);
        out.push_back({u16(g.data() + at + 2), at + 2});
        at += component_size(flags);
    }
    return out;
}

}  // namespace dek::platform::truetype
