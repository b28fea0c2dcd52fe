#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <vector>

#include "platform/truetype.h"

namespace dek::platform {

using namespace truetype;

std::optional<QByteArray> without_hinting(const QByteArray& ttf) {
    std::optional<std::vector<Table>> tables = read_tables(ttf);
    if (!tables) return std::nullopt;
    QByteArray* head = find_table(*tables, tag("head"));
    QByteArray* maxp = find_table(*tables, tag("maxp"));
    QByteArray* loca = find_table(*tables, tag("loca"));
    QByteArray* glyf = find_table(*tables, tag("glyf"));
    if (head == nullptr || maxp == nullptr || loca == nullptr || glyf == nullptr || head->size() < 54 ||
        maxp->size() < 6)
        return std::nullopt;
    const bool long_offsets = u16(head->constData() + 50) != 0;
    const std::size_t glyphs = u16(maxp->constData() + 4);
    const auto offsets = glyph_offsets(*loca, long_offsets, glyphs, static_cast<std::size_t>(glyf->size()));
    if (!offsets) return std::nullopt;

    // The glyphs again, each without its instructions and padded to four
    // bytes; the new locations in long offsets.
    QByteArray new_glyf;
    QByteArray new_loca;
    for (std::size_t i = 0; i < glyphs; ++i) {
        const std::optional<QByteArray> g =
            glyph_without_instructions({glyf->constData() + (*offsets)[i], (*offsets)[i + 1] - (*offsets)[i]});
        if (!g) return std::nullopt;
        put32(new_loca, static_cast<std::uint32_t>(new_glyf.size()));
        new_glyf.append(*g);
        while (new_glyf.size() % 4 != 0) new_glyf.append('\0');
    }
    put32(new_loca, static_cast<std::uint32_t>(new_glyf.size()));
    *glyf = new_glyf;
    *loca = new_loca;
    set16(*head, 50, 1);
    // No instructions left: none of them is the largest.
    if (u32(maxp->constData()) >= 0x00010000 && maxp->size() >= 28) set16(*maxp, 26, 0);
    std::erase_if(*tables,
                  [](const Table& t) { return t.tag == tag("fpgm") || t.tag == tag("prep") || t.tag == tag("cvt "); });
    return write_tables(std::move(*tables));
}

std::optional<QByteArray> with_family(const QByteArray& ttf, const QString& family) {
    std::optional<std::vector<Table>> tables = read_tables(ttf);
    if (!tables) return std::nullopt;
    QByteArray* name = find_table(*tables, tag("name"));
    if (name == nullptr || name->size() < 6 || u16(name->constData()) != 0) return std::nullopt;
    const char* const base = name->constData();
    const std::size_t size = static_cast<std::size_t>(name->size());
    const std::size_t count = u16(base + 2);
    const std::size_t strings = u16(base + 4);
    if (6 + 12 * count > size || strings > size) return std::nullopt;
    // The family in UTF-16 (Unicode and Windows platforms) and in Latin
    // letters (Macintosh).
    QByteArray utf16;
    for (QChar c : family) put16(utf16, c.unicode());
    const QByteArray latin = family.toLatin1();

    QByteArray records;
    QByteArray storage;
    for (std::size_t i = 0; i < count; ++i) {
        const char* rec = base + 6 + 12 * i;
        const std::uint16_t platform = u16(rec);
        const std::uint16_t id = u16(rec + 6);
        const std::size_t length = u16(rec + 8);
        const std::size_t offset = u16(rec + 10);
        if (strings + offset + length > size) return std::nullopt;
        QByteArray text(base + strings + offset, static_cast<qsizetype>(length));
        // 1: family, 16: typographic family, 21: WWS family.
        if (id == 1 || id == 16 || id == 21) text = platform == 1 ? latin : utf16;
        records.append(rec, 8);
        put16(records, static_cast<std::uint32_t>(text.size()));
        put16(records, static_cast<std::uint32_t>(storage.size()));
        storage.append(text);
    }
    QByteArray table;
    put16(table, 0);
    put16(table, static_cast<std::uint32_t>(count));
    put16(table, static_cast<std::uint32_t>(6 + records.size()));
    table.append(records);
    table.append(storage);
    *name = table;
    return write_tables(std::move(*tables));
}

namespace {

// Registers the Liberation faces once and returns the family found for each.
// Each face is registered without its hinting, under a family of its own
// ("dek2018 Liberation Sans"), so that the system's copy of the same face
// is never taken instead; a face that cannot be rewritten is registered as
// it is, under its own family.
struct Families {
    QString sans = QStringLiteral("Liberation Sans");
    QString serif = QStringLiteral("Liberation Serif");

