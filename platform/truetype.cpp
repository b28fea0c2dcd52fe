#include "platform/truetype.h"

#include <hb-ot.h>
#include <hb-subset.h>
#include <hb.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace dek::platform::truetype {

namespace {

struct BlobRef {
    void operator()(hb_blob_t* b) const { hb_blob_destroy(b); }
};
struct FontRef {
    void operator()(hb_font_t* f) const { hb_font_destroy(f); }
};
struct SetRef {
    void operator()(hb_set_t* s) const { hb_set_destroy(s); }
};
struct InputRef {
    void operator()(hb_subset_input_t* i) const { hb_subset_input_destroy(i); }
};
struct PlanRef {
    void operator()(hb_subset_plan_t* p) const { hb_subset_plan_destroy(p); }
};
using Blob = std::unique_ptr<hb_blob_t, BlobRef>;
using Font = std::unique_ptr<hb_font_t, FontRef>;
using Set = std::unique_ptr<hb_set_t, SetRef>;
using Input = std::unique_ptr<hb_subset_input_t, InputRef>;
using Plan = std::unique_ptr<hb_subset_plan_t, PlanRef>;

// A blob of the bytes of a QByteArray, which it keeps (shared, not copied).
Blob blob_of(const QByteArray& data) {
    auto* kept = new QByteArray(data);
    return Blob(hb_blob_create(kept->constData(), static_cast<unsigned>(kept->size()), HB_MEMORY_MODE_READONLY, kept,
                               [](void* p) { delete static_cast<QByteArray*>(p); }));
}

QByteArray bytes_of(hb_blob_t* blob) {
    unsigned length = 0;
    const char* data = hb_blob_get_data(blob, &length);
    return QByteArray(data, static_cast<qsizetype>(length));
}

QByteArray table(hb_face_t* face, hb_tag_t tag) {
    const Blob blob(hb_face_reference_table(face, tag));
    return bytes_of(blob.get());
}

// Big-endian numbers, as the tables store them.
unsigned u16(const QByteArray& t, qsizetype at) {
    return (static_cast<unsigned>(static_cast<unsigned char>(t[at])) << 8) | static_cast<unsigned char>(t[at + 1]);
}
int i16(const QByteArray& t, qsizetype at) { return static_cast<std::int16_t>(u16(t, at)); }
void put16(QByteArray& out, unsigned v) {
    out.append(static_cast<char>((v >> 8) & 0xff));
    out.append(static_cast<char>(v & 0xff));
}

constexpr hb_tag_t kTag(const char (&t)[5]) { return HB_TAG(t[0], t[1], t[2], t[3]); }

// Whether the design has serifs: its IBM family class (OS/2 sFamilyClass,
// classes 1 to 7 are the serif ones), else its PANOSE serif style for a
// Latin text face (2 to 10 are serifs, 11 to 13 sans serif).
bool serif_design(const QByteArray& os2) {
    if (os2.size() < 42) return false;
    const int family_class = static_cast<int>(u16(os2, 30) >> 8);
    if (family_class != 0) return family_class >= 1 && family_class <= 7;
    const int panose_family = static_cast<unsigned char>(os2[32]);
    const int serif_style = static_cast<unsigned char>(os2[33]);
    return panose_family == 2 && serif_style >= 2 && serif_style <= 10;
}

Descriptor descriptor_of(hb_face_t* face) {
    Descriptor d;
    d.units_per_em = static_cast<int>(std::max(16u, hb_face_get_upem(face)));
    const QByteArray head = table(face, kTag("head"));
    for (int i = 0; i < 4; ++i) d.bbox[i] = i16(head, 36 + 2 * i);
    const Font font(hb_font_create(face));
    hb_position_t v = 0;
    if (hb_ot_metrics_get_position(font.get(), HB_OT_METRICS_TAG_HORIZONTAL_ASCENDER, &v)) d.ascent = v;
    if (hb_ot_metrics_get_position(font.get(), HB_OT_METRICS_TAG_HORIZONTAL_DESCENDER, &v)) d.descent = v;
    if (hb_ot_metrics_get_position(font.get(), HB_OT_METRICS_TAG_CAP_HEIGHT, &v) && v > 0) {
        d.cap_height = v;
    } else {
        // An OS/2 table before version 2 has no cap height: the top of "H".
        hb_codepoint_t h = 0;
        hb_glyph_extents_t extents{};
        if (hb_font_get_nominal_glyph(font.get(), 'H', &h) && hb_font_get_glyph_extents(font.get(), h, &extents))
            d.cap_height = extents.y_bearing;
    }
    d.italic_angle = hb_style_get_value(font.get(), HB_STYLE_TAG_SLANT_ANGLE);
    d.weight_class = static_cast<int>(std::lround(hb_style_get_value(font.get(), HB_STYLE_TAG_WEIGHT)));
    d.serif = serif_design(table(face, kTag("OS/2")));
    const QByteArray post = table(face, kTag("post"));
    d.fixed_pitch = post.size() >= 16 && (u16(post, 12) != 0 || u16(post, 14) != 0);
    return d;
}

}  // namespace

