#include "platform/pdf_document.h"

#include <zlib.h>

#include <QColorSpace>
#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <stdexcept>

#include "platform/truetype.h"

namespace dek::platform {

struct PdfFace {
    // The face's TrueType outlines, read: embedded as a subset. Empty: its
    // glyphs are drawn as shapes.
    std::optional<truetype::Face> program;
    std::string postscript_name = "Font";
    std::vector<char32_t> unicode;  // the character of each glyph, 0: none
    std::vector<int> widths;        // each glyph's width in the document's /W

    bool embeddable() const { return program.has_value(); }
};

namespace {

// ---- numbers and strings as PDF writes them

// A number with at most six decimals, without trailing zeros ("0.75",
// "12", "-3.5").
void num(std::string& out, double v) {
    const double scaled = std::round(v * 1e6);
    if (!(std::abs(scaled) < 9e15)) {
        // Out of the range sheets use: as printf writes it.
        char buf[48];
        out.append(buf, static_cast<std::size_t>(std::snprintf(buf, sizeof buf, "%.6f", v)));
        return;
    }
    auto micro = static_cast<long long>(scaled);
    if (micro < 0) {
        out += '-';
        micro = -micro;
    }
    out += std::to_string(micro / 1000000);
    long long fraction = micro % 1000000;
    if (fraction == 0) return;
    char digits[8] = {'.', '0', '0', '0', '0', '0', '0', '\0'};
    for (int i = 6; i >= 1; --i) {
        digits[i] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    int end = 7;
    while (digits[end - 1] == '0') --end;
    out.append(digits, static_cast<std::size_t>(end));
}

void num(std::string& out, int v) { out += std::to_string(v); }

// Numbers separated by blanks.
void nums(std::string& out, std::initializer_list<double> values) {
    bool first = true;
    for (double v : values) {
        if (!first) out += ' ';
        num(out, v);
        first = false;
    }
}

void hex4(std::string& out, unsigned v) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    out += kDigits[(v >> 12) & 15];
    out += kDigits[(v >> 8) & 15];
    out += kDigits[(v >> 4) & 15];
    out += kDigits[v & 15];
}

// The byte of a character in PDFDocEncoding, 0 when it has none. The
// encoding is Latin-1 but for a few blanks and controls, with accents,
// typographic marks and the letters Latin-1 lacks (Ł, ł, Œ, Š, Ž...) in
// 0x18-0x1F and 0x80-0xA0.
unsigned char pdf_doc_byte(char16_t c) {
    static constexpr char16_t kLow[8] = {0x02D8, 0x02C7, 0x02C6, 0x02D9, 0x02DD, 0x02DB, 0x02DA, 0x02DC};
    static constexpr char16_t kHigh[33] = {0x2022, 0x2020, 0x2021, 0x2026, 0x2014, 0x2013, 0x0192, 0x2044, 0x2039,
                                           0x203A, 0x2212, 0x2030, 0x201E, 0x201C, 0x201D, 0x2018, 0x2019, 0x201A,
                                           0x2122, 0xFB01, 0xFB02, 0x0141, 0x0152, 0x0160, 0x0178, 0x017D, 0x0131,
                                           0x0142, 0x0153, 0x0161, 0x017E, 0x0000, 0x20AC};
    if (c == '\t' || c == '\n' || c == '\r' || (c >= 0x20 && c < 0x7F) || (c >= 0xA1 && c <= 0xFF && c != 0xAD))
        return static_cast<unsigned char>(c);
    for (int i = 0; i < 8; ++i)
        if (kLow[i] == c) return static_cast<unsigned char>(0x18 + i);
    for (int i = 0; i < 33; ++i)
        if (kHigh[i] == c && c != 0) return static_cast<unsigned char>(0x80 + i);
    return 0;
}

// A text string: in PDFDocEncoding when every character has a byte there (a
// literal string), else UTF-16 with its byte order mark (in hexadecimal).
std::string text_string(const QString& s) {
    std::string doc = "(";
    for (QChar c : s) {
        const unsigned char b = pdf_doc_byte(c.unicode());
        if (b == 0) {
            std::string out = "<FEFF";
            for (QChar u : s) hex4(out, u.unicode());
            return out + ">";
        }
        if (b == '(' || b == ')' || b == '\\') doc += '\\';
        if (b < 0x20 || b >= 0x7F) {
            char octal[5];
            std::snprintf(octal, sizeof octal, "\\%03o", b);
            doc += octal;
        } else {
            doc += static_cast<char>(b);
        }
    }
    return doc + ")";
}

std::string xml_escaped(const QString& s) { return s.toHtmlEscaped().toStdString(); }

std::string deflated(const char* data, std::size_t size) {
    uLongf length = compressBound(static_cast<uLong>(size));
    std::string out(length, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(data),
                  static_cast<uLong>(size), 3) != Z_OK)
        throw std::runtime_error("PDF: cannot compress a stream");
    out.resize(length);
    return out;
}

// A stream object's body, compressed; `extra` goes into its dictionary.
std::string flate_stream(const char* data, std::size_t size, const std::string& extra = {}) {
    const std::string z = deflated(data, size);
    std::string out = "<< /Length " + std::to_string(z.size()) + " /Filter /FlateDecode" + extra + " >>\nstream\n";
    out += z;
    out += "\nendstream";
    return out;
}

std::string flate_stream(const std::string& data, const std::string& extra = {}) {
    return flate_stream(data.data(), data.size(), extra);
}
std::string flate_stream(const QByteArray& data, const std::string& extra = {}) {
    return flate_stream(data.constData(), static_cast<std::size_t>(data.size()), extra);
}

// ---- faces

std::unique_ptr<PdfFace> read_face(const QRawFont& raw) {
    auto face = std::make_unique<PdfFace>();
    face->program = truetype::Face::from_raw_font(raw);
    if (!face->program) return face;
    // The widths of the glyphs in the document, in thousandths of the size,
    // rounded: placing each glyph corrects for the rounding.
    const double scale = 1000.0 / face->program->descriptor().units_per_em;
    for (int advance : face->program->advances())
        face->widths.push_back(static_cast<int>(std::lround(advance * scale)));
    face->unicode = face->program->characters();
    const std::string name = face->program->postscript_name();
    if (!name.empty()) face->postscript_name = name;
    return face;
}

QString face_key(const QRawFont& raw) {
    return raw.familyName() + QLatin1Char('|') + raw.styleName() + QLatin1Char('|') + QString::number(raw.weight()) +
           QLatin1Char('|') + QString::number(static_cast<int>(raw.style()));
}

}  // namespace

