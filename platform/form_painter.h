// The form painter: draws any form description in the one visual language of
// the module's backgrounds (light-grey sheet, white fields with their number
// and title in the top-left corner, shaded section bars, squares with
// captions), with QPainter text so the form's words stay text in a PDF.
#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QPainter>
#include <QRectF>
#include <array>
#include <map>
#include <optional>
#include <variant>
#include <vector>

#include "platform/fonts.h"
#include "platform/pdf_document.h"
#include "report/form.h"

namespace dek::platform {

// A form description laid out once: what its background draws, in drawing
// order, its words already broken into lines, placed and turned into glyphs
// as the painter's own text layout places them, and the rectangles where it
// prints words or marks of its own. Painting it again replays what was worked
// out; a form is the same on every sheet of its page.
class LaidOutForm {
public:
    LaidOutForm(const report::FormDescription& form, FontCache& fonts);

    // Paints the form; the painter's coordinates are band pixels. The form's
    // glyphs whose cells lie under one of `covered` (the middle of the cell
    // inside) are left out: a page's opaque cover that repeats the form's
    // word there (a struck-out "NIP") would hide them, and a hidden copy of
    // the word would still be found by text search.
    void paint(QPainter& painter, const std::vector<QRectF>& covered = {}) const;
    // Draws the form on a page of a PDF document whose coordinates are band
    // pixels: the same rectangles, clips and glyphs, left out as `paint` does.
    void draw(PdfPage& page, const std::vector<QRectF>& covered = {}) const;

    // The rectangles, in band pixels, where the painted form prints words or
    // marks of its own: section bars, field numbers and titles, squares with
    // their numbers and captions, static texts. With `within`, only those
    // that meet that rectangle.
    std::vector<QRectF> printed_areas(const QRectF* within = nullptr) const;
    // The same for a rectangle asked about again and again (the box of a
    // field every sheet places its values in): worked out once.
    const std::vector<QRectF>& printed_areas_in(const QRectF& within) const;

private:
    // A rectangle filled, and outlined when `pen` > 0.
    struct Box {
        QRectF rect;
        QColor fill;
        double pen = 0;
    };
    // The lines of one text as glyphs at their places, clipped to `clip`
    // where the text overflows the rectangle it was laid out in.
    struct Words {
        std::optional<QRectF> clip;
        std::vector<QGlyphRun> runs;
    };
    // A printed area; with a gate, it counts for a rectangle only when the
    // gate meets the rectangle as well (the room of the field or text it
    // belongs to).
    struct Printed {
        QRectF rect;
        std::optional<QRectF> gate;
    };

    std::vector<std::variant<Box, Words>> steps_;
    std::vector<Printed> printed_;
    mutable std::map<std::array<double, 4>, std::vector<QRectF>> printed_in_;
};

// The glyphs of `runs` whose cells (advance by ascent to descent) do not
// have their middle inside one of `covered`.
std::vector<QGlyphRun> uncovered_glyphs(const std::vector<QGlyphRun>& runs, const std::vector<QRectF>& covered);

// The glyphs of a line of text as the painter draws it with its baseline
// starting at `baseline`: laid out on one line in `font`, each glyph at its
// place (plain_glyphs when the text needs no shaping).
std::vector<QGlyphRun> glyph_runs(const FontCache::Entry& font, const QString& text, const QPointF& baseline);

// Paints the form in band pixels: the painter's coordinates are band pixels.
// Lays the form out for this one painting.
void paint_form(QPainter& painter, const report::FormDescription& form);

// The printed areas of a form (LaidOutForm::printed_areas), laid out for this
// one question.
std::vector<QRectF> printed_areas(const report::FormDescription& form, const QRectF* within = nullptr);

}  // namespace dek::platform