int Descriptor::flags() const {
    constexpr int kFixedPitch = 1;
    constexpr int kSerif = 2;
    constexpr int kSymbolic = 4;
    constexpr int kItalic = 64;
    return (fixed_pitch ? kFixedPitch : 0) | (serif ? kSerif : 0) | kSymbolic | (italic_angle != 0 ? kItalic : 0);
}

double Descriptor::stem_v() const { return 10 + 220.0 * (std::clamp(weight_class, 1, 1000) - 50) / 900; }

void Face::FaceRef::operator()(hb_face_t* face) const { hb_face_destroy(face); }

Face::Face(std::unique_ptr<hb_face_t, FaceRef> face) : face_(std::move(face)) {}
Face::Face(Face&&) noexcept = default;
Face& Face::operator=(Face&&) noexcept = default;
Face::~Face() = default;

std::optional<Face> Face::checked(std::unique_ptr<hb_face_t, FaceRef> hb) {
    hb_face_t* const f = hb.get();
    const unsigned glyphs = hb_face_get_glyph_count(f);
    if (glyphs == 0 || table(f, kTag("head")).size() < 54 || table(f, kTag("glyf")).isEmpty() ||
        table(f, kTag("loca")).isEmpty() || table(f, kTag("hmtx")).isEmpty())
        return std::nullopt;
    Face face(std::move(hb));
    face.glyphs_ = glyphs;
    face.descriptor_ = descriptor_of(f);
    return face;
}

std::optional<Face> Face::from_file(const QByteArray& file) {
    // TrueType outlines: the version 1.0 (or Apple's 'true') of the offset table.
    if (file.size() < 12 || !(file.startsWith(QByteArray("\0\1\0\0", 4)) || file.startsWith("true")))
        return std::nullopt;
    const Blob blob = blob_of(file);
    return checked(std::unique_ptr<hb_face_t, FaceRef>(hb_face_create(blob.get(), 0)));
}

std::optional<Face> Face::from_raw_font(const QRawFont& font) {
    if (!font.isValid()) return std::nullopt;
    // The tables a PDF's font program uses; the hinting is left behind, and
    // so are the layout tables (the text arrives shaped).
    static const char* const kTables[] = {"head", "hhea", "maxp", "hmtx", "loca",
                                          "glyf", "cmap", "OS/2", "post", "name"};
    const std::unique_ptr<hb_face_t, FaceRef> builder(hb_face_builder_create());
    for (const char* t : kTables) {
        const QByteArray data = font.fontTable(t);
        if (data.isEmpty()) continue;
        const Blob blob = blob_of(data);
        hb_face_builder_add_table(builder.get(), HB_TAG(t[0], t[1], t[2], t[3]), blob.get());
    }
    const Blob file(hb_face_reference_blob(builder.get()));
    std::optional<Face> face = checked(std::unique_ptr<hb_face_t, FaceRef>(hb_face_create(file.get(), 0)));
    if (face) face->prepared_.reset(hb_subset_preprocess(face->face_.get()));
    return face;
}