    Families() {
        const char* const dirs[] = {"/usr/share/fonts/truetype/liberation2/", "/usr/share/fonts/truetype/liberation/"};
        struct Face {
            const char* file;
            QString* family;
        };
        const Face faces[] = {{"LiberationSans-Regular.ttf", &sans},
                              {"LiberationSans-Bold.ttf", &sans},
                              {"LiberationSerif-Regular.ttf", &serif},
                              {"LiberationSerif-Bold.ttf", &serif}};
        for (const Face& face : faces) {
            for (const char* dir : dirs) {
                QFile f(QString::fromLatin1(dir) + QString::fromLatin1(face.file));
                if (!f.open(QIODevice::ReadOnly)) continue;
                const QByteArray data = f.readAll();
                const QString family =
                    face.family == &sans ? QStringLiteral("Liberation Sans") : QStringLiteral("Liberation Serif");
                std::optional<QByteArray> plain = without_hinting(data);
                if (plain) plain = with_family(*plain, QStringLiteral("dek2018 ") + family);
                const int id = QFontDatabase::addApplicationFontFromData(plain ? *plain : data);
                if (id >= 0) {
                    const QStringList fams = QFontDatabase::applicationFontFamilies(id);
                    if (!fams.isEmpty()) *face.family = fams.first();
                    break;
                }
            }
        }
    }
};

const Families& families() {
    static const Families f;
    return f;
}

}  // namespace

QString sans_family() { return families().sans; }
QString serif_family() { return families().serif; }

int class_pixel_size(report::FontClass font) {
    using report::FontClass;
    switch (font) {
        case FontClass::Mark:
            return 11;
        case FontClass::SmallStrike:
            return 8;
        case FontClass::Sum:
        case FontClass::LargeStrike:
            return 16;
        default:
            return 13;
    }
}

QFont class_font(report::FontClass font, int pixel_size) {
    using report::FontClass;
    QFont f(font == FontClass::Serif ? serif_family() : sans_family());
    f.setPixelSize(pixel_size > 0 ? pixel_size : class_pixel_size(font));
    f.setBold(font != FontClass::Plain && font != FontClass::SmallStrike);
    f.setStrikeOut(font == FontClass::SmallStrike || font == FontClass::LargeStrike);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferOutline);
    return f;
}

QFont form_font(int pixel_size, bool bold) {
    QFont f(sans_family());
    f.setPixelSize(pixel_size);
    f.setBold(bold);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

const FontCache::Entry& FontCache::page(report::FontClass font, int pixel_size) {
    const int px = pixel_size > 0 ? pixel_size : class_pixel_size(font);
    return entry({static_cast<int>(font), px, false}, [&] { return class_font(font, px); });
}

const FontCache::Entry& FontCache::form(int pixel_size, bool bold) {
    return entry({-1, pixel_size, bold}, [&] { return form_font(pixel_size, bold); });
}

bool needs_no_shaping(const QString& text) {
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u < 0xA0) || u == 0xAD || c.isSurrogate()) return false;
        switch (c.category()) {
            case QChar::Mark_NonSpacing:
            case QChar::Mark_SpacingCombining:
            case QChar::Mark_Enclosing:
            case QChar::Other_Format:
            case QChar::Other_Control:
            case QChar::Other_PrivateUse:
            case QChar::Other_NotAssigned:
            case QChar::Separator_Line:
            case QChar::Separator_Paragraph:
                return false;
            default:
                break;
        }
        switch (c.script()) {
            case QChar::Script_Common:
            case QChar::Script_Latin:
            case QChar::Script_Greek:
            case QChar::Script_Cyrillic:
                break;
            default:
                return false;
        }
    }
    return true;
}

bool plain_glyphs(const FontCache::Entry& font, const QString& text, QList<quint32>& glyphs, QList<QPointF>& advances) {
    if (!font.raw.isValid() || !needs_no_shaping(text)) return false;
    glyphs = font.raw.glyphIndexesForString(text);
    if (glyphs.size() != text.size() || glyphs.contains(0u)) return false;
    advances = font.raw.advancesForGlyphIndexes(glyphs);
    return advances.size() == glyphs.size();
}

double advance_of(const FontCache::Entry& font, const QString& text) {
    QList<quint32> glyphs;
    QList<QPointF> advances;
    if (!plain_glyphs(font, text, glyphs, advances)) return font.metrics.horizontalAdvance(text);
    double width = 0;
    for (const QPointF& a : advances) width += a.x();
    return width;
}

}  // namespace dek::platform
