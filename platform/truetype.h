// Reading and writing TrueType font files at the level of their tables, as
// far as the page fonts need it: taking the hinting out of a face, renaming
// its family, and cutting a subset of its glyphs for a PDF.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace dek::platform::truetype {

// Big-endian numbers, as TrueType stores them.
inline std::uint16_t u16(const char* p) {
    return static_cast<std::uint16_t>((static_cast<unsigned char>(p[0]) << 8) | static_cast<unsigned char>(p[1]));
}
inline std::int16_t i16(const char* p) { return static_cast<std::int16_t>(u16(p)); }
inline std::uint32_t u32(const char* p) { return (static_cast<std::uint32_t>(u16(p)) << 16) | u16(p + 2); }
void put16(QByteArray& out, std::uint32_t v);
void put32(QByteArray& out, std::uint32_t v);
void set16(QByteArray& out, qsizetype at, std::uint32_t v);
void set32(QByteArray& out, qsizetype at, std::uint32_t v);

constexpr std::uint32_t tag(const char (&t)[5]) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(t[0])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(t[1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(t[2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(t[3]));
}

struct Table {
    std::uint32_t tag = 0;
    QByteArray data;
};

// The tables of a TrueType file (outlines in 'glyf'); empty when it is none.
std::optional<std::vector<Table>> read_tables(const QByteArray& file);
// The table with that tag, or nullptr.
QByteArray* find_table(std::vector<Table>& tables, std::uint32_t tag);
// A TrueType file of these tables: the offset table, the table records in
// tag order, the tables on four-byte boundaries, the checksums and the
// head table's checksum adjustment.
QByteArray write_tables(std::vector<Table> tables);

// The glyph offsets of a 'loca' table: numGlyphs + 1 of them. Empty when the
// table is too short or the offsets run backwards or past `glyf_size`.
std::optional<std::vector<std::uint32_t>> glyph_offsets(const QByteArray& loca, bool long_offsets, std::size_t glyphs,
                                                        std::size_t glyf_size);

// One glyph's outline without its instructions, its components' flags no
// longer announcing any; empty when the glyph cannot be read.
std::optional<QByteArray> glyph_without_instructions(std::string_view glyph);

// The glyphs a composite glyph is made of (none for a simple glyph), and the
// byte positions of their indices within the glyph, in order.
struct Component {
    std::uint16_t glyph = 0;
    std::size_t at = 0;
};
std::vector<Component> components(std::string_view glyph);

}  // namespace dek::platform::truetype