std::vector<int> Face::advances() const {
    const Font font(hb_font_create(face_.get()));
    std::vector<int> out(glyphs_);
    for (unsigned g = 0; g < glyphs_; ++g) out[g] = hb_font_get_glyph_h_advance(font.get(), g);
    return out;
}

std::vector<char32_t> Face::characters() const {
    const Font font(hb_font_create(face_.get()));
    const Set unicodes(hb_set_create());
    hb_face_collect_unicodes(face_.get(), unicodes.get());
    std::vector<char32_t> out(glyphs_, 0);
    hb_codepoint_t c = HB_SET_VALUE_INVALID;
    while (hb_set_next(unicodes.get(), &c)) {
        hb_codepoint_t g = 0;
        // The characters come in order: the first one met is the smallest.
        if (hb_font_get_nominal_glyph(font.get(), c, &g) && g != 0 && g < glyphs_ && out[g] == 0) out[g] = c;
    }
    return out;
}

std::string Face::postscript_name() const {
    unsigned length = 128;
    char buf[128];
    hb_ot_name_get_utf8(face_.get(), HB_OT_NAME_ID_POSTSCRIPT_NAME, HB_LANGUAGE_INVALID, &length, buf);
    std::string out;
    for (unsigned i = 0; i < length; ++i) {
        const char c = buf[i];
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '_')
            out += c;
    }
    return out;
}

std::optional<Face::Subset> Face::cut(const std::vector<unsigned>& glyphs) const {
    const Input input(hb_subset_input_create_or_fail());
    if (!input) return std::nullopt;
    hb_set_t* const keep = hb_subset_input_glyph_set(input.get());
    for (unsigned g : glyphs) hb_set_add(keep, g);
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_NO_HINTING | HB_SUBSET_FLAGS_NOTDEF_OUTLINE);
    // A PDF reads neither the character map nor the names or OS/2 metrics
    // of an embedded CID font: left out, the subsets cost less to cut.
    hb_set_t* const drop = hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG);
    for (const char* t : {"cmap", "name", "OS/2"}) hb_set_add(drop, HB_TAG(t[0], t[1], t[2], t[3]));
    const Plan plan(hb_subset_plan_create_or_fail(prepared_ ? prepared_.get() : face_.get(), input.get()));
    if (!plan) return std::nullopt;
    const hb_map_t* const new_glyph = hb_subset_plan_old_to_new_glyph_mapping(plan.get());
    Subset out;
    for (unsigned g : glyphs) {
        const hb_codepoint_t n = hb_map_get(new_glyph, g);
        if (n == HB_MAP_VALUE_INVALID) return std::nullopt;
        out.glyph_of.push_back(n);
    }
    const std::unique_ptr<hb_face_t, FaceRef> result(hb_subset_plan_execute_or_fail(plan.get()));
    if (!result) return std::nullopt;
    const Blob file(hb_face_reference_blob(result.get()));
    out.program = bytes_of(file.get());
    if (out.program.isEmpty()) return std::nullopt;
    return out;
}

Face::Subset Face::subset(const std::vector<unsigned>& glyphs) const {
    if (std::optional<Subset> cut_out = cut(glyphs)) return std::move(*cut_out);
    const Blob file(hb_face_reference_blob(face_.get()));
    return {bytes_of(file.get()), glyphs};
}

