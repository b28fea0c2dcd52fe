// The page fonts: registered without hinting under families of their own,
// every outline as the font file has it; text that needs no shaping looked up
// in the face exactly as the text layout places it.
#include "platform/fonts.h"

#include <gtest/gtest.h>
#include <hb.h>

#include <QFile>
#include <QGlyphRun>
#include <QRawFont>
#include <QTextLayout>
#include <climits>
#include <vector>

#include "pages/page_classes.h"
#include "platform/form_painter.h"

namespace dek {
namespace {

using report::FontClass;

QByteArray font_file(const char* name) {
    for (const char* dir : {"/usr/share/fonts/truetype/liberation2/", "/usr/share/fonts/truetype/liberation/"}) {
        QFile f(QString::fromLatin1(dir) + QString::fromLatin1(name));
        if (f.open(QIODevice::ReadOnly)) return f.readAll();
    }
    return {};
}

// Every Polish letter, digits and the punctuation of the forms and values.
const QString kSample = QString::fromUtf8("ĄĆĘŁŃÓŚŹŻąćęłńóśźż AZaz 0123456789 ,.-/()%„”–§ WM");

// The outline of each glyph of a face as HarfBuzz draws it: the kind and
// points of every segment in design units.
class Shapes {
public:
    explicit Shapes(const QByteArray& file) : data_(file) {
        hb_blob_t* blob = hb_blob_create(data_.constData(), static_cast<unsigned>(data_.size()),
                                         HB_MEMORY_MODE_READONLY, nullptr, nullptr);
        hb_face_t* face = hb_face_create(blob, 0);
        font_ = hb_font_create(face);
        glyphs_ = hb_face_get_glyph_count(face);
        hb_face_destroy(face);
        hb_blob_destroy(blob);
        funcs_ = hb_draw_funcs_create();
        hb_draw_funcs_set_move_to_func(funcs_, &Shapes::point<'M'>, nullptr, nullptr);
        hb_draw_funcs_set_line_to_func(funcs_, &Shapes::point<'L'>, nullptr, nullptr);
        hb_draw_funcs_set_quadratic_to_func(funcs_, &Shapes::quadratic, nullptr, nullptr);
        hb_draw_funcs_set_cubic_to_func(funcs_, &Shapes::cubic, nullptr, nullptr);
    }
    ~Shapes() {
        hb_draw_funcs_destroy(funcs_);
        hb_font_destroy(font_);
    }
    Shapes(const Shapes&) = delete;
    Shapes& operator=(const Shapes&) = delete;

    unsigned glyphs() const { return glyphs_; }
    std::vector<float> of(unsigned glyph) const {
        std::vector<float> out;
        hb_font_get_glyph_shape(font_, glyph, funcs_, &out);
        return out;
    }

private:
    template <char kind>
    static void point(hb_draw_funcs_t*, void* out, hb_draw_state_t*, float x, float y, void*) {
        static_cast<std::vector<float>*>(out)->insert(static_cast<std::vector<float>*>(out)->end(), {kind, x, y});
    }
    static void quadratic(hb_draw_funcs_t*, void* out, hb_draw_state_t*, float cx, float cy, float x, float y, void*) {
        static_cast<std::vector<float>*>(out)->insert(static_cast<std::vector<float>*>(out)->end(),
                                                      {'Q', cx, cy, x, y});
    }
    static void cubic(hb_draw_funcs_t*, void* out, hb_draw_state_t*, float c1x, float c1y, float c2x, float c2y,
                      float x, float y, void*) {
        static_cast<std::vector<float>*>(out)->insert(static_cast<std::vector<float>*>(out)->end(),
                                                      {'C', c1x, c1y, c2x, c2y, x, y});
    }

