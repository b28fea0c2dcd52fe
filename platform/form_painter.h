// The form painter: draws any form description in the one visual language of
// the module's backgrounds (light-grey sheet, white fields with their number
// and title in the top-left corner, shaded section bars, squares with
// captions), with QPainter text so the form's words stay text in a PDF.
#pragma once

#include <QPainter>
#include <QRectF>
#include <vector>

#include "report/form.h"

namespace dek::platform {

// Paints the form in band pixels: the painter's coordinates are band pixels.
void paint_form(QPainter& painter, const report::FormDescription& form);

// The rectangles, in band pixels, where the painted form prints words or
// marks of its own: section bars, field numbers and titles, squares with
// their numbers and captions, static texts. With `within`, only those that
// meet that rectangle.
std::vector<QRectF> printed_areas(const report::FormDescription& form, const QRectF* within = nullptr);

}  // namespace dek::platform
