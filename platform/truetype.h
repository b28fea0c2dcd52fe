// TrueType faces read and cut by HarfBuzz: subsets of their glyphs without
// hinting for a PDF, the whole face without hinting for the page fonts, and
// the values a PDF font descriptor gives, read from the face's own tables.
// Renaming a face's family is the one thing done here by hand: HarfBuzz's
// subsetter has no stable interface for it.
#pragma once

#include <QByteArray>
#include <QRawFont>
#include <QString>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct hb_face_t;

namespace dek::platform::truetype {

// What a PDF font descriptor says of a face, in the face's design units.
struct Descriptor {
    int units_per_em = 1000;
    int bbox[4] = {0, 0, 0, 0};  // head: xMin, yMin, xMax, yMax
    int ascent = 0;              // hhea (or OS/2 typographic with USE_TYPO_METRICS)
    int descent = 0;
    int cap_height = 0;        // OS/2 sCapHeight, else the height of "H"
    double italic_angle = 0;   // post, degrees counter-clockwise from the vertical
    int weight_class = 400;    // OS/2 usWeightClass
    bool serif = false;        // OS/2 family class (or PANOSE) of a serif design
    bool fixed_pitch = false;  // post isFixedPitch

    // The descriptor's /Flags: FixedPitch, Serif, Italic and always Symbolic
    // (the glyphs go beyond the standard Latin character set).
    int flags() const;
    // The width of the vertical stems estimated from the weight class, in
    // thousandths of the size (a light face about 50, a regular one about
    // 90, a bold one about 160).
    double stem_v() const;
};

class Face {
public:
    // A TrueType face (outlines in 'glyf') from its file; empty for any other
    // data (another kind of outlines, a damaged or cut file).
    static std::optional<Face> from_file(const QByteArray& file);
    // The face of a raw font, from its tables; empty unless it is TrueType.
    static std::optional<Face> from_raw_font(const QRawFont& font);

    Face(Face&&) noexcept;
    Face& operator=(Face&&) noexcept;
    ~Face();

    unsigned glyph_count() const { return glyphs_; }
    const Descriptor& descriptor() const { return descriptor_; }
    // Each glyph's advance in design units.
    std::vector<int> advances() const;
    // Each glyph's character (the smallest one the character map maps to
    // it); 0 for a glyph no character maps to.
    std::vector<char32_t> characters() const;
    // The PostScript name, only its letters, digits, '-' and '_'; empty if
    // the face names none.
    std::string postscript_name() const;

    // A font program of these glyphs (and the glyphs composite ones are made
    // of, and the missing glyph with its outline) without hinting; `glyph_of` gives the program's glyph of each one
    // asked for, in order. Should the subsetter fail, the program is the
    // whole face and each glyph its own.
    struct Subset {
        QByteArray program;
        std::vector<unsigned> glyph_of;
    };
    Subset subset(const std::vector<unsigned>& glyphs) const;

    // The whole file without hinting: the font program (fpgm), the control
    // value program (prep), the control values (cvt ) and every glyph's
    // instructions gone; every glyph kept at its index with its outline, and
    // every other table as it was.
    std::optional<QByteArray> without_hinting() const;

    // The file with its family (names 1, 16 and 21) renamed; every other
    // table as it was. Empty when the face has no name table HarfBuzz reads.
    std::optional<QByteArray> with_family(const QString& family) const;

private:
    struct FaceRef {
        void operator()(hb_face_t* face) const;
    };
    explicit Face(std::unique_ptr<hb_face_t, FaceRef> face);
    static std::optional<Face> checked(std::unique_ptr<hb_face_t, FaceRef> face);
    std::optional<Subset> cut(const std::vector<unsigned>& glyphs) const;

    std::unique_ptr<hb_face_t, FaceRef> face_;
    std::unique_ptr<hb_face_t, FaceRef> prepared_;  // the face made ready for repeated subsetting
    unsigned glyphs_ = 0;
    Descriptor descriptor_;
};

}  // namespace dek::platform::truetype