    QByteArray data_;
    hb_font_t* font_ = nullptr;
    hb_draw_funcs_t* funcs_ = nullptr;
    unsigned glyphs_ = 0;
};

TEST(PageFonts, RegisteredWithoutHintingWithTheFilesOutlines) {
    struct Case {
        FontClass font;
        const char* file;
    };
    const Case cases[] = {{FontClass::Plain, "LiberationSans-Regular.ttf"},
                          {FontClass::Value, "LiberationSans-Bold.ttf"},
                          {FontClass::Serif, "LiberationSerif-Bold.ttf"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QByteArray original = font_file(c.file);
        if (original.isEmpty()) GTEST_SKIP() << "fonts-liberation2 not installed";
        const QRawFont used = QRawFont::fromFont(platform::class_font(c.font));
        EXPECT_TRUE(used.familyName().startsWith("dek2018 "));
        for (const char* table : {"fpgm", "prep", "cvt "}) EXPECT_TRUE(used.fontTable(table).isEmpty()) << table;
        // The same glyphs for the same characters, the same advances, the same
        // outlines point for point: only the instructions are gone.
        const QRawFont file(original, used.pixelSize(), QFont::PreferNoHinting);
        const QList<quint32> glyphs = file.glyphIndexesForString(kSample);
        EXPECT_EQ(used.glyphIndexesForString(kSample), glyphs);
        EXPECT_EQ(used.advancesForGlyphIndexes(glyphs), file.advancesForGlyphIndexes(glyphs));
        // Every glyph at its index, every point of it where the file has it,
        // as HarfBuzz draws them from the data.
        const std::optional<QByteArray> plain = platform::without_hinting(original);
        ASSERT_TRUE(plain.has_value());
        const Shapes ours(*plain);
        const Shapes theirs(original);
        ASSERT_GT(theirs.glyphs(), 2000u);
        ASSERT_EQ(ours.glyphs(), theirs.glyphs());
        for (unsigned g = 0; g < theirs.glyphs(); ++g) ASSERT_EQ(ours.of(g), theirs.of(g)) << "glyph " << g;
        // What is left of the glyph data is the outlines: less than before.
        EXPECT_LT(used.fontTable("glyf").size(), file.fontTable("glyf").size());
    }
}

TEST(PageFonts, WhatIsNoTrueTypeFontIsRefused) {
    const QByteArray font = font_file("LiberationSans-Regular.ttf");
    if (font.isEmpty()) GTEST_SKIP() << "fonts-liberation2 not installed";
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("not a font at all"),
        font.left(11),                     // cut inside the offset table
        font.left(200),                    // the table records point past the end
        QByteArray("OTTO") + font.mid(4),  // outlines of another kind
    };
    for (const QByteArray& data : cases) {
        EXPECT_FALSE(platform::without_hinting(data).has_value()) << data.left(16).toHex().toStdString();
        EXPECT_FALSE(platform::with_family(data, "X").has_value()) << data.left(16).toHex().toStdString();
    }
}

// The glyphs and places of a line as the text layout gives them.
QList<QGlyphRun> laid_out(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(INT_MAX / 256);
    layout.endLayout();
    return layout.glyphRuns();
}

TEST(PageFonts, PlainGlyphsAreTheTextLayoutsOwn) {
    // Every text of every form description and every caption of every layout,
    // and the sample, in every font that prints them.
    QStringList texts = {kSample, "fi fl ffi ffl AV To", "numer PESEL  ", "8.589.934.591,99"};
    for (const auto& cls : pages::page_classes()) {
        HostData empty;
        report::LivePage live(cls, empty);
        for (const auto& e : live.page().DB_dane.elements) texts << QString::fromStdString(e.caption);
        const report::FormDescription& form = pages::form_of(live.page().layout().form);
        for (const auto& t : form.texts) texts << QString::fromStdString(t.text);
        for (const auto& f : form.fields) texts << QString::fromStdString(f.title);
        for (const auto& s : form.squares) texts << QString::fromStdString(s.caption);
    }
    texts.removeDuplicates();
    platform::FontCache fonts;
    std::vector<const platform::FontCache::Entry*> entries = {&fonts.form(7, false), &fonts.form(9, true),
                                                              &fonts.form(26, true)};
    for (FontClass f : {FontClass::Value, FontClass::Mark, FontClass::Plain, FontClass::SmallStrike, FontClass::Serif})
        entries.push_back(&fonts.page(f));
    int plain = 0;
    for (const auto* font : entries) {
        for (const QString& text : texts) {
            QList<quint32> glyphs;
            QList<QPointF> advances;
            if (!platform::plain_glyphs(*font, text, glyphs, advances)) continue;
            ++plain;
            QList<quint32> want_glyphs;
            QList<QPointF> want_places;
            for (const QGlyphRun& run : laid_out(font->font, text)) {
                want_glyphs += run.glyphIndexes();
                want_places += run.positions();
            }
            ASSERT_EQ(glyphs, want_glyphs) << text.toStdString();
            double x = 0;
            for (qsizetype i = 0; i < glyphs.size(); ++i) {
                EXPECT_EQ(x, want_places[i].x()) << text.toStdString() << " glyph " << i;
                x += advances[i].x();
            }
            EXPECT_EQ(platform::advance_of(*font, text), font->metrics.horizontalAdvance(text)) << text.toStdString();
        }
    }
    EXPECT_GT(plain, 1000);  // the forms' texts are plain: the check is not empty
}

TEST(PageFonts, TextThatNeedsShapingIsLeftToTheLayout) {
    const char16_t* cases[] = {
        u"a\u0301",       // a combining accent
        u"ab\u00ADcd",    // a soft hyphen: shown only at a line break
        u"a\tb",          // a tab
        u"\u05D0\u05D1",  // Hebrew: right to left
        u"a\u200Db",      // a joiner
    };
    platform::FontCache fonts;
    for (const char16_t* text : cases) {
        const QString s = QString::fromUtf16(text);
        QList<quint32> glyphs;
        QList<QPointF> advances;
        EXPECT_FALSE(platform::needs_no_shaping(s)) << s.toStdString();
        EXPECT_FALSE(platform::plain_glyphs(fonts.form(7, false), s, glyphs, advances)) << s.toStdString();
        EXPECT_EQ(platform::advance_of(fonts.form(7, false), s), fonts.form(7, false).metrics.horizontalAdvance(s));
    }
}

}  // namespace
}  // namespace dek