PdfFaces::PdfFaces() = default;
PdfFaces::~PdfFaces() = default;

const PdfFace& PdfFaces::face(const QRawFont& font) {
    // A raw font is one face at one size: the same font engine.
    for (const auto& [raw, face] : by_font_)
        if (raw == font) return *face;
    const QString key = face_key(font);
    auto it = faces_.find(key);
    if (it == faces_.end()) it = faces_.emplace(key, read_face(font)).first;
    by_font_.emplace_back(font, it->second.get());
    return *it->second;
}

// ---- the document's fonts

struct PdfDocument::Font {
    const PdfFace* face = nullptr;
    int object = 0;                      // the Type0 font
    std::vector<std::uint16_t> code_of;  // of each glyph; 0xFFFF: not shown
    std::vector<std::uint16_t> glyphs;   // of each code
};

int PdfDocument::font_of(const PdfFace& face) {
    for (std::size_t i = 0; i < fonts_.size(); ++i)
        if (fonts_[i]->face == &face) return static_cast<int>(i);
    auto font = std::make_unique<Font>();
    font->face = &face;
    font->object = new_object();
    font->code_of.assign(face.widths.size(), 0xFFFF);
    // Code 0 is the face's missing glyph, as the format expects.
    font->code_of[0] = 0;
    font->glyphs.push_back(0);
    fonts_.push_back(std::move(font));
    return static_cast<int>(fonts_.size() - 1);
}

std::uint16_t PdfDocument::code_of(int font, std::uint32_t glyph) {
    Font& f = *fonts_[static_cast<std::size_t>(font)];
    if (glyph >= f.code_of.size()) return 0;
    std::uint16_t& code = f.code_of[glyph];
    if (code == 0xFFFF) {
        code = static_cast<std::uint16_t>(f.glyphs.size());
        f.glyphs.push_back(static_cast<std::uint16_t>(glyph));
    }
    return code;
}

// ---- pages

