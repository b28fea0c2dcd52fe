// The faces and sizes of the page fonts: the Windows faces of the layouts map
// to the metric-compatible Liberation faces, loaded from their files so the
// output does not depend on whatever else is installed.
//
// The faces are registered without their hinting (the TrueType programs that
// fit outlines to a screen's pixel grid): a sheet is drawn as vectors and
// never needs it, the output is the same without it, and it costs time on
// every glyph loaded and room in every PDF that embeds the face.
#pragma once

#include <QByteArray>
#include <QFont>
#include <QFontMetricsF>
#include <QList>
#include <QPointF>
#include <QRawFont>
#include <QString>
#include <map>
#include <optional>
#include <tuple>

#include "report/page.h"

namespace dek::platform {

// The families of Liberation Sans and Liberation Serif, registered from
// fonts-liberation2 without hinting under families of their own
// ("dek2018 Liberation Sans").
QString sans_family();
QString serif_family();

// Pixel size (at 96 dpi) of a font class: 10 pt = 13 px, 8 pt = 11 px,
// 6 pt = 8 px, 12 pt = 16 px.
int class_pixel_size(report::FontClass font);

// The font of a class at a pixel size (0: the class's own size).
QFont class_font(report::FontClass font, int pixel_size = 0);

// The form painter's font: Liberation Sans at a pixel size.
QFont form_font(int pixel_size, bool bold);

// A TrueType font file without what only hinting uses: the font program
// (fpgm), the control value program (prep), the control values (cvt ) and
// every glyph's instructions. Outlines, metrics, names and the character map
// are kept byte for byte. Empty when the data is no TrueType font whose
// glyphs can be read.
std::optional<QByteArray> without_hinting(const QByteArray& ttf);

// A TrueType font file whose family (the names of the family, the
// typographic family and the WWS family) is `family`; everything else is
// kept. Empty when the data is no TrueType font with a name table of the
// first format.
std::optional<QByteArray> with_family(const QByteArray& ttf, const QString& family);

// The fonts a renderer draws with, each made once with its metrics: a QFont
// is cheap to copy but every metrics object looks its font engine up again.
class FontCache {
public:
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
        QRawFont raw;  // its face at its size
    };

    // The font of a class at a pixel size (0: the class's own size).
    const Entry& page(report::FontClass font, int pixel_size = 0);
    // The form painter's font.
    const Entry& form(int pixel_size, bool bold);

private:
    // (font class or -1 for the form painter's, pixel size, bold)
    using Key = std::tuple<int, int, bool>;
    // The entry of the key, made from the font `make` gives the first time.
    template <class Make>
    const Entry& entry(const Key& key, Make make) {
        auto it = entries_.find(key);
        if (it == entries_.end()) {
            QFont f = make();
            QFontMetricsF fm(f);
            QRawFont raw = QRawFont::fromFont(f);
            it = entries_.emplace(key, Entry{std::move(f), std::move(fm), std::move(raw)}).first;
        }
        return it->second;
    }

    std::map<Key, Entry> entries_;
};

// Whether a text needs no shaping: every character a letter, digit, mark of
// punctuation, symbol or blank of the Latin, Greek or Cyrillic scripts or
// common to all (no combining marks, format or control characters, soft
// hyphens, line or paragraph separators). The faces shape such text with
// nothing but their character map and their advances (no ligatures, and
// kerning is off), so its glyphs and places can be looked up directly.
bool needs_no_shaping(const QString& text);

// The glyphs of a text that needs no shaping and their advances, looked up
// in the font's face: the glyphs and places the text layout gives it. False
// (and nothing looked up) for any other text, or one with a character the
// face lacks: that text needs the text layout.
bool plain_glyphs(const FontCache::Entry& font, const QString& text, QList<quint32>& glyphs, QList<QPointF>& advances);

// The advance of a line of text in the font, as QFontMetricsF::horizontalAdvance
// gives it (from plain_glyphs when it can).
double advance_of(const FontCache::Entry& font, const QString& text);

}  // namespace dek::platform
