// Form descriptions: what the background of one official page shows, drawn by
// the form painter in one visual language for all pages. Coordinates are
// design pixels at 96 dpi relative to the band, like the elements'. Format:
//
//   sheet 1 1 777 1090                      the tinted sheet (usually the image rectangle)
//   section "A." "MIEJSCE I CEL ..." L T W H      shaded bar of a section
//   subsection "B.1." "DANE PODATNIKA" L T W H    shaded bar of a subsection
//   field poz9 "9." "Urząd, ..." L T W H [shade]  white entry field (shade: grey cell)
//   square poz10_1 "1." "złożenie zeznania" L T   12 x 12 square, number before, caption after
//   text L T W SIZE [bold] [left|center|right] "words"   static text, wrapped in W (0: no wrap)
//   shade L T W H                           shaded area without number (cells not to be filled)
//
// Every field and square has an id; the elements name the id they lie in.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/description.h"
#include "report/page.h"

namespace dek::report {

struct FormSection {
    std::string letter;  // "A.", "B.1."
    std::string title;
    Rect rect;
    bool sub = false;
};

struct FormField {
    std::string id;      // "poz9"
    std::string number;  // "9."
    std::string title;
    Rect rect;
    bool shaded = false;
};

struct FormSquare {
    static constexpr int kSize = 12;
    std::string id;  // "poz10_1"
    std::string number;
    std::string caption;
    int left = 0;
    int top = 0;
    Rect rect() const { return Rect{left, top, kSize, kSize}; }
};

struct FormText {
    Rect rect;  // width 0: one line, no wrap
    int size_px = 7;
    bool bold = false;
    Align align = Align::Left;
    std::string text;
};

struct FormDescription {
    std::string file;
    Rect sheet;
    std::vector<FormSection> sections;
    std::vector<FormField> fields;
    std::vector<FormSquare> squares;
    std::vector<FormText> texts;
    std::vector<Rect> shades;

    // The rectangle of the field or square with that id; nullptr-like false when none.
    bool area(std::string_view id, Rect& out) const;
    bool is_square(std::string_view id) const;
};

FormDescription parse_form(std::string_view text, const std::string& file);

}  // namespace dek::report