void PdfPage::fill_color(const QColor& c) {
    if (c == state_.fill) return;
    state_.fill = c;
    if (c.red() == c.green() && c.green() == c.blue()) {
        num(content_, c.redF());
        content_ += " g\n";
        return;
    }
    nums(content_, {c.redF(), c.greenF(), c.blueF()});
    content_ += " rg\n";
}

void PdfPage::stroke(double width, int cap, int join) {
    if (width != state_.width) {
        num(content_, width);
        content_ += " w ";
        state_.width = width;
    }
    if (cap != state_.cap) {
        num(content_, cap);
        content_ += " J ";
        state_.cap = cap;
    }
    if (join != state_.join) {
        num(content_, join);
        content_ += " j ";
        state_.join = join;
    }
}

void PdfPage::set_matrix(const QTransform& m) {
    nums(content_, {m.m11(), m.m12(), m.m21(), m.m22(), m.dx(), m.dy()});
    content_ += " cm\n";
}

namespace {

void rect_path(std::string& out, const QRectF& r) {
    nums(out, {r.x(), r.y(), r.width(), r.height()});
    out += " re ";
}

}  // namespace

void PdfPage::fill_rect(const QRectF& r, const QColor& fill) {
    fill_color(fill);
    rect_path(content_, r);
    content_ += "f\n";
}

void PdfPage::outlined_rect(const QRectF& r, const QColor& fill, double pen_width) {
    fill_color(fill);
    // Square caps, bevelled joins: the painter's default pen.
    stroke(pen_width, 2, 2);
    rect_path(content_, r);
    content_ += "B\n";
}

void PdfPage::line(const QPointF& from, const QPointF& to, double width) {
    stroke(width, 0, state_.join);
    nums(content_, {from.x(), from.y()});
    content_ += " m ";
    nums(content_, {to.x(), to.y()});
    content_ += " l S\n";
}

void PdfPage::begin_clip(const QRectF& r) {
    saved_.push_back(state_);
    content_ += "q ";
    rect_path(content_, r);
    content_ += "W n\n";
}

void PdfPage::end_clip() {
    content_ += "Q\n";
    state_ = saved_.back();
    saved_.pop_back();
}

void PdfPage::glyphs(const QGlyphRun& run) {
    const QList<quint32> indexes = run.glyphIndexes();
    const QList<QPointF> positions = run.positions();
    if (indexes.isEmpty()) return;
    const QRawFont raw = run.rawFont();
    const PdfFace& face = document_.faces_.face(raw);
    fill_color(Qt::black);
    if (!face.embeddable()) {
        // Shapes instead of text.
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
            const QPainterPath path = raw.pathForGlyph(indexes[i]).translated(positions[i]);
            for (int k = 0; k < path.elementCount(); ++k) {
                const QPainterPath::Element e = path.elementAt(k);
                nums(content_, {e.x, e.y});
                if (e.isMoveTo()) {
                    content_ += " m\n";
                } else if (e.isLineTo()) {
                    content_ += " l\n";
                } else if (e.isCurveTo() && k + 2 < path.elementCount()) {
                    for (int c = 1; c <= 2; ++c) {
                        content_ += ' ';
                        nums(content_, {path.elementAt(k + c).x, path.elementAt(k + c).y});
                    }
                    content_ += " c\n";
                    k += 2;
                } else {
                    content_ += " l\n";
                }
            }
            if (path.elementCount() > 0) content_ += "f\n";
        }
        return;
    }
    const int font = document_.font_of(face);
    fonts_.insert(font);
    const double size = raw.pixelSize();
    content_ += "BT /F";
    num(content_, font + 1);
    content_ += ' ';
    num(content_, size);
    content_ += " Tf\n";
    // Each line: its first glyph placed by the text matrix (y downwards, as
    // the page's coordinates run), the others following by their widths,
    // corrected to the places the layout gave them.
    bool open = false;    // a TJ array is open
    bool in_hex = false;  // a string of codes is open
    double line_x = 0;
    double line_y = 0;
    double pen = 0;  // where the next glyph starts, from line_x, as the viewer computes it
    for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
        const QPointF p = positions[i];
        if (!open || p.y() != line_y) {
            if (in_hex) content_ += '>';
            if (open) content_ += "] TJ\n";
            content_ += "1 0 0 -1 ";
            nums(content_, {p.x(), p.y()});
            content_ += " Tm [";
            open = true;
            in_hex = false;
            line_x = p.x();
            line_y = p.y();
            pen = 0;
        } else {
            // In whole thousandths of the size: at most half a thousandth off
            // (0.007 pixels at 13 pixels), less than the layout's own 1/64
            // pixel steps, and never adding up along the line.
            const double shift = std::round((pen - (p.x() - line_x)) * 1000.0 / size);
            if (shift != 0) {
                if (in_hex) content_ += '>';
                in_hex = false;
                num(content_, shift);
                pen -= shift / 1000.0 * size;
            }
        }
        const std::uint32_t glyph = indexes[i];
        if (!in_hex) content_ += '<';
        in_hex = true;
        hex4(content_, document_.code_of(font, glyph));
        if (glyph < face.widths.size()) pen += face.widths[glyph] / 1000.0 * size;
    }
    if (in_hex) content_ += '>';
    content_ += "] TJ\nET\n";
}

