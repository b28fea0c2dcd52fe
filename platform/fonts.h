// The faces and sizes of the page fonts: the Windows faces of the layouts map
// to the metric-compatible Liberation faces, loaded from their files so the
// output does not depend on whatever else is installed.
#pragma once

#include <QFont>
#include <QString>

#include "report/page.h"

namespace dek::platform {

// "Liberation Sans" / "Liberation Serif", registered from fonts-liberation2.
QString sans_family();
QString serif_family();

// Pixel size (at 96 dpi) of a font class: 10 pt = 13 px, 8 pt = 11 px,
// 6 pt = 8 px, 12 pt = 16 px.
int class_pixel_size(report::FontClass font);

// The font of a class at a pixel size (0: the class's own size).
QFont class_font(report::FontClass font, int pixel_size = 0);

// The form painter's font: Liberation Sans at a pixel size.
QFont form_font(int pixel_size, bool bold);

}  // namespace dek::platform