std::optional<QByteArray> Face::without_hinting() const {
    const Input input(hb_subset_input_create_or_fail());
    if (!input) return std::nullopt;
    hb_set_add_range(hb_subset_input_glyph_set(input.get()), 0, glyphs_ - 1);
    // Every table kept; those that do not depend on the glyphs' outlines or
    // instructions pass unchanged.
    hb_set_clear(hb_subset_input_set(input.get(), HB_SUBSET_SETS_DROP_TABLE_TAG));
    hb_set_t* const unchanged = hb_subset_input_set(input.get(), HB_SUBSET_SETS_NO_SUBSET_TABLE_TAG);
    for (const char* t : {"cmap", "name", "post", "OS/2", "GDEF", "GPOS", "GSUB", "kern", "gasp"})
        hb_set_add(unchanged, HB_TAG(t[0], t[1], t[2], t[3]));
    hb_subset_input_set_flags(input.get(), HB_SUBSET_FLAGS_NO_HINTING | HB_SUBSET_FLAGS_NOTDEF_OUTLINE |
                                               HB_SUBSET_FLAGS_RETAIN_GIDS | HB_SUBSET_FLAGS_PASSTHROUGH_UNRECOGNIZED |
                                               HB_SUBSET_FLAGS_GLYPH_NAMES | HB_SUBSET_FLAGS_NAME_LEGACY);
    const std::unique_ptr<hb_face_t, FaceRef> result(hb_subset_or_fail(face_.get(), input.get()));
    if (!result || hb_face_get_glyph_count(result.get()) != glyphs_) return std::nullopt;
    const Blob file(hb_face_reference_blob(result.get()));
    QByteArray out = bytes_of(file.get());
    if (out.isEmpty()) return std::nullopt;
    return out;
}

namespace {

// A name table (format 0) with its family names replaced: 1 family, 16
// typographic family, 21 WWS family, in UTF-16 on the Unicode and Windows
// platforms and in Latin letters on the Macintosh one.
std::optional<QByteArray> renamed(const QByteArray& name, const QString& family) {
    if (name.size() < 6 || u16(name, 0) != 0) return std::nullopt;
    const auto size = static_cast<std::size_t>(name.size());
    const std::size_t count = u16(name, 2);
    const std::size_t strings = u16(name, 4);
    if (6 + 12 * count > size || strings > size) return std::nullopt;
    QByteArray utf16;
    for (QChar c : family) put16(utf16, c.unicode());
    const QByteArray latin = family.toLatin1();
    QByteArray records;
    QByteArray storage;
    for (std::size_t i = 0; i < count; ++i) {
        const auto rec = static_cast<qsizetype>(6 + 12 * i);
        const unsigned platform = u16(name, rec);
        const unsigned id = u16(name, rec + 6);
        const std::size_t length = u16(name, rec + 8);
        const std::size_t offset = u16(name, rec + 10);
        if (strings + offset + length > size) return std::nullopt;
        QByteArray text = name.mid(static_cast<qsizetype>(strings + offset), static_cast<qsizetype>(length));
        if (id == 1 || id == 16 || id == 21) text = platform == 1 ? latin : utf16;
        records.append(name.constData() + rec, 8);
        put16(records, static_cast<unsigned>(text.size()));
        put16(records, static_cast<unsigned>(storage.size()));
        storage.append(text);
    }
    QByteArray out;
    put16(out, 0);
    put16(out, static_cast<unsigned>(count));
    put16(out, static_cast<unsigned>(6 + records.size()));
    return out + records + storage;
}

}  // namespace

std::optional<QByteArray> Face::with_family(const QString& family) const {
    const std::optional<QByteArray> name = renamed(table(face_.get(), kTag("name")), family);
    if (!name) return std::nullopt;
    const std::unique_ptr<hb_face_t, FaceRef> builder(hb_face_builder_create());
    hb_tag_t tags[64];
    unsigned count = 64;
    hb_face_get_table_tags(face_.get(), 0, &count, tags);
    for (unsigned i = 0; i < count; ++i) {
        const Blob blob(tags[i] == kTag("name") ? blob_of(*name).release()
                                                : hb_face_reference_table(face_.get(), tags[i]));
        hb_face_builder_add_table(builder.get(), tags[i], blob.get());
    }
    const Blob file(hb_face_reference_blob(builder.get()));
    QByteArray out = bytes_of(file.get());
    if (out.isEmpty()) return std::nullopt;
    return out;
}

}  // namespace dek::platform::truetype
