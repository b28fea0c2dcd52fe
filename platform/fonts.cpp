#include "platform/fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

#include "platform/truetype.h"

namespace dek::platform {

std::optional<QByteArray> without_hinting(const QByteArray& ttf) {
    const std::optional<truetype::Face> face = truetype::Face::from_file(ttf);
    if (!face) return std::nullopt;
    return face->without_hinting();
}

std::optional<QByteArray> with_family(const QByteArray& ttf, const QString& family) {
    const std::optional<truetype::Face> face = truetype::Face::from_file(ttf);
    if (!face) return std::nullopt;
    return face->with_family(family);
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