// ---- the document

PdfDocument::PdfDocument(PdfFaces& faces, PdfOptions options) : faces_(faces), options_(std::move(options)) {
    new_object();  // 1: the catalogue
    new_object();  // 2: the document information
    pages_object_ = new_object();
}

PdfDocument::~PdfDocument() = default;

int PdfDocument::new_object() {
    objects_.emplace_back();
    return static_cast<int>(objects_.size());
}

void PdfDocument::set_object(int number, std::string body) {
    objects_[static_cast<std::size_t>(number - 1)] = std::move(body);
}

PdfPage& PdfDocument::new_page() {
    if (finished_) throw std::logic_error("PDF: a page after the document was finished");
    end_page();
    pages_.push_back(std::unique_ptr<PdfPage>(new PdfPage(*this)));
    page_objects_.push_back(new_object());
    return *pages_.back();
}

void PdfDocument::end_page() {
    if (pages_.empty() || !objects_[static_cast<std::size_t>(page_objects_.back() - 1)].empty()) return;
    PdfPage& page = *pages_.back();
    const int contents = new_object();
    set_object(contents, flate_stream(page.content_));
    char sizes[64];
    std::snprintf(sizes, sizeof sizes, "%g %g", options_.page_width_pt, options_.page_height_pt);
    const std::string media_box = sizes;
    std::string fonts;
    for (int f : page.fonts_) {
        fonts +=
            "/F" + std::to_string(f + 1) + ' ' + std::to_string(fonts_[static_cast<std::size_t>(f)]->object) + " 0 R ";
    }
    set_object(page_objects_.back(), "<< /Type /Page /Parent " + std::to_string(pages_object_) +
                                         " 0 R /MediaBox [0 0 " + media_box + "] /Resources << /Font << " + fonts +
                                         ">> >> /Contents " + std::to_string(contents) + " 0 R >>");
    page.content_.clear();
    page.content_.shrink_to_fit();
}

void PdfDocument::write_font(int index) {
    Font& font = *fonts_[static_cast<std::size_t>(index)];
    const PdfFace& face = *font.face;
    const truetype::Descriptor& desc = face.program->descriptor();
    const std::size_t n = font.glyphs.size();

    // The subset's program; the glyphs composite ones are made of come
    // along without codes of their own.
    const truetype::Face::Subset subset =
        face.program->subset(std::vector<unsigned>(font.glyphs.begin(), font.glyphs.end()));
    const QByteArray& program = subset.program;

    // The subset's tag: six letters from the glyphs it holds.
    std::uint32_t hash = 2166136261u;
    for (char c : face.postscript_name) hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    for (std::uint16_t g : font.glyphs) hash = (hash ^ g) * 16777619u;
    std::string name;
    for (int i = 0; i < 6; ++i) {
        name += static_cast<char>('A' + hash % 26);
        hash /= 26;
    }
    name += '+' + face.postscript_name;

    const double scale = 1000.0 / desc.units_per_em;
    const int file = new_object();
    set_object(file, flate_stream(program, " /Length1 " + std::to_string(program.size())));
    int cid_set = 0;
    if (options_.pdfa) {
        // Which codes the subset holds: all from 0 to n - 1.
        std::string bits((n + 7) / 8, '\0');
        for (std::size_t code = 0; code < n; ++code) bits[code / 8] |= static_cast<char>(0x80 >> (code % 8));
        cid_set = new_object();
        set_object(cid_set, flate_stream(bits));
    }
    std::string d =
        "<< /Type /FontDescriptor /FontName /" + name + " /Flags " + std::to_string(desc.flags()) + " /FontBBox [";
    nums(d, {desc.bbox[0] * scale, desc.bbox[1] * scale, desc.bbox[2] * scale, desc.bbox[3] * scale});
    d += "] /ItalicAngle ";
    num(d, desc.italic_angle);
    d += " /Ascent ";
    num(d, desc.ascent * scale);
    d += " /Descent ";
    num(d, desc.descent * scale);
    d += " /CapHeight ";
    num(d, desc.cap_height * scale);
    d += " /StemV ";
    num(d, std::round(desc.stem_v()));
    d += " /FontFile2 " + std::to_string(file) + " 0 R";
    if (cid_set != 0) d += " /CIDSet " + std::to_string(cid_set) + " 0 R";
    d += " >>";
    const int descriptor = new_object();
    set_object(descriptor, d);

    // The subset's glyph of each code (two bytes each), unless they are the
    // same numbers.
    std::string cid_to_gid = "/Identity";
    bool identity = true;
    std::string map;
    for (std::size_t code = 0; code < n; ++code) {
        const unsigned g = subset.glyph_of[code];
        identity = identity && g == code;
        map += static_cast<char>((g >> 8) & 0xff);
        map += static_cast<char>(g & 0xff);
    }
    if (!identity) {
        const int object = new_object();
        set_object(object, flate_stream(map));
        cid_to_gid = std::to_string(object) + " 0 R";
    }

    std::string w = "<< /Type /Font /Subtype /CIDFontType2 /BaseFont /" + name +
                    " /CIDSystemInfo << /Registry (Adobe) /Ordering (Identity) /Supplement 0 >> /FontDescriptor " +
                    std::to_string(descriptor) + " 0 R /CIDToGIDMap " + cid_to_gid + " /W [0 [";
    for (std::size_t code = 0; code < n; ++code) {
        if (code > 0) w += ' ';
        num(w, face.widths[font.glyphs[code]]);
    }
    w += "]] >>";
    const int cid_font = new_object();
    set_object(cid_font, w);

    // The characters of the codes, so that the text reads back.
    std::vector<std::pair<std::uint16_t, char32_t>> chars;
    for (std::size_t code = 1; code < n; ++code) {
        const char32_t c = face.unicode[font.glyphs[code]];
        if (c != 0) chars.emplace_back(static_cast<std::uint16_t>(code), c);
    }
    std::string cmap =
        "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
        "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
        "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n1 begincodespacerange\n<0000> <FFFF>\n"
        "endcodespacerange\n";
    for (std::size_t i = 0; i < chars.size(); i += 100) {
        const std::size_t block = std::min<std::size_t>(100, chars.size() - i);
        cmap += std::to_string(block) + " beginbfchar\n";
        for (std::size_t k = i; k < i + block; ++k) {
            cmap += '<';
            hex4(cmap, chars[k].first);
            cmap += "> <";
            const char32_t c = chars[k].second;
            if (c >= 0x10000) {
                hex4(cmap, 0xD800 + ((c - 0x10000) >> 10));
                hex4(cmap, 0xDC00 + ((c - 0x10000) & 0x3FF));
            } else {
                hex4(cmap, c);
            }
            cmap += ">\n";
        }
        cmap += "endbfchar\n";
    }
    cmap += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
    const int to_unicode = new_object();
    set_object(to_unicode, flate_stream(cmap));

    set_object(font.object, "<< /Type /Font /Subtype /Type0 /BaseFont /" + name +
                                " /Encoding /Identity-H /DescendantFonts [" + std::to_string(cid_font) +
                                " 0 R] /ToUnicode " + std::to_string(to_unicode) + " 0 R >>");
}

namespace {

// The sRGB profile of the archive copy's output intent: the one Qt's own PDF
// writer uses, else the one Qt makes.
QByteArray srgb_profile() {
    QFile f(QStringLiteral(":/qpdf/sRGB2014.icc"));
    if (f.open(QIODevice::ReadOnly)) return f.readAll();
    return QColorSpace(QColorSpace::SRgb).iccProfile();
}

}  // namespace

QByteArray PdfDocument::finish() {
    if (finished_) throw std::logic_error("PDF: the document was finished before");
    end_page();
    finished_ = true;
    for (std::size_t i = 0; i < fonts_.size(); ++i) write_font(static_cast<int>(i));

    std::string kids;
    for (int p : page_objects_) kids += std::to_string(p) + " 0 R ";
    set_object(pages_object_,
               "<< /Type /Pages /Kids [" + kids + "] /Count " + std::to_string(page_objects_.size()) + " >>");

    const QDateTime now = QDateTime::currentDateTimeUtc();
    const std::string date = now.toString(QStringLiteral("yyyyMMddHHmmss")).toStdString();
    set_object(2, "<< /Title " + text_string(options_.title) + " /Creator " + text_string(options_.creator) +
                      " /Producer " + text_string(options_.creator) + " /CreationDate (D:" + date + "Z) >>");

    std::string catalog = "<< /Type /Catalog /Pages " + std::to_string(pages_object_) + " 0 R";
    if (options_.pdfa) {
        const std::string iso = now.toString(Qt::ISODate).toStdString();
        const std::string xmp =
            "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
            "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">\n"
            "  <rdf:RDF xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">\n"
            "    <rdf:Description xmlns:dc=\"http://purl.org/dc/elements/1.1/\" rdf:about=\"\">\n"
            "      <dc:title>\n        <rdf:Alt>\n          <rdf:li xml:lang=\"x-default\">" +
            xml_escaped(options_.title) +
            "</rdf:li>\n        </rdf:Alt>\n      </dc:title>\n    </rdf:Description>\n"
            "    <rdf:Description xmlns:xmp=\"http://ns.adobe.com/xap/1.0/\" rdf:about=\"\" xmp:CreatorTool=\"" +
            xml_escaped(options_.creator) + "\" xmp:CreateDate=\"" + iso + "\" xmp:ModifyDate=\"" + iso +
            "\"/>\n"
            "    <rdf:Description xmlns:pdf=\"http://ns.adobe.com/pdf/1.3/\" rdf:about=\"\" pdf:Producer=\"" +
            xml_escaped(options_.creator) +
            "\"/>\n"
            "    <rdf:Description xmlns:pdfaid=\"http://www.aiim.org/pdfa/ns/id/\" rdf:about=\"\" "
            "pdfaid:part=\"1\" pdfaid:conformance=\"B\"/>\n"
            "  </rdf:RDF>\n</x:xmpmeta>\n<?xpacket end='w'?>\n";
        const int metadata = new_object();
        set_object(metadata, "<< /Type /Metadata /Subtype /XML /Length " + std::to_string(xmp.size()) +
                                 " >>\nstream\n" + xmp + "\nendstream");
        const int profile = new_object();
        set_object(profile, flate_stream(srgb_profile(), " /N 3 /Alternate /DeviceRGB"));
        const int intent = new_object();
        set_object(intent,
                   "<< /Type /OutputIntent /S /GTS_PDFA1 /OutputConditionIdentifier "
                   "(sRGB_IEC61966-2-1_black_scaled) /Info (sRGB IEC61966 v2.1 with black scaling) "
                   "/RegistryName (http://www.color.org) /DestOutputProfile " +
                       std::to_string(profile) + " 0 R >>");
        catalog +=
            " /Metadata " + std::to_string(metadata) + " 0 R /OutputIntents [" + std::to_string(intent) + " 0 R]";
    }
    catalog += " >>";
    set_object(1, catalog);

    std::string out = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    std::vector<std::size_t> offsets;
    QCryptographicHash id(QCryptographicHash::Md5);
    for (std::size_t i = 0; i < objects_.size(); ++i) {
        offsets.push_back(out.size());
        out += std::to_string(i + 1) + " 0 obj\n";
        out += objects_[i];
        out += "\nendobj\n";
        id.addData(QByteArrayView(objects_[i].data(), static_cast<qsizetype>(objects_[i].size())));
    }
    const std::size_t xref = out.size();
    out += "xref\n0 " + std::to_string(objects_.size() + 1) + "\n0000000000 65535 f \n";
    char entry[24];
    for (std::size_t o : offsets) {
        std::snprintf(entry, sizeof entry, "%010zu 00000 n \n", o);
        out += entry;
    }
    const std::string hex = id.result().toHex().toStdString();
    out += "trailer\n<< /Size " + std::to_string(objects_.size() + 1) + " /Root 1 0 R /Info 2 0 R /ID [<" + hex +
           "> <" + hex + ">] >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    return QByteArray(out.data(), static_cast<qsizetype>(out.size()));
}

}  // namespace dek::platform
